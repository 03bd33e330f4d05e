// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace talve {

// A description may name its folders relative to its own folder ("./data/",
// "../out/") so that a description shipped with its data works wherever the
// whole is unpacked. These helpers resolve such folders and compare folders.

// The relative form of a folder value, with "/" separators and a final "/"
// ("./data/" for "./data" or ".\data\"); "" when the value is empty or
// absolute. A Windows drive path ("D:\mesures\") or a network path counts as
// absolute: it comes from another system and is left as it stands.
std::string relative_folder_form(std::string_view value);

// The relative folder resolved against the base folder: an absolute,
// lexically normalised folder ending with "/".
std::string resolve_folder(std::string_view relative, const std::string& base_folder);

// Both texts name the same folder once normalised ("/a/b/./c" and
// "/a/b/c/" are the same; no link is followed).
bool same_folder(std::string_view a, std::string_view b);

// The folder of a file path, absolute and ending with "/".
std::string folder_of(const std::string& file_path);

}  // namespace talve
