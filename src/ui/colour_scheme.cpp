// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/colour_scheme.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "core/parameter_colours.h"
#include "session/session.h"
#include "ui/widget_paint.h"

namespace talve::ui {
namespace {

constexpr const char* kButtonColoured[] = {
    "Panel1",         "Panel_dir",      "Panel_coche",          "Panel_lecteur",        "Panel_des_couleurs",
    "Label_date_min", "Label_date_max", "Label_date_heure_min", "Label_date_heure_max", "Label_min_dsc",
    "Label_max_dsc",  "Label_pas_dsc"};

// Painted by their own rule: the offset and drift pickers follow their check
// boxes (the session's colours, painted below), the floating help box is
// white.
const QStringList kOwnColours = {"SpinEdit_decalage_jour",
                                 "TimePicker_decalage",
                                 "TimePicker_derive_reelle",
                                 "TimePicker_derive_erronee",
                                 "DateTimePicker_debut_derive",
                                 "DateTimePicker_constat_derive",
                                 "Memo3"};

// The help area and the column, line-number and output-name fields.
constexpr const char* kNumberColoured[] = {"Memo2",
                                           "Edit_num_col_datetime",
                                           "Edit_num_col_date",
                                           "Edit_num_col_time",
                                           "Edit_num_ligne_donnee",
                                           "Edit_num_ligne_intitule_col",
                                           "Edit_nom_fic_sortie"};

// The two buttons of the tracking window stand on its panel, not on their own.
constexpr const char* kBackgroundButtons[] = {"SpeedButton_clear", "SpeedButton_fermer_suivi"};

bool is_field(const QWidget* widget) {
  if (kOwnColours.contains(widget->objectName())) return false;
  if (qobject_cast<const QLineEdit*>(widget))
    return !qobject_cast<const QAbstractSpinBox*>(widget->parentWidget());
  return qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget);
}

void paint(QWidget* surface, const char* name, const QColor& colour) {
  if (auto* widget = surface->findChild<QWidget*>(QString::fromLatin1(name))) set_background(widget, colour);
}

}  // namespace

void apply_colour_scheme(QWidget* surface, const Session& session) {
  const SchemeColours shown =
      colours_in_use(session.description.choice("RadioGroup_coul_nb.ItemIndex"), session.colours);
  set_background(surface, to_qcolor(shown.background));
  const QColor button = to_qcolor(shown.panel);
  const QColor field = to_qcolor(shown.field);
  for (QWidget* widget : surface->findChildren<QWidget*>()) {
    if (auto* push = qobject_cast<QPushButton*>(widget); push && push->isFlat())
      set_background(push, button);
    else if (is_field(widget))
      set_background(widget, field);
  }
  for (const char* name : kButtonColoured) paint(surface, name, button);
  for (const char* name : kNumberColoured) paint(surface, name, to_qcolor(shown.number));
  for (const char* name : kBackgroundButtons) paint(surface, name, to_qcolor(shown.background));
  // The backgrounds the core keeps for its own indications (the bound
  // fields...) stay over the scheme: the core sends each colour once.
  for (QWidget* widget : surface->findChildren<QWidget*>()) {
    if (widget->objectName().isEmpty()) continue;
    const auto kept = session.colour(widget->objectName().toStdString(), ColourPart::Background);
    if (!kept) continue;
    set_background(widget, kept->window_text ? QApplication::palette(widget).color(QPalette::Base)
                                             : to_qcolor(kept->rgb));
  }
}

}  // namespace talve::ui
