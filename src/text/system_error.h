// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

// The French text of a system error number (errno), as the program shows it
// to its users: "permission refusée", "plus de place sur le disque"... The
// C library's own texts are English whatever the locale the process keeps;
// an error without a text of its own is "erreur système n° N".
std::string system_error_text(int error_number);

}  // namespace talve
