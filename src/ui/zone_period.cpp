// SPDX-License-Identifier: GPL-3.0-or-later
// Zone 4: the target period and step, the grid instants, the steps 2 and 3,
// the dates found in the files and the corrections of measurement dates.
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zone_layout.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

const QString kCopyHint = "un doubleclik permet de récupérer la date pour la valeur Min ou Max ";
const QString kOffsetHint = " le décalage n'impacte que la date de mesure  ";
const QString kDriftHint = " la dérive n'impacte que la date de mesure  ";

QWidget* grid_list(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* list = make_list_view(box, "ListBox_date_clean", "liste horodatée");
  list->setMinimumWidth(150);
  column->addWidget(list, 1);
  auto* counts = new QGridLayout;
  counts->addWidget(make_label(box, "Label_nb_dates", "nb dates"), 0, 0);
  counts->addWidget(make_label(box, "Label25", "---", " nombre de dates de la liste horodatée "), 0, 1);
  counts->addWidget(make_label(box, "Label_nb_resultats", "nb résultats"), 1, 0);
  counts->addWidget(make_label(box, "Label_nr_final", "---", " nombre de lignes de résultats "), 1, 1);
  column->addLayout(counts);
  return box;
}

QWidget* steps(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  for (auto* button :
       {make_button(box, "SpeedButton_creer_listes_date_clean", "<=  2-  créer la liste horodatée",
                    " créer la liste des dates régulières de la période "),
        make_button(box, "SpeedButton_traiter_fichier", "3-    traiter ...  =>",
                    " traiter les fichiers cochés, ou tous ")}) {
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setMinimumHeight(30);
    column->addWidget(button);
  }
  auto* stop_and_save = new QHBoxLayout;
  stop_and_save->addWidget(make_button(box, "SpeedButton_stop", "stop", " arrêter le traitement en cours "));
  stop_and_save->addWidget(make_button(box, "SpeedButton_enregistrer", "sauver ->",
                                       "sauver les données extraites stoppées en cours "));
  column->addLayout(stop_and_save);
  column->addStretch();
  return box;
}

// The dates found by the listing and those of the last run stored in the
// description; a double-click copies one into the period.
QGroupBox* found_dates(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_dates_trouvees", "dates min / max");
  auto* grid = tight_grid(group);
  grid->addWidget(make_label(group, "Label_min", "Min"), 0, 1);
  grid->addWidget(make_label(group, "Label_max", "Max"), 0, 2);
  grid->addWidget(make_label(group, "Label_tableau_date_nom", "Tableau (date_NOM)"), 1, 0);
  grid->addWidget(make_label(group, "Label_date_min", "---", kCopyHint), 1, 1);
  grid->addWidget(make_label(group, "Label_date_max", "---", kCopyHint), 1, 2);
  grid->addWidget(make_label(group, "Label_tableau_date_heure", "Tableau (date/heure)"), 2, 0);
  grid->addWidget(make_label(group, "Label_date_heure_min", "---", kCopyHint), 2, 1);
  grid->addWidget(make_label(group, "Label_date_heure_max", "---", kCopyHint), 2, 2);
  grid->addWidget(make_label(group, "Label_fichier_dsc", "Fichier *.dsc"), 3, 0);
  grid->addWidget(make_label(group, "Label_min_dsc", "02/04/2023 07:29:32", kCopyHint), 3, 1);
  grid->addWidget(make_label(group, "Label_max_dsc", "date-heure", kCopyHint), 3, 2);
  grid->addWidget(make_label(group, "Label_pas_dsc", "pas", " un doubleclik permet de récupérer le pas "), 3,
                  3);
  return group;
}

// One bound of the period: its caption, weekday, pickers and zero button.
void add_bound(QGridLayout* grid, int row, QWidget* parent, const QString& title, const char* caption_name,
               const QString& caption, const char* weekday, const char* date, const char* time,
               const char* zero) {
  grid->addWidget(make_label(parent, nullptr, title), row, 0);
  auto* shown = make_label(parent, caption_name, caption);
  QFont font = shown->font();
  font.setBold(true);
  shown->setFont(font);
  grid->addWidget(shown, row, 1);
  grid->addWidget(make_label(parent, weekday, "---"), row, 2);
  grid->addWidget(make_date_picker(parent, date, title + " : date"), row, 3);
  grid->addWidget(make_time_picker(parent, time, title + " : heure"), row, 4);
  auto* button = make_button(parent, zero, "O", "  00:00:00  ");
  button->setAccessibleName(title + " : heure à zéro");
  button->setMaximumWidth(26);
  grid->addWidget(button, row, 5);
}

QGroupBox* period(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_periode", "période");
  auto* grid = tight_grid(group);
  add_bound(grid, 0, group, "début", "Label_temps_deb", "07/11/2021 00:00:00", "Label_jour_semaine_deb",
            "DatePicker_deb", "TimePicker_deb", "SpeedButton_deb");
  add_bound(grid, 1, group, "fin", "Label_temps_fin", "08/11/2021 10:00:00", "Label_jour_semaine_fin",
            "DatePicker_fin", "TimePicker_fin", "SpeedButton_fin");
  return group;
}

