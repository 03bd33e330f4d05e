// SPDX-License-Identifier: GPL-3.0-or-later
// Zone 3: how the result file is written, which columns it takes and how the
// measurements of an interval are combined; the help area.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/picture_frame.h"
#include "ui/widget_factory.h"
#include "ui/zone_layout.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

// Every control of the zone: caption, hint, accessible name.
constexpr ControlText kTexts[] = {
    {"Zone_format_sortie", "Format de sortie"},
    {"Image1", "", nullptr, "Talve"},
    // The result file.
    {"GroupBox_fichier_sortie", "fichier de sortie"},
    {"Label_name_prog_blocnote", "éditeur de texte"},
    {"Edit_name_prog_blocnote", nullptr, " programme qui affiche les fichiers "},
    {"Label_nom_fic_sortie", "nom du fichier"},
    {"Edit_nom_fic_sortie", nullptr,
     " un # sera remplacé par la durée du traitement  et un § par la  période ciblée"},
    {"CheckBox_inc_nom", "incrément (i)", "incrémentation automatique du nom (1) (2) etc. "},
    {"Label_nb_decimale", "décimales en sortie"},
    {"Edit_nb_decimale"},
    // Missing values.
    {"GroupBox_na", "valeurs manquantes"},
    {"Label_equiv_na", "équivalences NA"},
    {"Edit_equiv_na", nullptr, " valeurs d'entrée qui valent NA, séparées par des ; "},
    {"Label_min_na", "Min => NA"},
    {"Edit_min_na"},
    {"Label_max_na", "Max => NA"},
    {"Edit_max_na"},
    {"Label_NA", "NA =>"},
    {"Edit_NA", nullptr, " texte écrit en sortie pour une valeur manquante "},
    // Separators and method.
    {"RadioGroup_DECIMAL_SEPARATOR_sortie", "séparateur décimal OUT"},
    {"RadioGroup_DECIMAL_SEPARATOR_sortie_0", "virgule"},
    {"RadioGroup_DECIMAL_SEPARATOR_sortie_1", "point"},
    {"RadioGroup_separateur_sortie", "séparateur de sortie"},
    {"RadioGroup_separateur_sortie_0", "tabulation"},
    {"RadioGroup_separateur_sortie_1", "espace"},
    {"RadioGroup_separateur_sortie_2", "espace+ tab"},
    {"RadioGroup_separateur_sortie_3", "point-virgule"},
    {"GroupBox_methode", "méthode de calcul"},
    {"RadioButton1_methode", "moyenne des n mesures OK"},
    {"RadioButton2_methode", "ponctuel = dernière mesure OK"},
    {"RadioButton3_methode", "max des n  mesures OK "},
    {"RadioButton4_methode", "min des n  mesures OK "},
    {"RadioButton5_methode", "moy ET si vide = prec+suiv /2"},
    {"RadioButton6_methode", "cumul"},
    // The columns' own methods, the minimum share of measurements, the
    // origin of each value.
    {"Label_methode_par_colonne", "méthode par colonne"},
    {"Edit_methode_par_colonne", nullptr,
     " méthode propre à certaines colonnes, par n° de colonne : cumul:3,5;max:7 \n"
     " (moyenne, ponctuel, max, min, moy_si_vide, cumul, somme) "},
    {"Label_taux_min", "taux min. de mesures (%)"},
    {"Edit_taux_min", nullptr,
     " part minimale des mesures attendues dans un intervalle pour en écrire \n"
     " les valeurs (vide ou 0 : aucune) "},
    {"CheckBox_marquer_origine", "marquer l'origine des valeurs",
     " une colonne _origine après chaque colonne : M mesurée, C comblée, \n"
     " F croissance forcée, N manquante "},
    // Columns.
    {"GroupBox_colonnes", "colonnes"},
    {"Label_intitule_origine", "intitulés d'origine"},
    {"Edit_intitule_origine", nullptr, " intitulés de colonnes du fichier lu "},
    {"Panel_button_liste_colonne", "lister les colonnes", " liste des colonnes dans la fenêtre de suivi "},
    {"CheckBox_int_col_alternatif", "intitulés alternatifs", " remplacer les intitulés d'origine "},
    {"Edit_new_desc_colonne", nullptr, "   IL FAUT  RELISTER [ 1-Valider et lister les fichiers ]    ",
     "intitulés alternatifs"},
    {"CheckBox_col_cochee", "n'extraire que les colonnes suivantes  (ex 7,12)"},
    {"Edit_col_cochee", nullptr, nullptr, "colonnes à extraire"},
    {"Label_col_alternatives", "---", " intitulés des colonnes extraites "},
    // Help.
    {"CheckBox_aide_flottante", "aide flottante"},
    {"Memo2", nullptr, nullptr, "aide"},
};
const ZoneTexts texts(kTexts);

