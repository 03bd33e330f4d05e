// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace talve {

// What each description key means, in French, for the people who write a
// description file by hand (`talve --batch --keys`). The kind, the default
// and the choices of a key come from the settings table itself; this table
// adds only what the table cannot say.
struct SettingHelp {
  std::string_view key;
  // The heading of the group the key opens in the settings table, or empty.
  std::string_view section;
  std::string_view meaning;
  // The form of a text value ("numéro de ligne, à partir de 1"), or empty
  // when the kind says it (true/false, a choice, a folder, hh:mn:ss).
  std::string_view form;
};

// The help of a key (exact spelling), or nullptr.
const SettingHelp* setting_help(std::string_view key);

}  // namespace talve
