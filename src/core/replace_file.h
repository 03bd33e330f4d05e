// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve {

// Writes the bytes to a temporary file in the target's own folder and
// renames it over the target, so that a failure (disk full, folder not
// writable) never leaves a truncated file behind: the target then keeps its
// previous content. A target that is a symbolic link has the file it points
// to replaced; an existing target's permissions are kept. Returns false with
// a short reason in `error` when the file could not be written.
bool replace_file(const std::string& path, std::string_view bytes, std::string* error = nullptr);

}  // namespace talve
