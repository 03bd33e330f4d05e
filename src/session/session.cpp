// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

#include "session/modified_indication.h"

namespace talve {

Session::Session(UserInterface& ui) : Workspace(ui) {
  description.on_modified_changed([this](bool) { refresh_save_colours(*this); });
}

}  // namespace talve
