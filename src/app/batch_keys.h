// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

// `talve --batch --keys`: every key of a description file, in the order of
// its groups, with what it means, its default (the value of a key the file
// lacks) and the values it takes: for a choice its numbers and captions
// ("0 Tabulation, 1 Espace, 2 Point-virgule, 3 Virgule"), for a date
// pattern the patterns offered. Made from the settings table and the
// pattern pickers, so that it says what the program does.
std::string description_keys_text();

}  // namespace talve
