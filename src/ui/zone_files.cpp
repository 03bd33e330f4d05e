// SPDX-License-Identifier: GPL-3.0-or-later
// Zone 2: the listing button, the FileTable and its editing buttons.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

QWidget* listing_row(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(
      make_check(row, "CheckBox_grand_tableau", "grand Tableau", " agrandir le tableau des fichiers "));
  layout->addWidget(make_label(row, "Label_nb_fic", "0 fichier", " nombre de fichiers listés "));
  auto* lister = make_button(row, "SpeedButton_lister", "1  Valider et lister les fichiers *.*",
                             " lister ci-dessous les fichiers du répertoire de données ");
  QFont bold = lister->font();
  bold.setBold(true);
  lister->setFont(bold);
  layout->addWidget(lister, 1);
  layout->addWidget(make_check(row, "CheckBox_prelire_tous",
                               "Pré-lecture de tous les fichiers ou que ceux cochés",
                               "  très lent selon le nombre de fichiers  ( n > 100 )  "));
  layout->addWidget(make_label(row, "Label8", "---", " taille totale des fichiers listés "));
  return row;
}

QTableView* file_table(QWidget* parent) {
  auto* table = make_table(parent, "StringGrid1", "tableau des fichiers");
  table->setToolTip(" double-clic sur un intitulé de colonne : tri ; sur un fichier : édition ");
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setAlternatingRowColors(false);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setDefaultSectionSize(17);
  table->horizontalHeader()->setHighlightSections(false);
  table->setMinimumHeight(150);
  return table;
}

// The table editing buttons, at the right of the table.
QWidget* editing_buttons(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  // The decorative picture frame, level with the top of the table.
  auto* logo = make_label(box, "Image1", {});
  logo->setFixedSize(84, 45);
  logo->setScaledContents(true);
  logo->setAccessibleName("Talve");
  logo->setPixmap(QPixmap(":/talve/talve_logo.jpg"));
  column->addWidget(logo, 0, Qt::AlignHCenter);
  column->addWidget(make_button(box, "SpeedButton_effacer_vers_le_haut", "effacer vers le HAUT"));
  column->addWidget(make_button(box, "SpeedButton_effacer_selection", "effacer la sélection",
                                "  la touche SUPPR est fonctionnelle  "));
  column->addWidget(make_button(box, "SpeedButton_effacer_vers_le_bas", "effacer vers le BAS"));
  column->addWidget(make_button(box, "SpeedButton6", "réaf tableau complet", "la liste sera réinitialisée"));
  column->addWidget(make_button(box, "SpeedButton_effacer_ligne_hors_intervalle", "sup si hors Période",
                                " effacer les fichiers dont la date du nom est hors de la période ciblée "));
  column->addWidget(make_check(box, "CheckBox_sans_confirmation", "sans confirmation"));
  column->addStretch();
  return box;
}

}  // namespace

QGroupBox* build_files_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_listage", "Listage des fichiers impliqués");
  auto* grid = new QGridLayout(zone);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setSpacing(4);
  grid->addWidget(listing_row(zone), 0, 0, 1, 2);
  grid->addWidget(file_table(zone), 1, 0);
  grid->addWidget(editing_buttons(zone), 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(1, 1);
  return zone;
}

}  // namespace talve::ui
