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

QWidget* counters(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(1);
  grid->addWidget(make_label(box, "Label_nlig_impliquee", "--", " nombre de mesures extraites "), 0, 0);
  grid->addWidget(make_label(box, "Label5", "--", " nombre de colonnes du résultat "), 0, 1);
  grid->addWidget(make_label(box, "Label19", "--", " nombre de colonnes de données du fichier lu "), 0, 2);
  grid->addWidget(make_label(box, "Label6", "---", " durées des étapes 1, 2 et 3 "), 1, 0, 1, 2);
  grid->addWidget(make_label(box, "Label10", "---", " temps restant estimé "), 1, 2);
  auto* wait = make_label(box, "Label_patienter", "patientez...");
  QPalette red = wait->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  wait->setPalette(red);
  QFont bold = wait->font();
  bold.setBold(true);
  wait->setFont(bold);
  wait->hide();
  grid->addWidget(wait, 2, 0, 1, 3);
  return box;
}

// The result list, with the read-only views of the result file and of the
// values alone laid over it in the same place.
QWidget* result_views(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* stack = new QGridLayout(box);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->addWidget(make_list_view(box, "ListBox_DONNEE_date_clean", "résultats"), 0, 0);
  auto* file_view = make_text_area(box, "RichEdit3", "fichier résultat");
  file_view->hide();
  stack->addWidget(file_view, 0, 0);
  auto* values_view = make_text_area(box, "RichEdit4", "valeurs sans date");
  values_view->hide();
  stack->addWidget(values_view, 0, 0);
  box->setMinimumSize(220, 90);
  return box;
}

// The file being read: its lines, with the short preview laid over them.
QWidget* current_file(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* column = new QGridLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setVerticalSpacing(1);
  column->addWidget(make_label(box, "Label_fic", "---", " fichier en cours "), 0, 0);
  column->addWidget(make_label(box, "Label1", "", " taille du fichier en cours "), 0, 1);
  column->addWidget(make_label(box, "Label26", "", " nombre de lignes de données du fichier "), 0, 2);
  column->addWidget(make_text_area(box, "Memo1", "fichier en cours"), 1, 0, 1, 3);
  auto* preview = make_text_area(box, "Memo6", "aperçu du fichier");
  preview->hide();
  column->addWidget(preview, 1, 0, 1, 3);
  column->setRowStretch(1, 1);
  column->setColumnStretch(0, 1);
  box->setMinimumSize(220, 90);
  return box;
}

// Two columns of buttons: in one, they made the zone, and the window, taller
// than a 1080-pixel screen.
QWidget* result_buttons(QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  grid->addWidget(
      make_button(box, "SpeedButton_graphique", "graphiques...", " graphiques des colonnes du résultat "), 0,
      0);
  grid->addWidget(make_button(box, "SpeedButton_sans_coldate", "sans col DateTime",
                              "  juste les colonnes de valeurs dans le presse-papier   "),
                  0, 1);
  grid->addWidget(make_button(box, "SpeedButton_suivi", "fichier de suivi",
                              " visualiser le fichier de suivi dans notepad  "),
                  1, 0);
  grid->addWidget(
      make_button(box, "SpeedButton_edit", "éditer =>", " visualiser le fichier de données dans notepad  "),
      1, 1);
  grid->addWidget(make_label(box, "Label21", "*.txt", " fichier résultat "), 2, 0, 1, 2);
  grid->addWidget(make_button(box, "SpeedButton_fichiers_sortie", "fichiers de sortie ...",
                              " ouvrir un fichier du répertoire de sortie "),
                  3, 0);
  grid->addWidget(make_button(box, "Panel_button_suivi", "fenêtre de suivi", " afficher / masquer le suivi "),
                  3, 1);
  grid->setRowStretch(4, 1);
  return box;
}

QGroupBox* options(QWidget* parent) {
  auto* group = make_group(parent, "GroupBox_options", "options");
  auto* grid = tight_grid(group);
  grid->addWidget(make_check(group, "CheckBox_post_traitement",
                             "Combler linéairement les intervalles de données manquantes"),
                  0, 0, 1, 2);
  add_field(grid, 1, 0, group, "Label_nmax_lacune", "longueur maximum des lacunes à traiter =>",
            "Edit_nmax_lacune")
      ->setMaximumWidth(40);
  grid->addWidget(make_check(group, "CheckBox_correction_si_t1egalt2", "correction +1s SI t1=t2  "), 2, 0, 1,
                  2);
  grid->addWidget(make_check(group, "CheckBox_correction_si_t1supt2", "correction + 1 j SI t1>t2 "), 3, 0, 1,
                  2);
  grid->addWidget(make_check(group, "CheckBox_cumul_corriger",
                             "croissance forcée des cumuls entrants   _-_-__ => _---¯¯  "),
                  0, 2);
  grid->addWidget(make_check(group, "CheckBox_delta_Y", "Delta(y) = y(i)-y(i-1) => _---¯¯ => _-_-__"), 1, 2);
  grid->addWidget(make_check(group, "CheckBox_derivees", "Dérivée  [ y(i) - y(i-1) ] / pas"), 2, 2);
  auto* end = new QHBoxLayout;
  end->addWidget(
      make_button(group, "SpeedButton_test_son", "test son", " signal sonore de fin de traitement "));
  end->addWidget(make_check(group, "CheckBox_arret_PC", "éteindre le PC à la fin du traitement "));
  end->addStretch();
  grid->addLayout(end, 3, 2);
  return group;
}

}  // namespace

QGroupBox* build_results_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_sortie", "Zone de sortie et d'attente");
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
