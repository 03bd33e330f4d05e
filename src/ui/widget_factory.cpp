// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widget_factory.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeEdit>
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
#include <QSpinBox>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace talve::ui {
namespace {

template <typename W>
W* named(W* widget, const char* name, const QString& hint) {
  widget->setObjectName(QString::fromLatin1(name));
  if (!hint.isEmpty()) widget->setToolTip(hint);
  return widget;
}

// Accessible names are the visible text without the padding blanks the
// captions carry.
QString spoken(const QString& text) { return text.simplified(); }

}  // namespace

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = named(new QPushButton(caption, parent), name, hint);
  button->setFlat(true);
  button->setAutoFillBackground(true);
  button->setAccessibleName(spoken(caption));
  return button;
}

QLabel* make_label(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* label = named(new QLabel(caption, parent), name, hint);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* make_edit(QWidget* parent, const char* name, QLabel* label, const QString& hint) {
  auto* edit = make_edit(parent, name, label ? label->text() : QString(), hint);
  if (label) label->setBuddy(edit);
  return edit;
}

QLineEdit* make_edit(QWidget* parent, const char* name, const QString& accessible_name, const QString& hint) {
  auto* edit = named(new QLineEdit(parent), name, hint);
  edit->setAccessibleName(spoken(accessible_name));
  return edit;
}

QCheckBox* make_check(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* box = named(new QCheckBox(caption, parent), name, hint);
  box->setAccessibleName(spoken(caption));
  return box;
}

QRadioButton* make_radio(QWidget* parent, const char* name, const QString& caption, const QString& hint) {
  auto* button = named(new QRadioButton(caption, parent), name, hint);
  button->setAccessibleName(spoken(caption));
  return button;
}

namespace {

// The choice's group, its numbered button group, and each button named and
// handed to `place` with its index.
template <typename Place>
QGroupBox* build_choice(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                        const QString& button_pattern, Place place) {
  auto* group = make_group(parent, name, title);
  auto* buttons = new QButtonGroup(group);
  buttons->setObjectName(QString::fromLatin1(name) + "_buttons");
  for (int i = 0; i < captions.size(); ++i) {
    const QString button_name = button_pattern.isEmpty()
                                    ? QString::fromLatin1(name) + "_" + QString::number(i)
                                    : button_pattern.arg(i + 1);
    auto* button = make_radio(group, button_name.toLatin1().constData(), captions[i]);
    buttons->addButton(button, i);
    place(button, i);
  }
  return group;
}

// The group's own layout is always vertical, so that fields governed by the
// choice can be added below its buttons.
QVBoxLayout* choice_column(QGroupBox* group) {
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(4, 2, 4, 2);
  column->setSpacing(1);
  return column;
}

}  // namespace

QGroupBox* make_choice(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                       const QString& button_pattern, Qt::Orientation orientation) {
  QBoxLayout* layout = nullptr;
  if (orientation == Qt::Horizontal)
    layout = new QHBoxLayout;
  else
    layout = new QVBoxLayout;
  layout->setSpacing(orientation == Qt::Horizontal ? 8 : 1);
  auto* group = build_choice(parent, name, title, captions, button_pattern,
                             [&](QRadioButton* button, int) { layout->addWidget(button); });
  if (orientation == Qt::Horizontal) layout->addStretch();
  choice_column(group)->addLayout(layout);
  return group;
}

QGroupBox* make_choice_grid(QWidget* parent, const char* name, const QString& title,
                            const QStringList& captions, const QString& button_pattern, int columns) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(1);
  auto* group = build_choice(parent, name, title, captions, button_pattern, [&](QRadioButton* button, int i) {
    grid->addWidget(button, i / columns, i % columns);
  });
  choice_column(group)->addLayout(grid);
  return group;
}

QButtonGroup* choice_buttons(const QGroupBox* group) {
  return group->findChild<QButtonGroup*>(group->objectName() + "_buttons", Qt::FindDirectChildrenOnly);
}

