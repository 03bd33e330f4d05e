// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drive_panel.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "session/drive_relocation.h"
#include "session/session.h"
#include "ui/panel_links.h"
#include "ui/panel_placement.h"
#include "ui/text_edge.h"
#include "ui/widget_factory.h"

namespace talve::ui {

void build_drive_panel(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_lecteur", "modifier le lecteur des fichiers DSC dans");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setSpacing(4);
  auto* title = make_label(panel, "Label_lecteur_titre", "modifier le lecteur des fichiers DSC dans");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  grid->addWidget(title, 0, 0, 1, 3);
  auto* close = make_button(panel, "SpeedButton_fermer_lecteur", "X", " fermer ");
  close->setAccessibleName("fermer le lecteur");
  close->setMaximumWidth(30);
  grid->addWidget(close, 0, 3);
  grid->addWidget(make_label(panel, "Label_repertoire_dsc", "répertoire DSC"), 1, 0);
  grid->addWidget(make_label(panel, "Label64", ""), 1, 1, 1, 3);
  auto* label = make_label(panel, "Label_nouveau_lecteur", "nouveau lecteur");
  grid->addWidget(label, 2, 0);
  auto* drive = make_edit(panel, "Edit_lecteur", label,
                          " point de montage du disque (/media/.../DISQUE/) ou lettre de lecteur ");
  drive->setMinimumWidth(220);
  grid->addWidget(drive, 2, 1);
  grid->addWidget(make_button(panel, "SpeedButton_modifier", "Modifier",
                              " remplacer le disque des 3 répertoires dans les fichiers DSC "),
                  2, 2);
  // A clickable text: a flat button, so that the keyboard reaches it too.
  auto* test = make_button(panel, "Label_test_existence", "test d'existence des 3  répertoires",
                           " relire les fichiers DSC ");
  test->setCursor(Qt::PointingHandCursor);
  grid->addWidget(test, 3, 0, 1, 2, Qt::AlignLeft);
  grid->addWidget(make_text_area(panel, "Memo8", "rapport des fichiers DSC"), 4, 0, 1, 4);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(1, 1);
  panel->resize(700, 712);
}

DrivePanelView::DrivePanelView(QWidget* surface, Session& session, PanelPlacement& placement,
                               std::function<void()> after_action)
    : QObject(surface),
      m_session(session),
      m_after_action(std::move(after_action)),
      m_prefix(surface->findChild<QLineEdit*>("Edit_lecteur")) {
  Session& s = m_session;
  const auto on_click = [&](const char* name, std::function<void()> action) {
    on_panel_click(surface, this, s, name, std::move(action), m_after_action);
  };
  on_click("SpeedButton_change_hd", [&s] { summarise_descriptions(s); });
  on_click("Label_test_existence", [&s] { summarise_descriptions(s); });
  on_click("SpeedButton_modifier", [this, &s] {
    take_typed_prefix();
    static_cast<void>(relocate_descriptions(s));
  });
  on_click("SpeedButton_fermer_lecteur", [&s] { hide_drive_panel(s); });
  if (m_prefix)
    connect(m_prefix, &QLineEdit::editingFinished, this, [this] {
      // The field's own text comes back from the session; only a change
      // of the user's is taken.
      if (m_prefix->isModified()) take_typed_prefix();
    });
  else
    qWarning("talve: no control named Edit_lecteur in the window");
  auto* panel = surface->findChild<QWidget*>("Panel_lecteur");
  if (!panel) {
    qWarning("talve: no control named Panel_lecteur in the window");
    return;
  }
  on_panel_hidden(panel, this, [this] {
    if (m_session.drive_panel.shown) hide_drive_panel(m_session);
  });
  placement.place_by(panel, [panel, &placement] {
    const QRect button = placement.anchor("SpeedButton_change_hd");
    return QRect(button.left(), button.top() + button.height() + 5, panel->width(), 712);
  });
}

void DrivePanelView::take_typed_prefix() {
  if (!m_prefix) return;
  set_drive_prefix(m_session, from_qstring(m_prefix->text()));
  m_prefix->setModified(false);
}

}  // namespace talve::ui
