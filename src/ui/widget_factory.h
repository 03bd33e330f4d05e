// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>
#include <span>

class QButtonGroup;
class QCheckBox;
class QDateEdit;
class QDateTimeEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTimeEdit;
class QWidget;

namespace talve::ui {

// The window's controls are found by the names the settings and the core's
// messages use (`Edit_masque`, `Label25`...): each factory gives the control
// that name as its objectName, its caption and its hint (the tooltip).
// Captioned controls are read by screen readers under their caption; fields
// and lists take an explicit accessible name, the text of their label.

// What a control of a zone shows and says, in one table per zone: `caption`
// is the text of a button, box, label, radio button or group (none for a
// field, a list or a picker); `hint` its tooltip; `spoken` its accessible
// name where neither its caption nor the label beside it gives one. Texts
// are UTF-8.
struct ControlText {
  const char* name;
  const char* caption = nullptr;
  const char* hint = nullptr;
  const char* spoken = nullptr;
};

// A zone's table, looked up by control name. A name the table lacks is
// reported with a warning starting with "talve:", which fails the window
// tests.
class ZoneTexts {
 public:
  explicit ZoneTexts(std::span<const ControlText> table) : m_table(table) {}
  const ControlText& operator()(const char* name) const;
  std::span<const ControlText> table() const { return m_table; }

 private:
  std::span<const ControlText> m_table;
};

// The controls of a zone, from its table.
QPushButton* make_button(QWidget* parent, const ControlText& text);
QLabel* make_label(QWidget* parent, const ControlText& text);
QCheckBox* make_check(QWidget* parent, const ControlText& text);
QRadioButton* make_radio(QWidget* parent, const ControlText& text);
// A field named by its label (its buddy) or by the table's spoken name.
QLineEdit* make_edit(QWidget* parent, const ControlText& text, QLabel* label = nullptr);
QGroupBox* make_group(QWidget* parent, const ControlText& text);
QPlainTextEdit* make_text_area(QWidget* parent, const ControlText& text, bool read_only = true);
QListView* make_list_view(QWidget* parent, const ControlText& text);
QTableView* make_table(QWidget* parent, const ControlText& text);
QTimeEdit* make_time_picker(QWidget* parent, const ControlText& text);
QDateEdit* make_date_picker(QWidget* parent, const ControlText& text);
QDateTimeEdit* make_datetime_picker(QWidget* parent, const ControlText& text);
QSpinBox* make_spin(QWidget* parent, const ControlText& text, int minimum, int maximum);
// A choice of `count` buttons whose captions the table gives under their
// names (`button_pattern` with %1 from 1, or "<name>_<index>").
QGroupBox* make_choice(QWidget* parent, const ZoneTexts& texts, const char* name, int count,
                       const QString& button_pattern = {}, Qt::Orientation orientation = Qt::Vertical);
QGroupBox* make_choice_grid(QWidget* parent, const ZoneTexts& texts, const char* name, int count,
                            const QString& button_pattern, int columns);

// A label whose text changes while the user works (a count, a date, a
// weekday): as wide as `widest` at all times, so that nothing beside it
// moves when it changes.
void keep_width(QLabel* label, const QString& widest);
// A label whose text may be long (a file name, a folder, durations): at
// least `minimum` pixels, wider when its place allows, never widened by
// its text; what does not fit is cut.
void let_text_run(QLabel* label, int minimum);

// A flat command button.
QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
QLabel* make_label(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
// An edit field; `label`, when given, becomes its buddy and names it.
QLineEdit* make_edit(QWidget* parent, const char* name, QLabel* label, const QString& hint = {});
QLineEdit* make_edit(QWidget* parent, const char* name, const QString& accessible_name,
                     const QString& hint = {});
QCheckBox* make_check(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});
QRadioButton* make_radio(QWidget* parent, const char* name, const QString& caption, const QString& hint = {});

// A choice: a titled group of radio buttons numbered 0..n-1 in its button
// group, the number being the stored index. The buttons are named from
// `button_pattern` ("RadioButton%1_methode", %1 counting from 1) or, without
// one, "<name>_<index>". The group's layout is a QVBoxLayout (horizontal
// buttons on a row of their own), to which the governed fields may be added.
QGroupBox* make_choice(QWidget* parent, const char* name, const QString& title, const QStringList& captions,
                       const QString& button_pattern = {}, Qt::Orientation orientation = Qt::Vertical);
// The same with the buttons in a grid of `columns` columns, filled row by row.
QGroupBox* make_choice_grid(QWidget* parent, const char* name, const QString& title,
                            const QStringList& captions, const QString& button_pattern, int columns);
// The button group of a choice made by make_choice.
QButtonGroup* choice_buttons(const QGroupBox* group);

QPlainTextEdit* make_text_area(QWidget* parent, const char* name, const QString& accessible_name,
                               bool read_only = true);
// A list shown through a model (grid instants, results).
QListView* make_list_view(QWidget* parent, const char* name, const QString& accessible_name);
// A short fixed list (pattern pickers, recent folders).
QListWidget* make_list(QWidget* parent, const char* name, const QString& accessible_name,
                       const QStringList& entries = {});
QTableView* make_table(QWidget* parent, const char* name, const QString& accessible_name);
// Pickers show the day/month/year and hour:minute:second forms of the
// program's texts.
QTimeEdit* make_time_picker(QWidget* parent, const char* name, const QString& accessible_name,
                            const QString& hint = {});
QDateEdit* make_date_picker(QWidget* parent, const char* name, const QString& accessible_name,
                            const QString& hint = {});
QDateTimeEdit* make_datetime_picker(QWidget* parent, const char* name, const QString& accessible_name,
                                    const QString& hint = {});
QSpinBox* make_spin(QWidget* parent, const char* name, const QString& accessible_name, int minimum,
                    int maximum, const QString& hint = {});
// A titled frame that groups controls inside a zone.
QGroupBox* make_group(QWidget* parent, const char* name, const QString& title, const QString& hint = {});
// A floating panel: a framed child raised over the window, hidden at first.
QFrame* make_panel(QWidget* parent, const char* name, const QString& accessible_name,
                   const QString& hint = {});

}  // namespace talve::ui
