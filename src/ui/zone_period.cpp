// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {

QGroupBox* build_period_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_periode", "Période ciblée");
  new QVBoxLayout(zone);
  return zone;
}

}  // namespace talve::ui
