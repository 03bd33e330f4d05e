// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace talve {

// "T a l v e  -  <subtitle> v7.44": the program title of the window caption,
// the tracking log's first line and `--version`.
const std::string& program_title();

}  // namespace talve