QGroupBox* step(QWidget* parent) {
  // Two rows of kinds: in one, they made the period zone and the window
  // wider than a 1920-pixel screen.
  auto* group = make_choice_grid(parent, "GroupBox_jour_mois_annee", "pas",
                                 {"hh:mn:ss", "jour", "mois", "année"}, "RadioButton%1_jour_mois_annee", 2);
  auto* grid = fields_below(group);
  auto* time_label = make_label(group, "Label_heure_minute_seconde", "heure:minute:seconde");
  grid->addWidget(time_label, 0, 0);
  auto* time = make_time_picker(group, "TimePicker_pas", "pas : heure:minute:seconde");
  time_label->setBuddy(time);
  grid->addWidget(time, 0, 1);
  auto* zero = make_button(group, "SpeedButton_pas", "O", "  00:00:00  ");
  zero->setAccessibleName("pas : à zéro");
  zero->setMaximumWidth(26);
  grid->addWidget(zero, 0, 2);
  // Day, month and year steps show their count in the time's place.
  auto* unit = make_label(group, "Label56", "jour");
  unit->hide();
  grid->addWidget(unit, 0, 3);
  auto* count = make_spin(group, "SpinEdit_pas_jour_mois_annee", "pas : nombre", 1, 400);
  count->hide();
  grid->addWidget(count, 0, 4);
  grid->setColumnStretch(5, 1);
  return group;
}

QGroupBox* offset(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_decalage", "décalage", kOffsetHint);
  auto* grid = tight_grid(group);
  grid->addWidget(make_check(group, "CheckBox_decalage_actif", "activer le décalage mesure", kOffsetHint), 0,
                  0, 1, 3);
  grid->addWidget(make_radio(group, "RadioButton_decalage_positif", "+  positif", kOffsetHint), 0, 3);
  grid->addWidget(make_spin(group, "SpinEdit_decalage_jour", "décalage : jours", 0, 400, kOffsetHint), 1, 0);
  grid->addWidget(make_label(group, "Label_decalage_jour", "j"), 1, 1);
  grid->addWidget(make_time_picker(group, "TimePicker_decalage", "décalage : heure", kOffsetHint), 1, 2);
  grid->addWidget(make_radio(group, "RadioButton_decalage_negatif", "-  négatif", kOffsetHint), 1, 3);
  return group;
}

QGroupBox* drift(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_derive", "dérive", kDriftHint);
  auto* grid = tight_grid(group);
  grid->addWidget(make_check(group, "CheckBox_derive_active", "activer la dérive mesure", kDriftHint), 0, 0,
                  1, 4);
  auto add_picker = [&](int row, int column, const char* label_name, const QString& text, QWidget* picker) {
    auto* label = make_label(group, label_name, text, kDriftHint);
    label->setBuddy(picker);
    grid->addWidget(label, row, column);
    grid->addWidget(picker, row, column + 1);
  };
  add_picker(1, 0, "Label_derive_erronee", "heure erronée",
             make_time_picker(group, "TimePicker_derive_erronee", "heure erronée", kDriftHint));
  add_picker(2, 0, "Label_derive_reelle", "heure réelle",
             make_time_picker(group, "TimePicker_derive_reelle", "heure réelle", kDriftHint));
  add_picker(3, 0, "Label_debut_derive", "début de dérive",
             make_datetime_picker(group, "DateTimePicker_debut_derive", "début de dérive", kDriftHint));
  add_picker(4, 0, "Label_constat_derive", "constat de dérive",
             make_datetime_picker(group, "DateTimePicker_constat_derive", "constat de dérive", kDriftHint));
  return group;
}

}  // namespace

QGroupBox* build_period_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_periode", "Période ciblée");
  auto* row = new QHBoxLayout(zone);
  row->setContentsMargins(6, 4, 6, 4);
  row->setSpacing(6);
  row->addWidget(grid_list(zone));
  auto* workflow = new QVBoxLayout;
  workflow->addWidget(steps(zone));
  workflow->addWidget(make_choice(zone, "GroupBox_actuel_ou_passee", "test des dates",
                                  {"(inf ou =)", "(inf strict)"}, {}, Qt::Horizontal));
  workflow->addWidget(step(zone));
  workflow->addStretch();
  row->addLayout(workflow);
  auto* dates = new QVBoxLayout;
  dates->addWidget(found_dates(zone));
  dates->addWidget(period(zone));
  dates->addWidget(offset(zone));
  dates->addStretch();
  row->addLayout(dates, 1);
  auto* corrections = new QVBoxLayout;
  corrections->addWidget(drift(zone));
  corrections->addStretch();
  row->addLayout(corrections);
  return zone;
}

}  // namespace talve::ui
