// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// `talve --batch DESCRIPTION.dsc [options]`: lists the files, builds the
// time grid and runs the processing without a window. Returns the exit
// status: 0 when a result file and its report were written, 1 when one of
// them was not, 2 on a usage error, 130 when SIGINT or SIGTERM ended the
// run (app/batch_run.h).
int batch_main(int argc, char** argv);

}  // namespace talve
