// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/user_interface.h"

namespace talve {

// The hourglass for the length of an operation, however it ends.
class BusyCursor {
 public:
  explicit BusyCursor(UserInterface& ui) : m_ui(ui) { m_ui.set_busy(true); }
  ~BusyCursor() { m_ui.set_busy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  UserInterface& m_ui;
};

}  // namespace talve
