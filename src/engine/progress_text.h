// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace talve {

class Workspace;

// Where the engine's progress texts ("3- patienter ... 42%") go: the run
// routes them through its progress display; by default they are the
// caption of `Label_patienter`.
using ProgressText = std::function<void(const std::string&)>;

ProgressText wait_label_progress(Workspace& ws);

}  // namespace talve