QPlainTextEdit* make_text_area(QWidget* parent, const char* name, const QString& accessible_name,
                               bool read_only) {
  auto* area = named(new QPlainTextEdit(parent), name, {});
  area->setReadOnly(read_only);
  area->setLineWrapMode(QPlainTextEdit::NoWrap);
  area->setAccessibleName(spoken(accessible_name));
  return area;
}

QListView* make_list_view(QWidget* parent, const char* name, const QString& accessible_name) {
  auto* list = named(new QListView(parent), name, {});
  list->setUniformItemSizes(true);
  list->setAccessibleName(spoken(accessible_name));
  return list;
}

QListWidget* make_list(QWidget* parent, const char* name, const QString& accessible_name,
                       const QStringList& entries) {
  auto* list = named(new QListWidget(parent), name, {});
  list->addItems(entries);
  list->setAccessibleName(spoken(accessible_name));
  return list;
}

QTableView* make_table(QWidget* parent, const char* name, const QString& accessible_name) {
  auto* table = named(new QTableView(parent), name, {});
  table->setAccessibleName(spoken(accessible_name));
  return table;
}

QTimeEdit* make_time_picker(QWidget* parent, const char* name, const QString& accessible_name,
                            const QString& hint) {
  auto* picker = named(new QTimeEdit(parent), name, hint);
  picker->setDisplayFormat("HH:mm:ss");
  picker->setAccessibleName(spoken(accessible_name));
  return picker;
}

QDateEdit* make_date_picker(QWidget* parent, const char* name, const QString& accessible_name,
                            const QString& hint) {
  auto* picker = named(new QDateEdit(parent), name, hint);
  picker->setDisplayFormat("dd/MM/yyyy");
  picker->setCalendarPopup(true);
  picker->setAccessibleName(spoken(accessible_name));
  return picker;
}

QDateTimeEdit* make_datetime_picker(QWidget* parent, const char* name, const QString& accessible_name,
                                    const QString& hint) {
  auto* picker = named(new QDateTimeEdit(parent), name, hint);
  picker->setDisplayFormat("dd/MM/yyyy HH:mm:ss");
  picker->setCalendarPopup(true);
  picker->setAccessibleName(spoken(accessible_name));
  return picker;
}

QSpinBox* make_spin(QWidget* parent, const char* name, const QString& accessible_name, int minimum,
                    int maximum, const QString& hint) {
  auto* spin = named(new QSpinBox(parent), name, hint);
  spin->setRange(minimum, maximum);
  spin->setAccessibleName(spoken(accessible_name));
  return spin;
}

QGroupBox* make_group(QWidget* parent, const char* name, const QString& title, const QString& hint) {
  auto* group = named(new QGroupBox(title, parent), name, hint);
  group->setAccessibleName(spoken(title));
  return group;
}

QFrame* make_panel(QWidget* parent, const char* name, const QString& accessible_name, const QString& hint) {
  auto* panel = named(new QFrame(parent), name, hint);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  panel->setAutoFillBackground(true);
  panel->setAccessibleName(spoken(accessible_name));
  panel->hide();
  return panel;
}

