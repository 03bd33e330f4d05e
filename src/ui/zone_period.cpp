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

constexpr const char* kCopyHint = "un doubleclik permet de récupérer la date pour la valeur Min ou Max ";
constexpr const char* kOffsetHint = " le décalage n'impacte que la date de mesure  ";
constexpr const char* kDriftHint = " la dérive n'impacte que la date de mesure  ";

// Every control of the zone: caption, hint, accessible name.
constexpr ControlText kTexts[] = {
    {"Zone_periode", "Période ciblée"},
    // The grid instants and the steps.
    {"ListBox_date_clean", nullptr, nullptr, "liste horodatée"},
    {"Label_nb_dates", "nb dates"},
    {"Label25", "---", " nombre de dates de la liste horodatée "},
    {"Label_nb_resultats", "nb résultats"},
    {"Label_nr_final", "---", " nombre de lignes de résultats "},
    {"SpeedButton_creer_listes_date_clean", "<=  2-  créer la liste horodatée",
     " créer la liste des dates régulières de la période "},
    {"SpeedButton_traiter_fichier", "3-    traiter ...  =>", " traiter les fichiers cochés, ou tous "},
    {"SpeedButton_stop", "stop", " arrêter le traitement en cours "},
    {"SpeedButton_enregistrer", "sauver ->", "sauver les données extraites stoppées en cours "},
    {"GroupBox_actuel_ou_passee", "test des dates"},
    {"GroupBox_actuel_ou_passee_0", "(inf ou =)"},
    {"GroupBox_actuel_ou_passee_1", "(inf strict)"},
    // The step.
    {"GroupBox_jour_mois_annee", "pas"},
    {"RadioButton1_jour_mois_annee", "hh:mn:ss"},
    {"RadioButton2_jour_mois_annee", "jour"},
    {"RadioButton3_jour_mois_annee", "mois"},
    {"RadioButton4_jour_mois_annee", "année"},
    {"Label_heure_minute_seconde", "heure:minute:seconde"},
    {"TimePicker_pas", nullptr, nullptr, "pas : heure:minute:seconde"},
    {"SpeedButton_pas", "O", "  00:00:00  ", "pas : à zéro"},
    {"Label56", "jour"},
    {"SpinEdit_pas_jour_mois_annee", nullptr, nullptr, "pas : nombre"},
    // The dates found by the listing and those of the last run.
    {"GroupBox_dates_trouvees", "dates min / max"},
    {"Label_min", "Min"},
    {"Label_max", "Max"},
    {"Label_tableau_date_nom", "Tableau (date_NOM)"},
    {"Label_date_min", "---", kCopyHint},
    {"Label_date_max", "---", kCopyHint},
    {"Label_tableau_date_heure", "Tableau (date/heure)"},
    {"Label_date_heure_min", "---", kCopyHint},
    {"Label_date_heure_max", "---", kCopyHint},
    {"Label_fichier_dsc", "Fichier *.dsc"},
    {"Label_min_dsc", "02/04/2023 07:29:32", kCopyHint},
    {"Label_max_dsc", "date-heure", kCopyHint},
    {"Label_pas_dsc", "pas", " un doubleclik permet de récupérer le pas "},
    // The period.
    {"GroupBox_periode", "période"},
    {"Label_debut", "début"},
    {"Label_temps_deb", "07/11/2021 00:00:00"},
    {"Label_jour_semaine_deb", "---"},
    {"DatePicker_deb", nullptr, nullptr, "début : date"},
    {"TimePicker_deb", nullptr, nullptr, "début : heure"},
    {"SpeedButton_deb", "O", "  00:00:00  ", "début : heure à zéro"},
    {"Label_fin", "fin"},
    {"Label_temps_fin", "08/11/2021 10:00:00"},
    {"Label_jour_semaine_fin", "---"},
    {"DatePicker_fin", nullptr, nullptr, "fin : date"},
    {"TimePicker_fin", nullptr, nullptr, "fin : heure"},
    {"SpeedButton_fin", "O", "  00:00:00  ", "fin : heure à zéro"},
    // The corrections of measurement dates.
    {"GroupBox_decalage", "décalage", kOffsetHint},
    {"CheckBox_decalage_actif", "activer le décalage mesure", kOffsetHint},
    {"RadioButton_decalage_positif", "+  positif", kOffsetHint},
    {"SpinEdit_decalage_jour", nullptr, kOffsetHint, "décalage : jours"},
    {"Label_decalage_jour", "j"},
    {"TimePicker_decalage", nullptr, kOffsetHint, "décalage : heure"},
    {"RadioButton_decalage_negatif", "-  négatif", kOffsetHint},
    {"GroupBox_derive", "dérive", kDriftHint},
    {"CheckBox_derive_active", "activer la dérive mesure", kDriftHint},
    {"Label_derive_erronee", "heure erronée", kDriftHint},
    {"TimePicker_derive_erronee", nullptr, kDriftHint, "heure erronée"},
    {"Label_derive_reelle", "heure réelle", kDriftHint},
    {"TimePicker_derive_reelle", nullptr, kDriftHint, "heure réelle"},
    {"Label_debut_derive", "début de dérive", kDriftHint},
    {"DateTimePicker_debut_derive", nullptr, kDriftHint, "début de dérive"},
    {"Label_constat_derive", "constat de dérive", kDriftHint},
    {"DateTimePicker_constat_derive", nullptr, kDriftHint, "constat de dérive"},
};
const ZoneTexts texts(kTexts);

