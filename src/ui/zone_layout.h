// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace talve::ui {

// Layout helpers shared by the zone builders.

// A grid with the zones' small margins and spacing, set on `box`.
QGridLayout* tight_grid(QWidget* box);
// A label and its field on one row of a grid, the label naming the field.
QLineEdit* add_field(QGridLayout* grid, int row, int column, QWidget* parent, const char* label_name,
                     const QString& label_text, const char* edit_name, const QString& hint = {});
// The same, the label's text and the field's hint from the zone's table.
class ZoneTexts;
QLineEdit* add_field(QGridLayout* grid, int row, int column, QWidget* parent, const ZoneTexts& texts,
                     const char* label_name, const char* edit_name);
// A grid added below the radio buttons of a choice group, for the fields the
// choice governs.
QGridLayout* fields_below(QGroupBox* choice);

}  // namespace talve::ui