namespace {

QString utf8(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

template <typename W>
W* spoken_as(W* widget, const ControlText& text) {
  if (text.spoken) widget->setAccessibleName(utf8(text.spoken));
  return widget;
}

QStringList choice_captions(const ZoneTexts& texts, const char* name, int count, const QString& pattern) {
  QStringList captions;
  for (int i = 0; i < count; ++i) {
    const QString button =
        pattern.isEmpty() ? QString::fromLatin1(name) + "_" + QString::number(i) : pattern.arg(i + 1);
    captions << utf8(texts(button.toLatin1().constData()).caption);
  }
  return captions;
}

}  // namespace

const ControlText& ZoneTexts::operator()(const char* name) const {
  for (const ControlText& text : m_table)
    if (std::string_view(text.name) == name) return text;
  qWarning("talve: no text for the control %s in its zone's table", name);
  static const ControlText missing{"", "", nullptr, nullptr};
  return missing;
}

QPushButton* make_button(QWidget* parent, const ControlText& text) {
  return spoken_as(make_button(parent, text.name, utf8(text.caption), utf8(text.hint)), text);
}

QLabel* make_label(QWidget* parent, const ControlText& text) {
  return spoken_as(make_label(parent, text.name, utf8(text.caption), utf8(text.hint)), text);
}

QCheckBox* make_check(QWidget* parent, const ControlText& text) {
  return spoken_as(make_check(parent, text.name, utf8(text.caption), utf8(text.hint)), text);
}

QRadioButton* make_radio(QWidget* parent, const ControlText& text) {
  return spoken_as(make_radio(parent, text.name, utf8(text.caption), utf8(text.hint)), text);
}

QLineEdit* make_edit(QWidget* parent, const ControlText& text, QLabel* label) {
  QLineEdit* edit = label ? make_edit(parent, text.name, label, utf8(text.hint))
                          : make_edit(parent, text.name, utf8(text.spoken), utf8(text.hint));
  return spoken_as(edit, text);
}

QGroupBox* make_group(QWidget* parent, const ControlText& text) {
  return spoken_as(make_group(parent, text.name, utf8(text.caption), utf8(text.hint)), text);
}

QPlainTextEdit* make_text_area(QWidget* parent, const ControlText& text, bool read_only) {
  auto* area = make_text_area(parent, text.name, utf8(text.spoken), read_only);
  if (text.hint) area->setToolTip(utf8(text.hint));
  return area;
}

QListView* make_list_view(QWidget* parent, const ControlText& text) {
  auto* list = make_list_view(parent, text.name, utf8(text.spoken));
  if (text.hint) list->setToolTip(utf8(text.hint));
  return list;
}

QTableView* make_table(QWidget* parent, const ControlText& text) {
  auto* table = make_table(parent, text.name, utf8(text.spoken));
  if (text.hint) table->setToolTip(utf8(text.hint));
  return table;
}

QTimeEdit* make_time_picker(QWidget* parent, const ControlText& text) {
  return make_time_picker(parent, text.name, utf8(text.spoken), utf8(text.hint));
}

QDateEdit* make_date_picker(QWidget* parent, const ControlText& text) {
  return make_date_picker(parent, text.name, utf8(text.spoken), utf8(text.hint));
}

QDateTimeEdit* make_datetime_picker(QWidget* parent, const ControlText& text) {
  return make_datetime_picker(parent, text.name, utf8(text.spoken), utf8(text.hint));
}

QSpinBox* make_spin(QWidget* parent, const ControlText& text, int minimum, int maximum) {
  return make_spin(parent, text.name, utf8(text.spoken), minimum, maximum, utf8(text.hint));
}

QGroupBox* make_choice(QWidget* parent, const ZoneTexts& texts, const char* name, int count,
                       const QString& button_pattern, Qt::Orientation orientation) {
  const ControlText& group = texts(name);
  auto* box = make_choice(parent, name, utf8(group.caption),
                          choice_captions(texts, name, count, button_pattern), button_pattern, orientation);
  if (group.hint) box->setToolTip(utf8(group.hint));
  return spoken_as(box, group);
}

QGroupBox* make_choice_grid(QWidget* parent, const ZoneTexts& texts, const char* name, int count,
                            const QString& button_pattern, int columns) {
  const ControlText& group = texts(name);
  auto* box = make_choice_grid(parent, name, utf8(group.caption),
                               choice_captions(texts, name, count, button_pattern), button_pattern, columns);
  if (group.hint) box->setToolTip(utf8(group.hint));
  return spoken_as(box, group);
}

void keep_width(QLabel* label, const QString& widest) {
  label->setFixedWidth(label->fontMetrics().horizontalAdvance(widest) + 8);
}

void let_text_run(QLabel* label, int minimum) {
  label->setMinimumWidth(minimum);
  label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
}

}  // namespace talve::ui
