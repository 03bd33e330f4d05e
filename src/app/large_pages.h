// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace talve {

// A run fills tables of tens of megabytes (the result cells, the grid's
// instants, the lines of each file) that the system hands out one 4 KB page
// at a time, each on its first touch: some fifteen thousand faults on a run
// of four files, a quarter of its time on a virtual machine. Backed by 2 MB
// pages, the same tables take a few hundred. The C library backs its blocks
// that way only when GLIBC_TUNABLES says so as the program starts.

// The value GLIBC_TUNABLES takes to ask for it, keeping what `current`
// already holds; nothing when `current` already sets it, either way.
std::optional<std::string> tunables_with_large_pages(const char* current);

// Starts the program again, once, with that setting, when the system gives
// large pages on request. Returns when it need not or cannot: the program
// then runs as it is, on small pages.
void restart_with_large_pages(char** argv);

}  // namespace talve
