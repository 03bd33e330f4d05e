// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// Writes the bytes to a temporary file in the target's own folder and
// renames it over the target, so that a failure (disk full, folder not
// writable) never leaves a truncated file behind: the target then keeps its
// previous content. A target that is a symbolic link has the file it points
// to replaced; an existing target's permissions are kept, and a target that
// is read-only (is_read_only_file) is not replaced. Returns false with a
// short reason in `error` when the file could not be written.
// With `interruptible`, an interruption (core/interruption.h) seen while the
// bytes are written stops the writing: the temporary file is removed, the
// target is left as it was, and the reason says so.
[[nodiscard]] bool replace_file(const std::string& path, std::string_view bytes, std::string* error = nullptr,
                                bool interruptible = false);

// The temporary files are named "~" + the target's name + kTemporaryMark +
// six random letters and digits.
inline constexpr std::string_view kTemporaryMark = ".talve-";

// Removes from the folder the temporary files of this program that no
// running program is writing: those a killed process left behind. Files of
// other users are left alone. Returns the names removed, in name order.
std::vector<std::string> remove_abandoned_temporaries(const std::string& folder);

// The file at `path` (links followed) exists, is a regular file, and its
// owner removed its write permission or the program may not write it.
bool is_read_only_file(const std::string& path);

}  // namespace talve
