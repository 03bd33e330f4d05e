// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/zone_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/widget_factory.h"

namespace talve::ui {

QGridLayout* tight_grid(QWidget* box) {
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(4, 2, 4, 4);
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  return grid;
}

QLineEdit* add_field(QGridLayout* grid, int row, int column, QWidget* parent, const char* label_name,
                     const QString& label_text, const char* edit_name, const QString& hint) {
  auto* label = make_label(parent, label_name, label_text);
  grid->addWidget(label, row, column);
  auto* edit = make_edit(parent, edit_name, label, hint);
  grid->addWidget(edit, row, column + 1);
  return edit;
}

QLineEdit* add_field(QGridLayout* grid, int row, int column, QWidget* parent, const ZoneTexts& texts,
                     const char* label_name, const char* edit_name) {
  auto* label = make_label(parent, texts(label_name));
  grid->addWidget(label, row, column);
  auto* edit = make_edit(parent, texts(edit_name), label);
  grid->addWidget(edit, row, column + 1);
  return edit;
}

QGridLayout* fields_below(QGroupBox* choice) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(4);
  grid->setVerticalSpacing(2);
  static_cast<QVBoxLayout*>(choice->layout())->addLayout(grid);
  return grid;
}

}  // namespace talve::ui
