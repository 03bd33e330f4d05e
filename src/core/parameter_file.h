// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/scheme_colours.h"

namespace talve {

class UserInterface;

// What the program parameter file (talve::parameter_file_path()) remembers
// of the descriptions: line 1 the full path of the last description, lines
// 2 to 5 the scheme colours, line 6 the scheme ("0" colours, "1" grey
// levels).

inline constexpr int kLastDescriptionLine = 1;
inline constexpr int kFirstColourLine = 2;
inline constexpr int kSchemeLine = 6;

// Each returns false when the file could not be written (the caller tells).

// A description was chosen: the file becomes that single path, then line 6
// is set to "0".
[[nodiscard]] bool record_chosen_description(const std::string& description_path, UserInterface& ui);

// A description was saved under a new name: the file becomes that single
// path.
[[nodiscard]] bool record_renamed_description(const std::string& description_path);

// A modified description was saved: line 1 takes its path; with the
// "couleurs" scheme (0) lines 2 to 5 take the four colours; line 6 takes
// "0" or "1" after the scheme.
[[nodiscard]] bool record_saved_description(const std::string& description_path, int scheme,
                                            const SchemeColours& colours, UserInterface& ui);

}  // namespace talve
