// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFrame>

#include "ui/widget_factory.h"
#include "ui/zones.h"

namespace talve::ui {

void build_floating_panels(QWidget* surface) {
  make_panel(surface, "Panel1", "fenêtre de suivi", "   déplaçable   avec las souris   ");
  make_panel(surface, "Panel4", "avis");
}

}  // namespace talve::ui
