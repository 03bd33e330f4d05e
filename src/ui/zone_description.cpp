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

// A folder button with the label that shows its folder.
void add_folder(QGridLayout* grid, int row, QWidget* parent, const char* button, const QString& caption,
                const char* label, const QString& placeholder) {
  grid->addWidget(make_button(parent, button, caption), row, 0);
  auto* shown = make_label(parent, label, placeholder);
  shown->setMinimumWidth(160);
  grid->addWidget(shown, row, 1);
}

QWidget* folders_and_description(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  add_folder(grid, 0, box, "SpeedButton_choix_rep_donnee", "Répertoire des données", "Label_repertoire",
             "répertoire données");
  add_folder(grid, 1, box, "SpeedButton_choix_rep_desc", "Répertoire des descriptions",
             "Label_rep_description", "répertoire description");
  add_folder(grid, 2, box, "SpeedButton_choix_rep_sortie", "Répertoire de sortie", "Label_rep_sortie",
             "répertoire de sortie");
  grid->setColumnStretch(1, 1);

  auto* inputs = new QHBoxLayout;
  inputs->addWidget(make_button(box, "SpeedButton_presse_papier", "Presse-papier",
                                "   données issues du   PRESSE  PAPIER   "));
  inputs->addWidget(make_button(box, "SpeedButton_choix_fic_donnee", "Exemplaire de fichier de données"));
  inputs->addWidget(make_button(box, "SpeedButton_change_hd", "Résumé des DSC"));
  inputs->addStretch();
  grid->addLayout(inputs, 0, 2, 1, 4);

  grid->addWidget(make_button(box, "SpeedButton_desc_bd", "Choix du fichier de description  *.dsc"), 1, 2);
  auto* name = make_label(box, "Label_description_bd", "fichier de description de données");
  name->setMinimumWidth(200);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  grid->addWidget(name, 1, 3, 1, 3);

  auto* saving = new QHBoxLayout;
  saving->addWidget(make_button(box, "SpeedButton_nouveau_dsc", "Nouveau"));
  saving->addWidget(make_button(box, "SpeedButton_Enregistrer_dsc", "Enregistrer"));
  saving->addWidget(make_button(box, "SpeedButton_enreg_description", "Enregistrer sous ..."));
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
  grid->addWidget(make_button(box, "SpeedButton_help", "help", " manuel d'utilisation "), 0, 0);
  grid->addWidget(make_button(box, "SpeedButton_help22", "?+", " cadres et titres des 5 zones "), 0, 1);
  grid->addWidget(make_button(box, "SpeedButton_help2", "?-", " cadres des 5 zones "), 0, 2);
  grid->addWidget(make_button(box, "SpeedButton_couleurs", "couleurs", " modifier les couleurs ... "), 1, 0,
                  1, 2);
  grid->addWidget(make_button(box, "SpeedButton_url", "mise à jour"), 1, 2);
  grid->addWidget(make_button(box, "SpeedButton_exit2", "exit"), 2, 0, 1, 3);
  return box;
}

QGroupBox* files_group(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_fichiers", "fichiers");
  auto* grid = tight_grid(group);
  auto* mask = add_field(grid, 0, 0, group, "Label_masque", "extension", "Edit_masque",
                         " extension des fichiers à lister (csv, txt, dat...) ");
  mask->setMaximumWidth(80);
  grid->addWidget(make_check(group, "CheckBox_recursif", "avec sous-dossiers",
                             "  lecture récursive des sous-dossiers présents  "),
                  0, 2);
  grid->addWidget(make_label(group, "Label_nb_fichiers_rep", "nb de ces fichiers dans ce rép. :"), 1, 0, 1,
                  2);
  grid->addWidget(make_label(group, "Label54", "--"), 1, 2);
  auto* first =
      make_label(group, "Label_nom_de_fichier", "---", " premier fichier du répertoire de données ");
  first->setMinimumWidth(120);
  grid->addWidget(first, 2, 0, 1, 3);
  return group;
}

QGroupBox* titles_group(QWidget* parent) {
  auto* group = make_choice(parent, "RadioGroup_avec_sans_intitule", "intitulés de colonnes",
                            {"avec", "sans"}, {}, Qt::Horizontal);
  auto* grid = fields_below(group);
  auto* line = add_field(grid, 0, 0, group, "Label_num_ligne_intitule_col", "en ligne n°",
                         "Edit_num_ligne_intitule_col");
  line->setMaximumWidth(50);
  static_cast<QVBoxLayout*>(group->layout())->addStretch();
  return group;
}

