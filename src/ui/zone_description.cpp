// SPDX-License-Identifier: GPL-3.0-or-later
// Zone 1, the top band: the working folders, the description file and how
// the data files are laid out.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zone_layout.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

// Every control of the zone: caption, hint, accessible name.
constexpr ControlText kTexts[] = {
    {"Zone_description", "Description des fichiers de données"},
    // The working folders and the description file.
    {"SpeedButton_choix_rep_donnee", "Répertoire des données"},
    {"Label_repertoire", "répertoire données"},
    {"SpeedButton_choix_rep_desc", "Répertoire des descriptions"},
    {"Label_rep_description", "répertoire description"},
    {"SpeedButton_choix_rep_sortie", "Répertoire de sortie"},
    {"Label_rep_sortie", "répertoire de sortie"},
    {"SpeedButton_presse_papier", "Presse-papier", "   données issues du   PRESSE  PAPIER   "},
    {"SpeedButton_choix_fic_donnee", "Exemplaire de fichier de données"},
    {"SpeedButton_change_hd", "Résumé des DSC"},
    {"SpeedButton_desc_bd", "Choix du fichier de description  *.dsc"},
    {"Label_description_bd", "fichier de description de données",
     " double-clic : éditer le fichier de description "},
    {"SpeedButton_nouveau_dsc", "Nouveau"},
    {"SpeedButton_Enregistrer_dsc", "Enregistrer"},
    {"SpeedButton_enreg_description", "Enregistrer sous ..."},
    // The tools at the right.
    {"SpeedButton_help", "help", " manuel d'utilisation "},
    {"SpeedButton_help22", "?+", " cadres et titres des 5 zones "},
    {"SpeedButton_help2", "?-", " cadres des 5 zones "},
    {"SpeedButton_couleurs", "couleurs", " modifier les couleurs ... "},
    {"SpeedButton_url", "mise à jour"},
    {"SpeedButton_exit2", "exit"},
    // The files.
    {"GroupBox_fichiers", "fichiers"},
    {"Label_masque", "extension"},
    {"Edit_masque", nullptr, " extension des fichiers à lister (csv, txt, dat...) "},
    {"CheckBox_recursif", "avec sous-dossiers", "  lecture récursive des sous-dossiers présents  "},
    {"Label_nb_fichiers_rep", "nb de ces fichiers dans ce rép. :"},
    {"Label54", "--"},
    {"Label_nom_de_fichier", "---", " premier fichier du répertoire de données "},
    // Titles and data lines.
    {"RadioGroup_avec_sans_intitule", "intitulés de colonnes"},
    {"RadioGroup_avec_sans_intitule_0", "avec"},
    {"RadioGroup_avec_sans_intitule_1", "sans"},
    {"Label_num_ligne_intitule_col", "en ligne n°"},
    {"Edit_num_ligne_intitule_col"},
    {"GroupBox_numlig_balise", "données"},
    {"RadioButton1_numlig_balise", "n° de ligne"},
    {"RadioButton2_numlig_balise", "balises"},
    {"Label_num_ligne_donnee", "1ère donnée en ligne n°"},
    {"Edit_num_ligne_donnee"},
    {"Label_balise_deb", "balise de début (= ligne n°1)"},
    {"Edit_balise_deb"},
    {"Label_balise_fin", "balise de fin"},
    {"Edit_balise_fin"},
    {"CheckBox_car_null", "gestion des caractères illisibles"},
    // Dates and times.
    {"RadioGroup_datetime_nb_col", "Date/Time"},
    {"RadioGroup_datetime_nb_col_0", "1 colonne"},
    {"RadioGroup_datetime_nb_col_1", "2 colonnes"},
    {"Label_num_col_datetime", "n° de Col DATE/TIME"},
    {"Edit_num_col_datetime"},
    {"Label_format_datetime_mesure", "format date/heure"},
    {"Edit_format_datetime_mesure"},
    {"SpeedButton_date_heure", "...", " formats proposés (double-clic pour choisir) ",
     "format date/heure : formats proposés"},
    {"Label_num_col_date", "n° de Col DATE"},
    {"Edit_num_col_date"},
    {"Label_format_date_mesure_seule", "format date"},
    {"Edit_format_date_mesure_seule"},
    {"SpeedButton_date", "...", " formats proposés (double-clic pour choisir) ",
     "format date : formats proposés"},
    {"Label_num_col_time", "n° de Col TIME"},
    {"Edit_num_col_time"},
    {"Label_format_time_mesure_seul", "format heure"},
    {"Edit_format_time_mesure_seul"},
    {"SpeedButton_heure", "...", " formats proposés (double-clic pour choisir) ",
     "format heure : formats proposés"},
    // Separators.
    {"RadioGroup_separateur_colonne", "séparateur colonnes"},
    {"RadioButton1_separateur_colonne", "Tabulation"},
    {"RadioButton2_separateur_colonne", "Espace"},
    {"RadioButton3_separateur_colonne", "Point-virgule"},
    {"RadioButton4_separateur_colonne", "Virgule"},
    {"CheckBox_guillemets", "champs entre guillemets", " \"49\" se lit 49, \"Temp, °C\" est un seul intitulé "},
    {"GroupBox_DECIMAL_SEPARATOR_entree", "séparateur décimal IN"},
    {"RadioButton1_DECIMAL_SEPARATOR_entree", "virgule"},
    {"RadioButton2_DECIMAL_SEPARATOR_entree", "point"},
    // File names and workbook sheets.
    {"GroupBox_nom_fichier", "nom de fichier / classeur"},
    {"Label_f_station", "station"},
    {"Edit_f_station", nullptr, "n° du paquet séparé par le caractère _   "},
    {"Label_f_date_fichier", "date (aaaa/mm/jj)"},
    {"Edit_f_date_fichier", nullptr, "   inutile si le nombre de fichiers est petit   "},
    {"SpeedButton_date_fic", "...", " exemples de dates dans le nom de fichier ",
     "date (aaaa/mm/jj) : exemples"},
    {"Label_nom_fic_excel", "", " fichier du classeur lu "},
    {"Label_feuille", "feuille n°"},
    {"Edit_num_feuille_excel", nullptr, " il faut Valider pour mettre à jour "},
    {"Label_nom_feuille", "nom", " nom de la feuille lue "},
};
const ZoneTexts texts(kTexts);

