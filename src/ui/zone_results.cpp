// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {

QGroupBox* build_results_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_sortie", "Zone de sortie et d'attente");
  new QVBoxLayout(zone);
  return zone;
}

}  // namespace talve::ui