// The widest texts of the labels the program rewrites.
const QString kWidestInstant = "00/00/0000 00:00:00";
const QString kWidestCount = "9 999 999 => 99 999 jours";

QWidget* grid_list(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* list = make_list_view(box, texts("ListBox_date_clean"));
  list->setMinimumWidth(150);
  // As tall as the zone's other controls make it: the file table above
  // takes the height the screen has to spare.
  list->setSizePolicy(list->sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
  column->addWidget(list, 1);
  auto* counts = new QGridLayout;
  counts->addWidget(make_label(box, texts("Label_nb_dates")), 0, 0);
  auto* count = make_label(box, texts("Label25"));
  keep_width(count, kWidestCount);
  counts->addWidget(count, 1, 0, 1, 2);
  counts->addWidget(make_label(box, texts("Label_nb_resultats")), 2, 0);
  auto* results = make_label(box, texts("Label_nr_final"));
  keep_width(results, "999 999 999");
  counts->addWidget(results, 2, 1);
  column->addLayout(counts);
  return box;
}

QWidget* steps(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  for (const char* name : {"SpeedButton_creer_listes_date_clean", "SpeedButton_traiter_fichier"}) {
    auto* button = make_button(box, texts(name));
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setMinimumHeight(30);
    column->addWidget(button);
  }
  auto* stop_and_save = new QHBoxLayout;
  stop_and_save->addWidget(make_button(box, texts("SpeedButton_stop")));
  stop_and_save->addWidget(make_button(box, texts("SpeedButton_enregistrer")));
  column->addLayout(stop_and_save);
  column->addStretch();
  return box;
}

// The dates found by the listing and those of the last run stored in the
// description; a double-click copies one into the period.
QGroupBox* found_dates(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_dates_trouvees"));
  auto* grid = tight_grid(group);
  const auto date_label = [&](const char* name, int row, int column) {
    auto* label = make_label(group, texts(name));
    keep_width(label, kWidestInstant);
    grid->addWidget(label, row, column);
  };
  grid->addWidget(make_label(group, texts("Label_min")), 0, 1);
  grid->addWidget(make_label(group, texts("Label_max")), 0, 2);
  grid->addWidget(make_label(group, texts("Label_tableau_date_nom")), 1, 0);
  date_label("Label_date_min", 1, 1);
  date_label("Label_date_max", 1, 2);
  grid->addWidget(make_label(group, texts("Label_tableau_date_heure")), 2, 0);
  date_label("Label_date_heure_min", 2, 1);
  date_label("Label_date_heure_max", 2, 2);
  grid->addWidget(make_label(group, texts("Label_fichier_dsc")), 3, 0);
  date_label("Label_min_dsc", 3, 1);
  date_label("Label_max_dsc", 3, 2);
  auto* step = make_label(group, texts("Label_pas_dsc"));
  keep_width(step, "00:00:00");
  grid->addWidget(step, 3, 3);
  return group;
}

// One bound of the period: its caption, weekday, pickers and zero button.
void add_bound(QGridLayout* grid, int row, QWidget* parent, const char* title, const char* caption_name,
               const char* weekday, const char* date, const char* time, const char* zero) {
  grid->addWidget(make_label(parent, texts(title)), row, 0);
  auto* shown = make_label(parent, texts(caption_name));
  QFont font = shown->font();
  font.setBold(true);
  shown->setFont(font);
  keep_width(shown, kWidestInstant);
  grid->addWidget(shown, row, 1);
  auto* day = make_label(parent, texts(weekday));
  keep_width(day, "mercredi");
  grid->addWidget(day, row, 2);
  grid->addWidget(make_date_picker(parent, texts(date)), row, 3);
  grid->addWidget(make_time_picker(parent, texts(time)), row, 4);
  auto* button = make_button(parent, texts(zero));
  button->setMaximumWidth(26);
  grid->addWidget(button, row, 5);
}

QGroupBox* period(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_periode"));
  auto* grid = tight_grid(group);
  add_bound(grid, 0, group, "Label_debut", "Label_temps_deb", "Label_jour_semaine_deb", "DatePicker_deb",
            "TimePicker_deb", "SpeedButton_deb");
  add_bound(grid, 1, group, "Label_fin", "Label_temps_fin", "Label_jour_semaine_fin", "DatePicker_fin",
            "TimePicker_fin", "SpeedButton_fin");
  return group;
}

QGroupBox* step(QWidget* parent) {
  // Two rows of kinds: in one, they made the period zone and the window
  // wider than a 1920-pixel screen.
  auto* group =
      make_choice_grid(parent, texts, "GroupBox_jour_mois_annee", 4, "RadioButton%1_jour_mois_annee", 2);
  auto* grid = fields_below(group);
  auto* time_label = make_label(group, texts("Label_heure_minute_seconde"));
  grid->addWidget(time_label, 0, 0);
  auto* time = make_time_picker(group, texts("TimePicker_pas"));
  time_label->setBuddy(time);
  grid->addWidget(time, 0, 1);
  auto* zero = make_button(group, texts("SpeedButton_pas"));
  zero->setMaximumWidth(26);
  grid->addWidget(zero, 0, 2);
  // Day, month and year steps show their count in the time's place.
  auto* unit = make_label(group, texts("Label56"));
  unit->hide();
  grid->addWidget(unit, 0, 3);
  auto* count = make_spin(group, texts("SpinEdit_pas_jour_mois_annee"), 1, 400);
  count->hide();
  grid->addWidget(count, 0, 4);
  grid->setColumnStretch(5, 1);
  return group;
}

QGroupBox* offset(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_decalage"));
  auto* grid = tight_grid(group);
  grid->addWidget(make_check(group, texts("CheckBox_decalage_actif")), 0, 0, 1, 3);
  grid->addWidget(make_radio(group, texts("RadioButton_decalage_positif")), 0, 3);
  grid->addWidget(make_spin(group, texts("SpinEdit_decalage_jour"), 0, 400), 1, 0);
  grid->addWidget(make_label(group, texts("Label_decalage_jour")), 1, 1);
  grid->addWidget(make_time_picker(group, texts("TimePicker_decalage")), 1, 2);
  grid->addWidget(make_radio(group, texts("RadioButton_decalage_negatif")), 1, 3);
  return group;
}

QGroupBox* drift(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_derive"));
  auto* grid = tight_grid(group);
  grid->addWidget(make_check(group, texts("CheckBox_derive_active")), 0, 0, 1, 4);
  const auto add_picker = [&](int row, const char* label_name, QWidget* picker) {
    auto* label = make_label(group, texts(label_name));
    label->setBuddy(picker);
    grid->addWidget(label, row, 0);
    grid->addWidget(picker, row, 1);
  };
  add_picker(1, "Label_derive_erronee", make_time_picker(group, texts("TimePicker_derive_erronee")));
  add_picker(2, "Label_derive_reelle", make_time_picker(group, texts("TimePicker_derive_reelle")));
  add_picker(3, "Label_debut_derive", make_datetime_picker(group, texts("DateTimePicker_debut_derive")));
  add_picker(4, "Label_constat_derive", make_datetime_picker(group, texts("DateTimePicker_constat_derive")));
  return group;
}

}  // namespace

QGroupBox* build_period_zone(QWidget* parent) {
  auto* zone = make_group(parent, texts("Zone_periode"));
  auto* row = new QHBoxLayout(zone);
  row->setContentsMargins(6, 4, 6, 4);
  row->setSpacing(6);
  row->addWidget(grid_list(zone));
  auto* workflow = new QVBoxLayout;
  workflow->addWidget(steps(zone));
  workflow->addWidget(make_choice(zone, texts, "GroupBox_actuel_ou_passee", 2, {}, Qt::Horizontal));
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
