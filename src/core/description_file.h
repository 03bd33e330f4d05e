// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

class DataDescription;
class UserInterface;

// The description file: one "key= value" line per setting, CR LF line ends,
// Windows-1252 text, always the 66 settings in a fixed order. Reading looks
// every key up by name, so older or hand-edited files (other order, unknown
// lines, missing keys, a copy re-saved in UTF-8 by an editor) still load.

// The 66 keys in the order the writer puts them.
std::span<const std::string_view> description_write_order();

// Reads every setting from the text of a description file into the
// description, without touching its modified flag. `own_folder` is the
// folder of the description file: folders written relative to it ("./data/")
// are resolved against it. A missing key takes its If-absent value. A choice
// that is not an integer shows "'<value>' n'est pas une valeur entière
// correcte" and stops the read there: the settings before it keep their new
// values, the others their old ones. Returns false when the read stopped.
[[nodiscard]] bool read_description_text(std::string_view bytes, const std::string& own_folder,
                                         DataDescription& description, UserInterface& ui);

// A value that stops the read of a description: its key as the settings
// table spells it, the line of the file that holds it (from 1) and the
// value as read.
struct UnreadableValue {
  std::string key;
  int line = 0;
  std::string value;
};

// The value that stops `read_description_text` on these bytes, if any.
std::optional<UnreadableValue> unreadable_value(std::string_view bytes);
// "RadioGroup_separateur_colonne_ItemIndex (ligne 12) : ',' n'est pas une
// valeur entière correcte".
std::string unreadable_value_text(const UnreadableValue& stop);

struct [[nodiscard]] DescriptionReadResult {
  bool opened = false;    // the file could be read
  bool complete = false;  // every setting was read
};

// Reads the file at `path`, a text like every path the description holds
// (its folder resolves relative folders).
DescriptionReadResult read_description_file(const std::string& path, DataDescription& description,
                                            UserInterface& ui);

// The 66 lines, in writing order, for a file in `own_folder`: a folder read
// relative stays relative while it still names the same folder from there.
std::vector<std::string> description_lines(const DataDescription& description, const std::string& own_folder);

// Writes the description to `path` through a temporary file renamed over it,
// so that a failure leaves the previous file whole. Returns false, with the
// reason in `error`, when the file could not be written.
[[nodiscard]] bool write_description_file(const std::string& path, const DataDescription& description,
                                          std::string* error = nullptr);

}  // namespace talve
