// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widget_paint.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace talve::ui {
namespace {

// Widgets whose own area is a typing or list area take the Base role.
bool has_base_area(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
         qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget);
}

constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::ButtonText, QPalette::Text};

}  // namespace

QColor to_qcolor(const Rgb& colour) { return QColor(colour.red, colour.green, colour.blue); }

void set_text_colour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : kTextRoles) palette.setColor(role, colour);
  widget->setPalette(palette);
}

// Back to the theme's colours, each state its own: a disabled control
// looks disabled again.
void reset_text_colour(QWidget* widget) {
  QPalette palette = widget->palette();
  const QPalette theme = QApplication::palette(widget);
  for (QPalette::ColorRole role : kTextRoles)
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      palette.setColor(group, role, theme.color(group, role));
  widget->setPalette(palette);
}

void apply_text_colour(QWidget* widget, const ControlColour& colour) {
  if (colour.window_text)
    reset_text_colour(widget);
  else
    set_text_colour(widget, to_qcolor(colour.rgb));
}

void set_background(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  if (has_base_area(widget)) {
    palette.setColor(QPalette::Base, colour);
  } else {
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setAutoFillBackground(true);
  }
  widget->setPalette(palette);
}

}  // namespace talve::ui
