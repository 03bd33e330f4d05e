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

#include "ui/widget_factory.h"
#include "ui/zone_layout.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

QGroupBox* file_group(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_fichier_sortie", "fichier de sortie");
  auto* grid = tight_grid(group);
  add_field(grid, 0, 0, group, "Label_name_prog_blocnote", "éditeur de texte", "Edit_name_prog_blocnote",
            " programme qui affiche les fichiers ");
  add_field(grid, 1, 0, group, "Label_nom_fic_sortie", "nom du fichier", "Edit_nom_fic_sortie",
            " un # sera remplacé par la durée du traitement  et un § par la  période ciblée");
  grid->addWidget(make_check(group, "CheckBox_inc_nom", "incrément (i)",
                             "incrémentation automatique du nom (1) (2) etc. "),
                  1, 2);
  add_field(grid, 2, 0, group, "Label_nb_decimale", "décimales en sortie", "Edit_nb_decimale")
      ->setMaximumWidth(40);
  return group;
}

QGroupBox* missing_group(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_na", "valeurs manquantes");
  auto* grid = tight_grid(group);
  auto* label = make_label(group, "Label_equiv_na", "équivalences NA");
  grid->addWidget(label, 0, 0);
  grid->addWidget(
      make_edit(group, "Edit_equiv_na", label, " valeurs d'entrée qui valent NA, séparées par des ; "), 0, 1,
      1, 3);
  add_field(grid, 1, 0, group, "Label_min_na", "Min => NA", "Edit_min_na")->setMaximumWidth(70);
  add_field(grid, 1, 2, group, "Label_max_na", "Max => NA", "Edit_max_na")->setMaximumWidth(70);
  add_field(grid, 2, 0, group, "Label_NA", "NA =>", "Edit_NA",
            " texte écrit en sortie pour une valeur manquante ")
      ->setMaximumWidth(70);
  return group;
}

QWidget* choices(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  // Side by side rather than one above the other: the zone, and the window,
  // would otherwise be taller than a 1080-pixel screen.
  row->addWidget(make_choice(box, "RadioGroup_DECIMAL_SEPARATOR_sortie", "séparateur décimal OUT",
                             {"virgule", "point"}, {}, Qt::Vertical),
                 0, Qt::AlignTop);
  row->addWidget(make_choice_grid(box, "RadioGroup_separateur_sortie", "séparateur de sortie",
                                  {"tabulation", "espace", "espace+ tab", "point-virgule"}, {}, 2),
                 0, Qt::AlignTop);
  row->addWidget(
      make_choice_grid(box, "GroupBox_methode", "méthode de calcul",
                       {"moyenne des n mesures OK", "ponctuel = dernière mesure OK", "max des n  mesures OK ",
                        "min des n  mesures OK ", "moy ET si vide = prec+suiv /2", "cumul"},
                       "RadioButton%1_methode", 2));
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
  auto* methods = make_label(box, "Label_methode_par_colonne", "méthode par colonne");
  row->addWidget(methods);
  row->addWidget(make_edit(box, "Edit_methode_par_colonne", methods,
                           " méthode propre à certaines colonnes, par n° de colonne : cumul:3,5;max:7 \n"
                           " (moyenne, ponctuel, max, min, moy_si_vide, cumul, somme) "),
                 1);
  auto* share = make_label(box, "Label_taux_min", "taux min. de mesures (%)");
  row->addWidget(share);
  auto* share_edit = make_edit(box, "Edit_taux_min", share,
                               " part minimale des mesures attendues dans un intervalle pour en écrire \n"
                               " les valeurs (vide ou 0 : aucune) ");
  share_edit->setMaximumWidth(40);
  row->addWidget(share_edit);
  row->addWidget(make_check(box, "CheckBox_marquer_origine", "marquer l'origine des valeurs",
                            " une colonne _origine après chaque colonne : M mesurée, C comblée, \n"
                            " F croissance forcée, N manquante "));
  return box;
}

QGroupBox* columns_group(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_colonnes", "colonnes");
  auto* grid = tight_grid(group);
  auto* origin = add_field(grid, 0, 0, group, "Label_intitule_origine", "intitulés d'origine",
                           "Edit_intitule_origine", " intitulés de colonnes du fichier lu ");
  origin->setReadOnly(true);
  grid->addWidget(make_button(group, "Panel_button_liste_colonne", "lister les colonnes",
                              " liste des colonnes dans la fenêtre de suivi "),
                  0, 2);
  grid->addWidget(make_check(group, "CheckBox_int_col_alternatif", "intitulés alternatifs",
                             " remplacer les intitulés d'origine "),
                  1, 0);
  auto* alternatives = make_edit(group, "Edit_new_desc_colonne", QString("intitulés alternatifs"),
                                 "   IL FAUT  RELISTER [ 1-Valider et lister les fichiers ]    ");
  grid->addWidget(alternatives, 1, 1, 1, 2);
  grid->addWidget(
      make_check(group, "CheckBox_col_cochee", "n'extraire que les colonnes suivantes  (ex 7,12)"), 2, 0);
  grid->addWidget(make_edit(group, "Edit_col_cochee", QString("colonnes à extraire")), 2, 1, 1, 2);
  auto* preview = make_label(group, "Label_col_alternatives", "---", " intitulés des colonnes extraites ");
  preview->setWordWrap(true);
  grid->addWidget(preview, 3, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return group;
}

QWidget* help_area(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(make_check(box, "CheckBox_aide_flottante", "aide flottante"));
  auto* help = make_text_area(box, "Memo2", "aide");
  help->setMinimumHeight(48);
  column->addWidget(help);
  return box;
}

}  // namespace

QGroupBox* build_output_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_format_sortie", "Format de sortie");
  auto* column = new QVBoxLayout(zone);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(4);
  auto* top = new QHBoxLayout;
  top->addWidget(file_group(zone));
  top->addWidget(missing_group(zone));
  column->addLayout(top);
  column->addWidget(choices(zone));
  column->addWidget(method_details(zone));
  column->addWidget(columns_group(zone));
  column->addWidget(help_area(zone), 1);
  return zone;
}

}  // namespace talve::ui
