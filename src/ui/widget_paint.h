// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "core/control_colours.h"

class QWidget;

namespace talve::ui {

QColor to_qcolor(const Rgb& colour);

// The text of a control in a colour, or back in the theme's colour: the
// caption of a label, button or group, and the typed text of a field.
void set_text_colour(QWidget* widget, const QColor& colour);
void reset_text_colour(QWidget* widget);
void apply_text_colour(QWidget* widget, const ControlColour& colour);

// The background of a control: the typing area of fields, lists and text
// areas, the face of buttons, the surface of labels and panels.
void set_background(QWidget* widget, const QColor& colour);

}  // namespace talve::ui
