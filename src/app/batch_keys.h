// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace talve {

// One key of a description file as `--keys` and the manual tell it
// (Windows-1252 texts, like the rest of the batch side).
struct KeyDescription {
  std::string key;
  std::string section;  // the heading of the group the key opens, or empty
  std::string values;   // the values it takes
  std::string meaning;
  std::string default_value;
};

// Every key that has its French meaning, in the order of the settings table.
std::vector<KeyDescription> description_keys();

// `talve --batch --keys`: every key of a description file, in the order of
// its groups, with what it means, its default (the value of a key the file
// lacks) and the values it takes: for a choice its numbers and captions
// ("0 Tabulation, 1 Espace, 2 Point-virgule, 3 Virgule"), for a date
// pattern the patterns offered. Made from the settings table and the
// pattern pickers, so that it says what the program does.
std::string description_keys_text();

}  // namespace talve
