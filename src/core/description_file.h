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
// Windows-1252 text, always the 65 settings in a fixed order, then the keys
// added since that hold something else than their If-absent value. Reading looks
// every key up by name, so older or hand-edited files (other order, unknown
// lines, missing keys, a copy re-saved in UTF-8 by an editor) still load.

// The 65 keys every description holds, in the order the writer puts them.
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

// A value as the file holds it, made the program's text: a value an editor
// saved in UTF-8 (valid UTF-8 that Windows-1252 would show as "Ã©" or "Â§")
// is decoded, and the accents are repaired (`reparer_accents`), until
// nothing changes. `from_utf8` tells whether it was decoded. The file is
// written back in Windows-1252, as always.
std::string description_value(std::string_view raw, bool* from_utf8 = nullptr);
// Whether the value of any setting in these bytes is read as UTF-8.
bool description_in_utf8(std::string_view bytes);
// What the user is told of such a file: the tracking window in the window,
// the error stream in the batch mode.
std::string utf8_description_note(const std::string& path);

// The value that stops `read_description_text` on these bytes, if any.
std::optional<UnreadableValue> unreadable_value(std::string_view bytes);
// "RadioGroup_separateur_colonne_ItemIndex (ligne 12) : ',' n'est pas une
// valeur entière correcte".
std::string unreadable_value_text(const UnreadableValue& stop);

struct [[nodiscard]] DescriptionReadResult {
  bool opened = false;    // the file could be read
  bool complete = false;  // every setting was read
  // Not opened: whether the file is not there, and why it was not read.
  bool missing = true;
  std::string problem;
  // Values written in UTF-8 were read as such (description_value).
  bool utf8 = false;
};

// Reads the file at `path`, a text like every path the description holds
// (its folder resolves relative folders), when it is a regular file of at
// most kSmallFileLimit bytes (core/small_file.h).
DescriptionReadResult read_description_file(const std::string& path, DataDescription& description,
                                            UserInterface& ui);

// The 65 lines in writing order, then those of the added keys in use, for a file in `own_folder`: a folder
// read relative stays relative while it still names the same folder from there.
std::vector<std::string> description_lines(const DataDescription& description, const std::string& own_folder);

// Writes the description to `path` through a temporary file renamed over it,
// so that a failure leaves the previous file whole. Returns false, with the
// reason in `error`, when the file could not be written.
[[nodiscard]] bool write_description_file(const std::string& path, const DataDescription& description,
                                          std::string* error = nullptr);

}  // namespace talve
