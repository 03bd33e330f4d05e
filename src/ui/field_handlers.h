// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace talve {
class Session;
}

namespace talve::ui {

// The window's actions that a field may start; the window runs them in its
// busy state.
struct FieldActions {
  std::function<void()> list_files;    // the listing button's action
  std::function<void()> after_action;  // the window follows the session
};

// Connects the description fields whose changes do more than store their
// value: the session's rules on leaving or confirming a field, the pattern
// picker lists, the mutually exclusive options and the look of the offset
// and drift groups. The binder stores the values; these handlers run after
// it, on the stored description.
void install_field_handlers(QWidget* window, Session& session, FieldActions actions);

}  // namespace talve::ui
