// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {

QGroupBox* build_description_zone(QWidget* parent) {
  auto* zone = make_group(parent, "Zone_description", "Description des fichiers de données");
  new QVBoxLayout(zone);
  return zone;
}

}  // namespace talve::ui
