// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/colour_panel.h"

#include <QColorDialog>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "session/colour_actions.h"
#include "session/session.h"
#include "ui/colour_scheme.h"
#include "ui/panel_links.h"
#include "ui/panel_placement.h"
#include "ui/settings_binder.h"
#include "ui/widget_factory.h"
#include "ui/widget_paint.h"

namespace talve::ui {
namespace {

struct ColourButton {
  const char* name;
  const char* caption;
  const char* hint;
  SchemeColour colour;
};

constexpr ColourButton kColourButtons[] = {
    {"SpeedButton_couleur_fond", "de fond", " couleur du fond ", SchemeColour::Background},
    {"SpeedButton_couleur_boutons", "des boutons", " couleur des boutons ", SchemeColour::Buttons},
    {"SpeedButton_couleur_champs", "\"vert_clair\"", " couleur des champs ", SchemeColour::Fields},
    {"SpeedButton_couleur_nombres", "\"aqua\"", " couleur des nombres ", SchemeColour::Numbers},
};

// The colour dialog on the colour shown, with the program's custom colours.
std::optional<Rgb> pick_colour(QWidget* parent, const Session& session, SchemeColour which) {
  const auto presets = custom_colours(session);
  for (int i = 0; i < static_cast<int>(presets.size()); ++i)
    QColorDialog::setCustomColor(i, to_qcolor(presets[static_cast<std::size_t>(i)]));
  QColorDialog dialog(to_qcolor(shown_scheme_colour(session, which)), parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setWindowTitle("couleurs");
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QColor chosen = dialog.selectedColor();
  if (!chosen.isValid()) return std::nullopt;
  return Rgb{chosen.red(), chosen.green(), chosen.blue()};
}

}  // namespace

void build_colour_panel(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_des_couleurs", "couleurs");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setSpacing(4);
  auto* title = make_label(panel, "Label_modifier_couleurs", "modifier les couleurs ...");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  grid->addWidget(title, 0, 0, 1, 2);
  auto* close = make_button(panel, "SpeedButton_fermer_couleurs", "X", " fermer ");
  close->setAccessibleName("fermer les couleurs");
  close->setMaximumWidth(30);
  grid->addWidget(close, 0, 2);
  auto* scheme = make_choice(panel, "RadioGroup_coul_nb", {}, {"couleurs", "niveaux de gris"});
  scheme->setAccessibleName("couleurs ou niveaux de gris");
  grid->addWidget(scheme, 1, 0, 1, 3);
  for (int i = 0; i < 4; ++i) {
    const ColourButton& b = kColourButtons[i];
    grid->addWidget(make_button(panel, b.name, b.caption, b.hint), 2 + i / 2, i % 2);
  }
  panel->resize(260, 150);
}

ColourPanel::ColourPanel(QWidget* surface, Session& session, SettingsBinder& binder,
                         PanelPlacement& placement, std::function<void()> after_action)
    : QObject(surface), m_surface(surface), m_session(session), m_after_action(std::move(after_action)) {
  binder.on_change("RadioGroup_coul_nb.ItemIndex", [this](bool by_user) {
    colour_scheme_changed(m_session, by_user);
    repaint();
  });
  const auto on_click = [&](const char* name, std::function<void()> action) {
    on_panel_click(surface, this, session, name, std::move(action), m_after_action);
  };
  on_click("SpeedButton_couleurs", [this] { static_cast<void>(toggle_colour_panel(m_session)); });
  on_click("SpeedButton_fermer_couleurs", [this] { hide_colour_panel(m_session); });
  for (const ColourButton& b : kColourButtons)
    on_click(b.name, [this, which = b.colour] {
      if (const auto chosen = pick_colour(m_surface, m_session, which)) {
        set_scheme_colour(m_session, which, *chosen);
        repaint();
      }
    });
  auto* panel = surface->findChild<QWidget*>("Panel_des_couleurs");
  if (!panel) {
    qWarning("talve: no control named Panel_des_couleurs in the window");
    return;
  }
  on_panel_hidden(panel, this, [this] {
    if (m_session.colour_panel_shown) hide_colour_panel(m_session);
  });
  placement.place_by(panel, [panel, &placement] {
    const QRect label = placement.anchor("Label_format_datetime_mesure");
    const QRect table = placement.anchor("StringGrid1");
    return QRect(label.left() + label.width() + 40, table.top() + 40, panel->width(), panel->height());
  });
}

void ColourPanel::repaint() { apply_colour_scheme(m_surface, m_session); }

}  // namespace talve::ui