// A folder button with the label that shows its folder.
void add_folder(QGridLayout* grid, int row, QWidget* parent, const char* button, const char* label) {
  grid->addWidget(make_button(parent, texts(button)), row, 0);
  auto* shown = make_label(parent, texts(label));
  shown->setMinimumWidth(160);
  grid->addWidget(shown, row, 1);
}

QWidget* folders_and_description(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  add_folder(grid, 0, box, "SpeedButton_choix_rep_donnee", "Label_repertoire");
  add_folder(grid, 1, box, "SpeedButton_choix_rep_desc", "Label_rep_description");
  add_folder(grid, 2, box, "SpeedButton_choix_rep_sortie", "Label_rep_sortie");
  grid->setColumnStretch(1, 1);

  auto* inputs = new QHBoxLayout;
  for (const char* button :
       {"SpeedButton_presse_papier", "SpeedButton_choix_fic_donnee", "SpeedButton_change_hd"})
    inputs->addWidget(make_button(box, texts(button)));
  inputs->addStretch();
  grid->addLayout(inputs, 0, 2, 1, 4);

  grid->addWidget(make_button(box, texts("SpeedButton_desc_bd")), 1, 2);
  auto* name = make_label(box, texts("Label_description_bd"));
  name->setMinimumWidth(200);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  grid->addWidget(name, 1, 3, 1, 3);

  auto* saving = new QHBoxLayout;
  for (const char* button :
       {"SpeedButton_nouveau_dsc", "SpeedButton_Enregistrer_dsc", "SpeedButton_enreg_description"})
    saving->addWidget(make_button(box, texts(button)));
  saving->addStretch();
  grid->addLayout(saving, 2, 2, 1, 4);
  grid->setColumnStretch(3, 1);
  return box;
}

// "help", "?+", "?-", "couleurs", "mise à jour", "exit", at the right.
QWidget* tools(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(make_button(box, texts("SpeedButton_help")), 0, 0);
  grid->addWidget(make_button(box, texts("SpeedButton_help22")), 0, 1);
  grid->addWidget(make_button(box, texts("SpeedButton_help2")), 0, 2);
  grid->addWidget(make_button(box, texts("SpeedButton_couleurs")), 1, 0, 1, 2);
  grid->addWidget(make_button(box, texts("SpeedButton_url")), 1, 2);
  grid->addWidget(make_button(box, texts("SpeedButton_exit2")), 2, 0, 1, 3);
  return box;
}

QGroupBox* files_group(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_fichiers"));
  auto* grid = tight_grid(group);
  add_field(grid, 0, 0, group, texts, "Label_masque", "Edit_masque")->setMaximumWidth(80);
  grid->addWidget(make_check(group, texts("CheckBox_recursif")), 0, 2);
  grid->addWidget(make_label(group, texts("Label_nb_fichiers_rep")), 1, 0, 1, 2);
  auto* count = make_label(group, texts("Label54"));
  keep_width(count, "99999");
  grid->addWidget(count, 1, 2);
  auto* first = make_label(group, texts("Label_nom_de_fichier"));
  first->setMinimumWidth(120);
  grid->addWidget(first, 2, 0, 1, 3);
  return group;
}

QGroupBox* titles_group(QWidget* parent) {
  auto* group = make_choice(parent, texts, "RadioGroup_avec_sans_intitule", 2, {}, Qt::Horizontal);
  auto* grid = fields_below(group);
  add_field(grid, 0, 0, group, texts, "Label_num_ligne_intitule_col", "Edit_num_ligne_intitule_col")
      ->setMaximumWidth(50);
  static_cast<QVBoxLayout*>(group->layout())->addStretch();
  return group;
}

