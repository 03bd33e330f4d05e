// SPDX-License-Identifier: GPL-3.0-or-later
// Zone 5: progress and counters, the result preview, the file being read,
// the result buttons and the options of the run.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zone_layout.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

// Every control of the zone: caption, hint, accessible name.
constexpr ControlText kTexts[] = {
    {"Zone_sortie", "Zone de sortie et d'attente"},
    // Counters and progress.
    {"Label_nlig_impliquee", "--", " nombre de mesures extraites "},
    {"Label5", "--", " nombre de colonnes du résultat "},
    {"Label19", "--", " nombre de colonnes de données du fichier lu "},
    {"Label6", "---", " durées des étapes 1, 2 et 3 "},
    {"Label10", "---", " temps restant estimé "},
    {"Label_patienter", "patientez..."},
    // The result views and the file being read.
    {"ListBox_DONNEE_date_clean", nullptr, nullptr, "résultats"},
    {"RichEdit3", nullptr, nullptr, "fichier résultat"},
    {"RichEdit4", nullptr, nullptr, "valeurs sans date"},
    {"Label_fic", "---", " fichier en cours "},
    {"Label1", "", " taille du fichier en cours "},
    {"Label26", "", " nombre de lignes de données du fichier "},
    {"Memo1", nullptr, nullptr, "fichier en cours"},
    {"Memo6", nullptr, nullptr, "aperçu du fichier"},
    // The result buttons.
    {"SpeedButton_graphique", "graphiques...", " graphiques des colonnes du résultat "},
    {"SpeedButton_sans_coldate", "sans col DateTime",
     "  juste les colonnes de valeurs dans le presse-papier   "},
    {"SpeedButton_suivi", "fichier de suivi", " visualiser le fichier de suivi dans notepad  "},
    {"SpeedButton_edit", "éditer =>", " visualiser le fichier de données dans notepad  "},
    {"Label21", "*.txt", " fichier résultat "},
    {"SpeedButton_fichiers_sortie", "fichiers de sortie ...", " ouvrir un fichier du répertoire de sortie "},
    {"Panel_button_suivi", "fenêtre de suivi", " afficher / masquer le suivi "},
    // The options of the run.
    {"GroupBox_options", "options"},
    {"CheckBox_post_traitement", "Combler linéairement les intervalles de données manquantes"},
    {"Label_nmax_lacune", "longueur maximum des lacunes à traiter =>"},
    {"Edit_nmax_lacune"},
    {"CheckBox_correction_si_t1egalt2", "correction +1s SI t1=t2  "},
    {"CheckBox_correction_si_t1supt2", "correction + 1 j SI t1>t2 "},
    {"CheckBox_cumul_corriger", "croissance forcée des cumuls entrants   _-_-__ => _---¯¯  "},
    {"CheckBox_delta_Y", "Delta(y) = y(i)-y(i-1) => _---¯¯ => _-_-__"},
    {"CheckBox_derivees", "Dérivée  [ y(i) - y(i-1) ] / pas"},
    {"SpeedButton_test_son", "test son", " signal sonore de fin de traitement "},
    {"CheckBox_arret_PC", "éteindre le PC à la fin du traitement "},
};
const ZoneTexts texts(kTexts);

QWidget* counters(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(1);
  const auto counter = [&](const char* name, int row, int column, int span, int minimum) {
    auto* label = make_label(box, texts(name));
    let_text_run(label, minimum);
    grid->addWidget(label, row, column, 1, span);
  };
  counter("Label_nlig_impliquee", 0, 0, 1, 150);
  counter("Label5", 0, 1, 1, 150);
  counter("Label19", 0, 2, 1, 150);
  counter("Label6", 1, 0, 2, 300);
  counter("Label10", 1, 2, 1, 150);
  auto* wait = make_label(box, texts("Label_patienter"));
  QPalette red = wait->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  wait->setPalette(red);
  QFont bold = wait->font();
  bold.setBold(true);
  wait->setFont(bold);
  let_text_run(wait, 300);
  // Its row keeps its height while it comes and goes.
  wait->setMinimumHeight(wait->sizeHint().height());
  QSizePolicy keep = wait->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  wait->setSizePolicy(keep);
  wait->hide();
  grid->addWidget(wait, 2, 0, 1, 3);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  return box;
}

