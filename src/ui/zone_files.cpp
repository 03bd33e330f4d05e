// SPDX-License-Identifier: GPL-3.0-or-later
// Zone 2: the listing button, the FileTable and its editing buttons, and
// under the table the place of the tracking window, which reports on the
// listing (and on the run).
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

// Every control of the zone: caption, hint, accessible name.
constexpr ControlText kTexts[] = {
    {"Zone_listage", "Listage des fichiers impliqués"},
    {"CheckBox_grand_tableau", "grand Tableau", " agrandir le tableau des fichiers "},
    {"Label_nb_fic", "0 fichier", " nombre de fichiers listés "},
    {"SpeedButton_lister", "1  Valider et lister les fichiers *.*",
     " lister ci-dessous les fichiers du répertoire de données "},
    {"CheckBox_prelire_tous", "Pré-lecture de tous les fichiers ou que ceux cochés",
     "  très lent selon le nombre de fichiers  ( n > 100 )  "},
    {"Label8", "---", " taille totale des fichiers listés "},
    {"StringGrid1", nullptr,
     " double-clic : sur un intitulé, tri de la colonne ; sur « fichier », le fichier dans l'éditeur ; "
     "sur « x », coche ou décoche ; sur « date dep » ou « date fin », cette date comme début ou fin de la "
     "période ; clic droit sur « Station » ou « x » : sélection par station ;  touche SUPPR : effacer la "
     "sélection ",
     "tableau des fichiers"},
    {"SpeedButton_effacer_vers_le_haut", "effacer vers le HAUT",
     " effacer les lignes du haut jusqu'à la ligne courante comprise "},
    {"SpeedButton_effacer_selection", "effacer la sélection", "  la touche SUPPR est fonctionnelle  "},
    {"SpeedButton_effacer_vers_le_bas", "effacer vers le BAS",
     " effacer la ligne courante et les lignes du bas "},
    {"SpeedButton6", "réaf tableau complet", "la liste sera réinitialisée"},
    {"SpeedButton_effacer_ligne_hors_intervalle", "sup si hors Période",
     " effacer les fichiers dont la date du nom est hors de la période ciblée "},
    {"CheckBox_sans_confirmation", "sans confirmation", " « sup si hors Période » sans question "},
};
const ZoneTexts texts(kTexts);

QWidget* listing_row(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(make_check(row, texts("CheckBox_grand_tableau")));
  auto* count = make_label(row, texts("Label_nb_fic"));
  keep_width(count, "99999  fichiers");
  layout->addWidget(count);
  auto* lister = make_button(row, texts("SpeedButton_lister"));
  QFont bold = lister->font();
  bold.setBold(true);
  lister->setFont(bold);
  layout->addWidget(lister, 1);
  layout->addWidget(make_check(row, texts("CheckBox_prelire_tous")));
  auto* size = make_label(row, texts("Label8"));
  keep_width(size, "taille totale 99999,99 Mo");
  layout->addWidget(size);
  return row;
}

QTableView* file_table(QWidget* parent) {
  auto* table = make_table(parent, texts("StringGrid1"));
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::ContiguousSelection);
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
  for (const char* name :
       {"SpeedButton_effacer_vers_le_haut", "SpeedButton_effacer_selection",
        "SpeedButton_effacer_vers_le_bas", "SpeedButton6", "SpeedButton_effacer_ligne_hors_intervalle"})
    column->addWidget(make_button(box, texts(name)));
  column->addWidget(make_check(box, texts("CheckBox_sans_confirmation")));
  column->addStretch();
  return box;
}

}  // namespace

// The tracking window's "petite" height; it covers no control there.
constexpr int kTrackingHeight = 135;

QGroupBox* build_files_zone(QWidget* parent) {
  auto* zone = make_group(parent, texts("Zone_listage"));
  auto* grid = new QGridLayout(zone);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setSpacing(4);
  grid->addWidget(listing_row(zone), 0, 0, 1, 2);
  grid->addWidget(file_table(zone), 1, 0);
  grid->addWidget(editing_buttons(zone), 1, 1);
  auto* tracking_place = new QWidget(zone);
  tracking_place->setObjectName("Cadre_suivi");
  tracking_place->setFixedHeight(kTrackingHeight);
  grid->addWidget(tracking_place, 2, 0);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(1, 1);
  return zone;
}

}  // namespace talve::ui