QGroupBox* data_block_group(QWidget* parent) {
  auto* group =
      make_choice(parent, texts, "GroupBox_numlig_balise", 2, "RadioButton%1_numlig_balise", Qt::Horizontal);
  auto* grid = fields_below(group);
  add_field(grid, 0, 0, group, texts, "Label_num_ligne_donnee", "Edit_num_ligne_donnee")->setMaximumWidth(50);
  add_field(grid, 1, 0, group, texts, "Label_balise_deb", "Edit_balise_deb");
  add_field(grid, 2, 0, group, texts, "Label_balise_fin", "Edit_balise_fin");
  grid->addWidget(make_check(group, texts("CheckBox_car_null")), 3, 0, 1, 2);
  return group;
}

// A column number and its pattern on one row of the date group, with the
// pattern's suggestion button.
void add_date_row(QGridLayout* grid, int row, QWidget* parent, const char* column_label,
                  const char* column_edit, const char* pattern_label, const char* pattern_edit,
                  const char* button_name) {
  // Wide enough for the columns of a date over several columns ("2+3+4").
  add_field(grid, row, 0, parent, texts, column_label, column_edit)->setMaximumWidth(60);
  // Wide enough for the longer patterns ("mm_jj_ee_hh_mn_ss_pp").
  add_field(grid, row, 2, parent, texts, pattern_label, pattern_edit)->setMinimumWidth(160);
  auto* pick = make_button(parent, texts(button_name));
  pick->setMaximumWidth(28);
  grid->addWidget(pick, row, 4);
}

QGroupBox* dates_group(QWidget* parent) {
  auto* group = make_choice(parent, texts, "RadioGroup_datetime_nb_col", 2, {}, Qt::Horizontal);
  auto* grid = fields_below(group);
  // One column: the combined date-time; two columns: the date and the time.
  add_date_row(grid, 0, group, "Label_num_col_datetime", "Edit_num_col_datetime",
               "Label_format_datetime_mesure", "Edit_format_datetime_mesure", "SpeedButton_date_heure");
  add_date_row(grid, 1, group, "Label_num_col_date", "Edit_num_col_date", "Label_format_date_mesure_seule",
               "Edit_format_date_mesure_seule", "SpeedButton_date");
  add_date_row(grid, 2, group, "Label_num_col_time", "Edit_num_col_time", "Label_format_time_mesure_seul",
               "Edit_format_time_mesure_seul", "SpeedButton_heure");
  return group;
}

QWidget* separators(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(
      make_choice(box, texts, "RadioGroup_separateur_colonne", 4, "RadioButton%1_separateur_colonne"));
  column->addWidget(make_check(box, texts("CheckBox_guillemets")));
  column->addWidget(make_choice(box, texts, "GroupBox_DECIMAL_SEPARATOR_entree", 2,
                                "RadioButton%1_DECIMAL_SEPARATOR_entree", Qt::Horizontal));
  column->addStretch();
  return box;
}

// The file-name rules serve the files mode and the sheet fields the
// spreadsheet mode; the window shows one set or the other, and the rows of
// the hidden set take no room.
QGroupBox* names_group(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_nom_fichier"));
  auto* grid = tight_grid(group);
  add_field(grid, 0, 0, group, texts, "Label_f_station", "Edit_f_station")->setMinimumWidth(90);
  add_field(grid, 1, 0, group, texts, "Label_f_date_fichier", "Edit_f_date_fichier");
  auto* pick = make_button(group, texts("SpeedButton_date_fic"));
  pick->setMaximumWidth(28);
  grid->addWidget(pick, 1, 2);
  grid->addWidget(make_label(group, texts("Label_nom_fic_excel")), 2, 0, 1, 3);
  add_field(grid, 3, 0, group, texts, "Label_feuille", "Edit_num_feuille_excel")->setMaximumWidth(40);
  grid->addWidget(make_label(group, texts("Label_nom_feuille")), 4, 0, 1, 3);
  grid->setRowStretch(5, 1);
  return group;
}

}  // namespace

QGroupBox* build_description_zone(QWidget* parent) {
  auto* zone = make_group(parent, texts("Zone_description"));
  auto* rows = new QVBoxLayout(zone);
  rows->setContentsMargins(6, 4, 6, 4);
  rows->setSpacing(4);

  auto* top = new QHBoxLayout;
  top->addWidget(folders_and_description(zone), 1);
  top->addWidget(tools(zone));
  rows->addLayout(top);

  auto* layout = new QHBoxLayout;
  layout->setSpacing(4);
  layout->addWidget(files_group(zone));
  layout->addWidget(titles_group(zone));
  layout->addWidget(data_block_group(zone));
  layout->addWidget(dates_group(zone));
  layout->addWidget(separators(zone));
  layout->addWidget(names_group(zone));
  layout->addStretch();
  rows->addLayout(layout);
  return zone;
}

}  // namespace talve::ui
