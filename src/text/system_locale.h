// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// The decimal separator of the user's regional settings, taken once from
// LC_NUMERIC; "," when no locale is set (the C and POSIX locales), as the
// program's users are French. The C library itself is left in the "C" locale
// so that no number is ever read or written in a locale-dependent way.
char system_decimal_separator();

// Fixes the separator (tests pin it; the window may offer a choice).
void set_system_decimal_separator(char separator);

}  // namespace talve
