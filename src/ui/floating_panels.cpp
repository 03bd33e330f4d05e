// SPDX-License-Identifier: GPL-3.0-or-later
// The floating panels raised over the zones. They are built hidden; the
// window shows, places and fills them.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <utility>

#include "text/date_pattern_fields.h"
#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {
namespace {

QPushButton* small_button(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                          const QString& spoken = {}) {
  auto* button = make_button(parent, name, caption, hint);
  button->setMaximumWidth(qMax(30, button->sizeHint().width()));
  if (!spoken.isEmpty()) button->setAccessibleName(spoken);
  return button;
}

QLabel* bold_label(QWidget* parent, const char* name, const QString& text) {
  auto* label = make_label(parent, name, text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

// The tracking window: the processing log with its buttons.
void build_tracking_window(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel1", "fenêtre de suivi", "   déplaçable   avec las souris   ");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 2, 4, 4);
  column->setSpacing(2);
  auto* bar = new QHBoxLayout;
  bar->addWidget(bold_label(panel, "Label_fenetre_suivi", "fenêtre de suivi"));
  bar->addStretch();
  auto* small = make_radio(panel, "RadioButton_fen_suivi_petite", "petite");
  small->setChecked(true);
  bar->addWidget(small);
  bar->addWidget(make_radio(panel, "RadioButton_fen_suivi_grande", "grande"));
  bar->addWidget(small_button(panel, "SpeedButton_clear", "clear", " effacer le texte "));
  bar->addWidget(small_button(panel, "SpeedButton_fermer_suivi", "X", "fermer la fenêtre de suivi",
                              "fermer la fenêtre de suivi"));
  column->addLayout(bar);
  column->addWidget(make_text_area(panel, "Memo5", "fenêtre de suivi"), 1);
  panel->resize(620, 135);
}

// A notice: blue background, yellow text.
void build_notice_panel(QWidget* surface) {
  auto* notice = new QLabel(surface);
  notice->setObjectName("Panel4");
  notice->setAccessibleName("avis");
  notice->setFrameShape(QFrame::Panel);
  notice->setFrameShadow(QFrame::Raised);
  notice->setAlignment(Qt::AlignCenter);
  notice->setWordWrap(true);
  notice->setAutoFillBackground(true);
  QPalette colours = notice->palette();
  colours.setColor(QPalette::Window, Qt::blue);
  colours.setColor(QPalette::WindowText, Qt::yellow);
  notice->setPalette(colours);
  QFont font = notice->font();
  font.setPointSize(14);
  font.setBold(true);
  notice->setFont(font);
  notice->resize(750, 200);
  notice->hide();
}

void build_folder_chooser(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_dir", "choix du répertoire");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setSpacing(3);
  auto* bar = new QHBoxLayout;
  bar->addWidget(make_button(panel, "SpeedButton_valider_dir", "Valider", " prendre ce répertoire "));
  bar->addWidget(make_button(panel, "SpeedButton_annuler_dir", "Annuler"));
  bar->addWidget(make_button(panel, "SpeedButton_rep_recent", "récents", " répertoires utilisés récemment "));
  bar->addWidget(make_button(panel, "SpeedButton14", "explorateur",
                             "Lance l'explorateur de Windows pour créer des répertoires ..."));
  bar->addStretch();
  bar->addWidget(
      small_button(panel, "SpeedButton_fermer_dir", "X", " fermer ", "fermer le choix du répertoire"));
  grid->addLayout(bar, 0, 0, 1, 2);
  auto* chosen = bold_label(panel, "Label_dir_new", "Répertoire ...");
  grid->addWidget(chosen, 1, 0, 1, 2);
  auto* drives = new QComboBox(panel);
  drives->setObjectName("DriveComboBox1");
  drives->setAccessibleName("lecteur");
  grid->addWidget(drives, 2, 0);
  auto* shortcuts = new QHBoxLayout;
  shortcuts->addWidget(make_button(panel, "SpeedButton_bureau", "/ Bureau"));
  shortcuts->addWidget(make_button(panel, "SpeedButton_mes_documents", "/ Mes documents"));
  grid->addLayout(shortcuts, 2, 1);
  auto* tree = new QTreeView(panel);
  tree->setObjectName("DirectoryListBox1");
  tree->setAccessibleName("répertoires");
  grid->addWidget(tree, 3, 0);
  grid->addWidget(make_list_view(panel, "FileListBox1", "fichiers du répertoire"), 3, 1);
  auto* count = new QHBoxLayout;
  count->addWidget(make_label(panel, "Label_nb_fichiers_dir", "nb fichiers :"));
  count->addWidget(make_label(panel, "Label45", "--"));
  count->addStretch();
  grid->addLayout(count, 4, 1);
  grid->setRowStretch(3, 1);
  panel->resize(700, 600);

  auto* recent = make_list(surface, "ListBox_rep_recent", "répertoires récents");
  recent->resize(700, 400);
  recent->hide();
}

void build_colour_panel(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_des_couleurs", "couleurs");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setSpacing(4);
  grid->addWidget(bold_label(panel, "Label_modifier_couleurs", "modifier les couleurs ..."), 0, 0, 1, 2);
  grid->addWidget(small_button(panel, "SpeedButton_fermer_couleurs", "X", " fermer ", "fermer les couleurs"),
                  0, 2);
  grid->addWidget(make_choice(panel, "RadioGroup_coul_nb", {}, {"couleurs", "niveaux de gris"}), 1, 0, 1, 3);
  grid->addWidget(make_button(panel, "SpeedButton_couleur_fond", "de fond", " couleur du fond "), 2, 0);
  grid->addWidget(make_button(panel, "SpeedButton_couleur_boutons", "des boutons", " couleur des boutons "),
                  2, 1);
  grid->addWidget(make_button(panel, "SpeedButton_couleur_champs", "\"vert_clair\"", " couleur des champs "),
                  3, 0);
  grid->addWidget(make_button(panel, "SpeedButton_couleur_nombres", "\"aqua\"", " couleur des nombres "), 3,
                  1);
  auto* choice = panel->findChild<QGroupBox*>("RadioGroup_coul_nb");
  choice->setAccessibleName("couleurs ou niveaux de gris");
  panel->resize(260, 150);
}

void build_drive_panel(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_lecteur", "modifier le lecteur des fichiers DSC dans");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(6, 4, 6, 6);
  grid->setSpacing(4);
  grid->addWidget(bold_label(panel, "Label_lecteur_titre", "modifier le lecteur des fichiers DSC dans"), 0, 0,
                  1, 3);
  grid->addWidget(small_button(panel, "SpeedButton_fermer_lecteur", "X", " fermer ", "fermer le lecteur"), 0,
                  3);
  grid->addWidget(make_label(panel, "Label_repertoire_dsc", "répertoire DSC"), 1, 0);
  grid->addWidget(make_label(panel, "Label64", ""), 1, 1, 1, 3);
  auto* label = make_label(panel, "Label_nouveau_lecteur", "nouveau lecteur");
  grid->addWidget(label, 2, 0);
  auto* drive = make_edit(panel, "Edit_lecteur", label);
  drive->setMaximumWidth(200);
  grid->addWidget(drive, 2, 1);
  grid->addWidget(make_button(panel, "SpeedButton_modifier", "Modifier"), 2, 2);
  auto* test = make_label(panel, "Label_test_existence", "test d'existence des 3  répertoires",
                          " relire les fichiers DSC ");
  test->setCursor(Qt::PointingHandCursor);
  grid->addWidget(test, 3, 0, 1, 4);
  grid->addWidget(make_text_area(panel, "Memo8", "rapport des fichiers DSC"), 4, 0, 1, 4);
  grid->setRowStretch(4, 1);
  panel->resize(700, 712);
}

// The check panel of the FileTable: check or uncheck the rows of a station.
void build_station_panel(QWidget* surface) {
  auto* panel = make_panel(surface, "Panel_coche", "Sélection par station  (coche x)  ");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(6, 4, 6, 6);
  column->setSpacing(2);
  auto* bar = new QHBoxLayout;
  bar->addWidget(bold_label(panel, "Label_coche", "Sélection par station  (coche x)  "));
  bar->addStretch();
  bar->addWidget(small_button(panel, "SpeedButton9", "esc", " fermer ", "fermer la sélection par station"));
  column->addLayout(bar);
  // The captions name the station of the clicked row when the panel opens.
  const std::pair<const char*, const char*> choices[] = {{"RadioButton1", "ne cocher que les <>"},
                                                         {"RadioButton2", "cocher les <> en plus"},
                                                         {"RadioButton4", "décocher toutes les lignes"},
                                                         {"RadioButton5", "décocher juste les  <>"},
                                                         {"RadioButton6", "cocher toutes les lignes "}};
  for (const auto& [name, caption] : choices) column->addWidget(make_radio(panel, name, caption));
  panel->resize(320, 160);
}

QString picker_names(const std::string& list) {
  if (list == "ListBox_date_heure") return "formats date/heure";
  if (list == "ListBox_date") return "formats date";
  return "formats heure";
}

// The floating help box (white, black text) and the pattern pickers.
void build_help_and_pickers(QWidget* surface) {
  auto* help = make_text_area(surface, "Memo3", "aide flottante");
  help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette colours = help->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  help->setPalette(colours);
  help->hide();

  // The pattern pickers take their size from the lists they show.
  for (const PatternPicker* picker : {&date_time_picker(), &date_picker(), &time_picker()}) {
    auto* list = make_list(surface, picker->list.c_str(), picker_names(picker->list));
    list->resize(picker->width, picker->height);
    list->hide();
  }
  auto* examples = make_list(surface, "ListBox_date_fic", "exemples de date dans le nom");
  examples->resize(255, 128);
  examples->hide();
}

}  // namespace

void build_floating_panels(QWidget* surface) {
  build_tracking_window(surface);
  build_notice_panel(surface);
  build_folder_chooser(surface);
  build_colour_panel(surface);
  build_drive_panel(surface);
  build_station_panel(surface);
  build_help_and_pickers(surface);
}

}  // namespace talve::ui
