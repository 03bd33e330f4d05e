// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point: the window by default, the batch mode with --batch.
#include <malloc.h>

#include <csignal>
#include <cstring>
#include <iostream>

#include "app/batch_main.h"
#include "app/large_pages.h"
#include "core/program_title.h"
#include "text/encoding.h"

#ifdef TALVE_WITH_GUI
#include "ui/window_main.h"
#endif

namespace {

// A run allocates and frees blocks of several megabytes file after file
// (line views, result rows). Left to its defaults, the allocator maps each
// one afresh and unmaps it on release, and every such unmapping stops the
// other threads' memory translations; kept in the heap, the same memory is
// reused by the next file.
void keep_large_blocks_in_heap() {
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
}

}  // namespace

int main(int argc, char** argv) {
  // Under a file-size limit (ulimit -f) a write beyond it then fails with
  // EFBIG, which the writing reports and cleans up after, instead of the
  // signal killing the program with a temporary file left beside the result.
  std::signal(SIGXFSZ, SIG_IGN);
  talve::restart_with_large_pages(argv);
  keep_large_blocks_in_heap();
  if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << talve::cp1252_to_utf8(talve::program_title()) << '\n';
    return 0;
  }
  if (argc >= 2 && (std::strcmp(argv[1], "--batch") == 0 || std::strcmp(argv[1], "--help") == 0))
    return talve::batch_main(argc, argv);
#ifdef TALVE_WITH_GUI
  return talve::ui::window_main(argc, argv);
#else
  return talve::batch_main(argc, argv);
#endif
}
