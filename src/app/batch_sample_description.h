// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>

namespace talve {

class ConsoleInterface;
struct BatchOptions;

// `--inspect SAMPLE`: the inspection of a sample file on a fresh
// description, every correction it offers accepted, each question and its
// answer on the error stream; the description is written with the sample's
// folder and mask to `--output` (else beside the sample, named after it),
// never over an existing file without `--force`, and its path is the last
// line on `out`.
int run_inspection(const BatchOptions& options, std::ostream& out, ConsoleInterface& ui);

}  // namespace talve