QGroupBox* data_block_group(QWidget* parent) {
  auto* group = make_choice(parent, "GroupBox_numlig_balise", "données", {"n° de ligne", "balises"},
                            "RadioButton%1_numlig_balise", Qt::Horizontal);
  auto* grid = fields_below(group);
  auto* line = add_field(grid, 0, 0, group, "Label_num_ligne_donnee", "1ère donnée en ligne n°",
                         "Edit_num_ligne_donnee");
  line->setMaximumWidth(50);
  add_field(grid, 1, 0, group, "Label_balise_deb", "balise de début (= ligne n°1)", "Edit_balise_deb");
  add_field(grid, 2, 0, group, "Label_balise_fin", "balise de fin", "Edit_balise_fin");
  grid->addWidget(make_check(group, "CheckBox_car_null", "gestion des caractères illisibles"), 3, 0, 1, 2);
  return group;
}

// A column number and its pattern on one row of the date group, with the
// pattern's suggestion button.
void add_date_row(QGridLayout* grid, int row, QWidget* parent, const char* column_label,
                  const QString& column_text, const char* column_edit, const char* pattern_label,
                  const QString& pattern_text, const char* pattern_edit, const char* button_name) {
  // Wide enough for the columns of a date over several columns ("2+3+4").
  add_field(grid, row, 0, parent, column_label, column_text, column_edit)->setMaximumWidth(60);
  // Wide enough for the longer patterns ("mm_jj_ee_hh_mn_ss_pp").
  add_field(grid, row, 2, parent, pattern_label, pattern_text, pattern_edit)->setMinimumWidth(160);
  auto* pick = make_button(parent, button_name, "...", " formats proposés (double-clic pour choisir) ");
  pick->setAccessibleName(pattern_text + " : formats proposés");
  pick->setMaximumWidth(28);
  grid->addWidget(pick, row, 4);
}

QGroupBox* dates_group(QWidget* parent) {
  auto* group = make_choice(parent, "RadioGroup_datetime_nb_col", "Date/Time", {"1 colonne", "2 colonnes"},
                            {}, Qt::Horizontal);
  auto* grid = fields_below(group);
  // One column: the combined date-time; two columns: the date and the time.
  add_date_row(grid, 0, group, "Label_num_col_datetime", "n° de Col DATE/TIME", "Edit_num_col_datetime",
               "Label_format_datetime_mesure", "format date/heure", "Edit_format_datetime_mesure",
               "SpeedButton_date_heure");
  add_date_row(grid, 1, group, "Label_num_col_date", "n° de Col DATE", "Edit_num_col_date",
               "Label_format_date_mesure_seule", "format date", "Edit_format_date_mesure_seule",
               "SpeedButton_date");
  add_date_row(grid, 2, group, "Label_num_col_time", "n° de Col TIME", "Edit_num_col_time",
               "Label_format_time_mesure_seul", "format heure", "Edit_format_time_mesure_seul",
               "SpeedButton_heure");
  return group;
}

QWidget* separators(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(make_choice(box, "RadioGroup_separateur_colonne", "séparateur colonnes",
                                {"Tabulation", "Espace", "Point-virgule", "Virgule"},
                                "RadioButton%1_separateur_colonne"));
  column->addWidget(make_check(box, "CheckBox_guillemets", "champs entre guillemets",
                               " \"49\" se lit 49, \"Temp, °C\" est un seul intitulé "));
  column->addWidget(make_choice(box, "GroupBox_DECIMAL_SEPARATOR_entree", "séparateur décimal IN",
                                {"virgule", "point"}, "RadioButton%1_DECIMAL_SEPARATOR_entree",
                                Qt::Horizontal));
  column->addStretch();
  return box;
}

// The file-name rules serve the files mode and the sheet fields the
// spreadsheet mode; the window shows one set or the other, and the rows of
// the hidden set take no room.
QGroupBox* names_group(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_nom_fichier", "nom de fichier / classeur");
  auto* grid = tight_grid(group);
  add_field(grid, 0, 0, group, "Label_f_station", "station", "Edit_f_station",
            "n° du paquet séparé par le caractère _   ")
      ->setMinimumWidth(90);
  add_field(grid, 1, 0, group, "Label_f_date_fichier", "date (aaaa/mm/jj)", "Edit_f_date_fichier",
            "   inutile si le nombre de fichiers est petit   ");
  auto* pick =
      make_button(group, "SpeedButton_date_fic", "...", " exemples de dates dans le nom de fichier ");
  pick->setAccessibleName("date (aaaa/mm/jj) : exemples");
  pick->setMaximumWidth(28);
  grid->addWidget(pick, 1, 2);
  grid->addWidget(make_label(group, "Label_nom_fic_excel", "", " fichier du classeur lu "), 2, 0, 1, 3);
  add_field(grid, 3, 0, group, "Label_feuille", "feuille n°", "Edit_num_feuille_excel",
            " il faut Valider pour mettre à jour ")
      ->setMaximumWidth(40);
  grid->addWidget(make_label(group, "Label_nom_feuille", "nom", " nom de la feuille lue "), 4, 0, 1, 3);
  grid->setRowStretch(5, 1);
  return group;
}

}  // namespace

QGroupBox* build_description_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_description", "Description des fichiers de données");
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
