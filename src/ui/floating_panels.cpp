// SPDX-License-Identifier: GPL-3.0-or-later
// The floating panels raised over the zones. They are built hidden; the
// window shows, places and fills them.
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "text/date_pattern_fields.h"
#include "ui/panels.h"
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
  build_panels(surface);
  build_help_and_pickers(surface);
}

}  // namespace talve::ui