QGroupBox* file_group(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_fichier_sortie"));
  auto* grid = tight_grid(group);
  add_field(grid, 0, 0, group, texts, "Label_name_prog_blocnote", "Edit_name_prog_blocnote");
  add_field(grid, 1, 0, group, texts, "Label_nom_fic_sortie", "Edit_nom_fic_sortie");
  grid->addWidget(make_check(group, texts("CheckBox_inc_nom")), 1, 2);
  add_field(grid, 2, 0, group, texts, "Label_nb_decimale", "Edit_nb_decimale")->setMaximumWidth(40);
  return group;
}

QGroupBox* missing_group(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_na"));
  auto* grid = tight_grid(group);
  auto* label = make_label(group, texts("Label_equiv_na"));
  grid->addWidget(label, 0, 0);
  grid->addWidget(make_edit(group, texts("Edit_equiv_na"), label), 0, 1, 1, 3);
  add_field(grid, 1, 0, group, texts, "Label_min_na", "Edit_min_na")->setMaximumWidth(70);
  add_field(grid, 1, 2, group, texts, "Label_max_na", "Edit_max_na")->setMaximumWidth(70);
  add_field(grid, 2, 0, group, texts, "Label_NA", "Edit_NA")->setMaximumWidth(70);
  return group;
}

QWidget* choices(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  // Side by side rather than one above the other: the zone, and the window,
  // would otherwise be taller than a 1080-pixel screen.
  row->addWidget(make_choice(box, texts, "RadioGroup_DECIMAL_SEPARATOR_sortie", 2, {}, Qt::Vertical), 0,
                 Qt::AlignTop);
  row->addWidget(make_choice_grid(box, texts, "RadioGroup_separateur_sortie", 4, {}, 2), 0, Qt::AlignTop);
  row->addWidget(make_choice_grid(box, texts, "GroupBox_methode", 6, "RadioButton%1_methode", 2));
  return box;
}

// Under the method, on one row (the window must fit a 1080-pixel screen): a
// method of their own for some columns, the share of measurements an
// interval needs, and the marks of where each value comes from.
QWidget* method_details(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  auto* methods = make_label(box, texts("Label_methode_par_colonne"));
  row->addWidget(methods);
  row->addWidget(make_edit(box, texts("Edit_methode_par_colonne"), methods), 1);
  auto* share = make_label(box, texts("Label_taux_min"));
  row->addWidget(share);
  auto* share_edit = make_edit(box, texts("Edit_taux_min"), share);
  share_edit->setMaximumWidth(40);
  row->addWidget(share_edit);
  row->addWidget(make_check(box, texts("CheckBox_marquer_origine")));
  return box;
}

QGroupBox* columns_group(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_colonnes"));
  auto* grid = tight_grid(group);
  add_field(grid, 0, 0, group, texts, "Label_intitule_origine", "Edit_intitule_origine")->setReadOnly(true);
  grid->addWidget(make_button(group, texts("Panel_button_liste_colonne")), 0, 2);
  grid->addWidget(make_check(group, texts("CheckBox_int_col_alternatif")), 1, 0);
  grid->addWidget(make_edit(group, texts("Edit_new_desc_colonne")), 1, 1, 1, 2);
  grid->addWidget(make_check(group, texts("CheckBox_col_cochee")), 2, 0);
  grid->addWidget(make_edit(group, texts("Edit_col_cochee")), 2, 1, 1, 2);
  // Cut rather than wrapped: a wrapping label would make the zones' height
  // depend on their width, and the window taller than its screen.
  auto* preview = make_label(group, texts("Label_col_alternatives"));
  let_text_run(preview, 200);
  grid->addWidget(preview, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* help_area(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(make_check(box, texts("CheckBox_aide_flottante")));
  auto* help = make_text_area(box, texts("Memo2"));
  help->setMinimumHeight(48);
  column->addWidget(help);
  return box;
}

}  // namespace

QGroupBox* build_output_zone(QWidget* parent) {
  auto* zone = make_group(parent, texts("Zone_format_sortie"));
  auto* column = new QVBoxLayout(zone);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(4);
  auto* top = new QHBoxLayout;
  top->addWidget(file_group(zone));
  top->addWidget(missing_group(zone));
  // The picture frame's place, at the window's right edge; the picture
  // itself stays level with the file table's top (picture_frame.h).
  auto* place = new QWidget(zone);
  place->setObjectName("Cadre_image");
  place->setFixedWidth(kPictureWidth + 8);
  top->addWidget(place);
  make_label(zone, texts("Image1"));
  column->addLayout(top);
  column->addWidget(choices(zone));
  column->addWidget(method_details(zone));
  column->addWidget(columns_group(zone));
  column->addWidget(help_area(zone), 1);
  return zone;
}

}  // namespace talve::ui
