// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The "drive" of a folder on a system without drive letters: the mount
// point an extra or removable disk is reached through, read from the path
// alone so that the user can predict it:
// - under a mount root ("/media/<user>/", "/run/media/<user>/", "/mnt/"),
//   the root and the one folder after it: "/media/u/DISK1/data/" has the
//   prefix "/media/u/DISK1/";
// - any other absolute folder: its first component ("/home/u/data/" has
//   "/home/");
// - a folder written on Windows ("D:\mesures\"): its drive, "D:\";
// - a folder relative to its description ("./data/"): none, it moves with
//   the description.
// Moving a folder to another disk replaces its prefix by the new one.

// Root patterns: "*" stands for exactly one folder name.
std::vector<std::string> default_mount_roots();

struct MountSplit {
  std::string prefix;  // ends with "/" (or "\" for a Windows drive); "" for a relative folder
  std::string rest;    // what follows the prefix, never starting with a separator
};

MountSplit split_mount_prefix(std::string_view folder, const std::vector<std::string>& roots);

// The folder with its prefix replaced by `new_prefix` (which ends with
// "/", or is a Windows drive "E:\"); the remainder takes the separators of
// the new prefix. A relative folder stays as it is.
std::string move_to_prefix(std::string_view folder, std::string_view new_prefix,
                           const std::vector<std::string>& roots);

// A prefix as typed by the user: blanks trimmed, "\" read as "/", made
// absolute and ended with "/". A drive letter alone ("e", "e:", "E:\") is a
// Windows drive, "E:\". "" when nothing was typed.
std::string normalise_typed_prefix(std::string_view typed);

}  // namespace talve
