// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_main.h"

#include <unistd.h>

#include <iostream>
#include <vector>

#include "app/batch_options.h"
#include "app/batch_run.h"
#include "app/batch_signals.h"
#include "text/encoding.h"

namespace talve {

int batch_main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(utf8_to_cp1252(argv[i]));
  std::string error;
  const auto options = parse_batch_options(args, error);
  if (!options) {
    std::cerr << cp1252_to_utf8(error) << "\n\n" << cp1252_to_utf8(batch_usage());
    return kBatchUsage;
  }
  if (options->help) {
    std::cout << cp1252_to_utf8(batch_usage()) << std::flush;
    if (std::cout.good()) return kBatchWritten;
    std::cerr << cp1252_to_utf8("la sortie standard n'a pas pu être écrite\n");
    return kBatchNoResult;
  }
  BatchOptions run_options = *options;
  run_options.end_process_when_written = true;
  install_interruption_handlers();
  return run_batch(run_options, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
}

}  // namespace talve
