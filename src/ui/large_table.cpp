// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/large_table.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QWidget>

namespace talve::ui {

void install_large_table_toggle(QWidget* window) {
  auto* toggle = window->findChild<QCheckBox*>("CheckBox_grand_tableau");
  if (!toggle) return;
  QObject::connect(toggle, &QCheckBox::toggled, window, [window](bool large) {
    // The lower zones step aside rather than being covered, so that nothing
    // stays hidden under the table.
    for (const char* zone : {"Zone_periode", "Zone_sortie"})
      if (auto* group = window->findChild<QGroupBox*>(zone)) group->setVisible(!large);
    if (!large)
      if (auto* tracking = window->findChild<QWidget*>("Panel1")) tracking->raise();
  });
}

}  // namespace talve::ui
