// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/session.h"

namespace talve {

Session::Session(UserInterface& ui) : Workspace(ui) {}

}  // namespace talve
