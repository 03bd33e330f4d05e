// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_setup.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>

#include "core/input_mode_controls.h"
#include "session/session.h"
#include "ui/text_edge.h"
#include "ui/window_interface.h"

namespace talve::ui {
namespace {

constexpr int kFolderFontSize = 10;
constexpr int kLongFolderFontSize = 4;
// The height of a title bar, before the window manager says what it is.
constexpr int kTitleBarAllowance = 32;

void hint(QWidget* surface, const char* name, const QString& text) {
  if (auto* widget = surface->findChild<QWidget*>(QString::fromLatin1(name)))
    widget->setToolTip(text);
  else
    qWarning("talve: no control named %s in the window", name);
}

}  // namespace

void set_fixed_texts(QWidget* surface) {
  for (const char* label : {"Label_date_min", "Label_date_max", "Label_date_heure_min",
                            "Label_date_heure_max", "Label_min_dsc", "Label_max_dsc"})
    hint(surface, label, "un doubleclik permet de récupérer la date pour la valeur Min ou Max ");
  for (const char* control : {"CheckBox_decalage_actif", "SpinEdit_decalage_jour", "TimePicker_decalage",
                              "RadioButton_decalage_positif", "RadioButton_decalage_negatif"})
    hint(surface, control, " le décalage n'impacte que la date de mesure  ");
  for (const char* control :
       {"CheckBox_derive_active", "TimePicker_derive_erronee", "TimePicker_derive_reelle",
        "DateTimePicker_debut_derive", "DateTimePicker_constat_derive"})
    hint(surface, control, " la dérive n'impacte que la date de mesure  ");
  if (auto* titles = surface->findChild<QLineEdit*>("Edit_intitule_origine"))
    titles->setReadOnly(true);
  else
    qWarning("talve: no control named Edit_intitule_origine in the window");
}

void follow_captions(QWidget* surface, const Session& session, WindowInterface& ui) {
  const std::pair<const char*, const char*> folders[] = {
      {"Label_repertoire", "SpeedButton_choix_rep_donnee"},
      {"Label_rep_description", "SpeedButton_choix_rep_desc"},
      {"Label_rep_sortie", "SpeedButton_choix_rep_sortie"}};
  for (const auto& [label_name, button_name] : folders)
    ui.watch_caption(label_name,
                     [surface, label_name = label_name, button_name = button_name](const std::string& text) {
                       const QString folder = to_qstring(text);
                       hint(surface, label_name, folder);
                       hint(surface, button_name, folder);
                       auto* label = surface->findChild<QLabel*>(QString::fromLatin1(label_name));
                       if (!label) return;
                       QFont font = label->font();
                       font.setPointSize(kFolderFontSize);
                       const bool too_long = QFontMetrics(font).horizontalAdvance(folder) > label->width();
                       font.setPointSize(too_long ? kLongFolderFontSize : kFolderFontSize);
                       label->setFont(font);
                     });
  ui.watch_caption("SpeedButton_lister", [surface, &session](const std::string&) {
    hint(surface, "SpeedButton_lister", to_qstring(listing_hint(session.flags.input_mode)));
  });
}

void place_window(QMainWindow* window, const QWidget* zones) {
  const QScreen* screen = window->screen();
  const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1600, 1000);
  // The frame is known once the window manager has framed the window; a
  // title bar is allowed for before that.
  const QSize frame = window->isVisible() ? window->frameGeometry().size() - window->geometry().size()
                                          : QSize(0, kTitleBarAllowance);
  const QSize wanted = zones->sizeHint().boundedTo(free.size() - frame);
  window->resize(wanted);
  window->move(free.left() + (free.width() - wanted.width() - frame.width()) / 2,
               free.top() + (free.height() - wanted.height() - frame.height()) / 3);
}

}  // namespace talve::ui
