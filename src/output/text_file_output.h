// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// Writes the lines, each ended by CR LF, as one Windows-1252 file. The
// bytes go to a temporary file in the same folder that is then renamed over
// the target, so that a failure (disk full, process killed, file-size
// limit) never leaves a truncated file and never destroys the previous one.
// The path is a text of the program (session paths are). On failure
// returns false with the reason in French.
[[nodiscard]] bool write_text_lines(const std::string& path, const std::vector<std::string>& lines,
                                    std::string& reason);
// The same for lines already joined (join_lines_crlf), when the text is
// also wanted for the window or the clipboard; with `interruptible`, an
// interruption stops the writing and leaves the previous file (see
// core/replace_file.h).
[[nodiscard]] bool write_joined_text(const std::string& path, std::string_view text, std::string& reason,
                                     bool interruptible = false);

// The reason a file could not be written into its folder, in French: the
// folder does not exist, is not a folder, the file there is read-only, or
// the writing was refused (with the system's own words).
std::string write_failure_reason(const std::string& path, const std::string& system_reason);

}  // namespace talve
