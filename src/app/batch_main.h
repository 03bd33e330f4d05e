// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace talve {

// `talve --batch DESCRIPTION.dsc [options]`: lists the files, builds the
// time grid and runs the processing without a window. Returns the exit
// status: 0 when a result file was written, 1 when none was, 2 on a usage
// error.
int batch_main(int argc, char** argv);

}  // namespace talve