// The result list, with the read-only views of the result file and of the
// values alone laid over it in the same place.
QWidget* result_views(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* stack = new QGridLayout(box);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->addWidget(make_list_view(box, texts("ListBox_DONNEE_date_clean")), 0, 0);
  auto* file_view = make_text_area(box, texts("RichEdit3"));
  file_view->hide();
  stack->addWidget(file_view, 0, 0);
  auto* values_view = make_text_area(box, texts("RichEdit4"));
  values_view->hide();
  stack->addWidget(values_view, 0, 0);
  box->setMinimumSize(170, 90);
  // As tall as the zone's other controls make it: the file table above
  // takes the height the screen has to spare.
  box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  return box;
}

// The file being read: its lines, with the short preview laid over them.
QWidget* current_file(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QGridLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setVerticalSpacing(1);
  auto* name = make_label(box, texts("Label_fic"));
  let_text_run(name, 80);
  column->addWidget(name, 0, 0);
  auto* size = make_label(box, texts("Label1"));
  keep_width(size, "99 999,99 Mo");
  column->addWidget(size, 0, 1);
  auto* lines = make_label(box, texts("Label26"));
  keep_width(lines, "999 999 999");
  column->addWidget(lines, 0, 2);
  column->addWidget(make_text_area(box, texts("Memo1")), 1, 0, 1, 3);
  auto* preview = make_text_area(box, texts("Memo6"));
  preview->hide();
  column->addWidget(preview, 1, 0, 1, 3);
  column->setRowStretch(1, 1);
  column->setColumnStretch(0, 1);
  box->setMinimumSize(170, 90);
  box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  return box;
}

// Two columns of buttons: in one, they made the zone, and the window, taller
// than a 1080-pixel screen.
QWidget* result_buttons(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(make_button(box, texts("SpeedButton_graphique")), 0, 0);
  grid->addWidget(make_button(box, texts("SpeedButton_sans_coldate")), 0, 1);
  grid->addWidget(make_button(box, texts("SpeedButton_suivi")), 1, 0);
  grid->addWidget(make_button(box, texts("SpeedButton_edit")), 1, 1);
  auto* result = make_label(box, texts("Label21"));
  let_text_run(result, 120);
  grid->addWidget(result, 2, 0, 1, 2);
  grid->addWidget(make_button(box, texts("SpeedButton_fichiers_sortie")), 3, 0);
  grid->addWidget(make_button(box, texts("Panel_button_suivi")), 3, 1);
  grid->setRowStretch(4, 1);
  return box;
}

QGroupBox* options(QWidget* parent) {
  auto* group = make_group(parent, texts("GroupBox_options"));
  auto* grid = tight_grid(group);
  grid->addWidget(make_check(group, texts("CheckBox_post_traitement")), 0, 0, 1, 2);
  add_field(grid, 1, 0, group, texts, "Label_nmax_lacune", "Edit_nmax_lacune")->setMaximumWidth(40);
  grid->addWidget(make_check(group, texts("CheckBox_correction_si_t1egalt2")), 2, 0, 1, 2);
  grid->addWidget(make_check(group, texts("CheckBox_correction_si_t1supt2")), 3, 0, 1, 2);
  grid->addWidget(make_check(group, texts("CheckBox_cumul_corriger")), 0, 2);
  grid->addWidget(make_check(group, texts("CheckBox_delta_Y")), 1, 2);
  grid->addWidget(make_check(group, texts("CheckBox_derivees")), 2, 2);
  auto* end = new QHBoxLayout;
  end->addWidget(make_button(group, texts("SpeedButton_test_son")));
  end->addWidget(make_check(group, texts("CheckBox_arret_PC")));
  end->addStretch();
  grid->addLayout(end, 3, 2);
  return group;
}

}  // namespace

QGroupBox* build_results_zone(QWidget* parent) {
  auto* zone = make_group(parent, texts("Zone_sortie"));
  auto* column = new QVBoxLayout(zone);
  column->setContentsMargins(6, 4, 6, 4);
  column->setSpacing(4);
  column->addWidget(counters(zone));
  auto* views = new QHBoxLayout;
  views->addWidget(result_views(zone), 1);
  views->addWidget(current_file(zone), 1);
  views->addWidget(result_buttons(zone));
  column->addLayout(views, 1);
  column->addWidget(options(zone));
  return zone;
}

}  // namespace talve::ui
