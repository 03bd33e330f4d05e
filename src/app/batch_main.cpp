// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_main.h"

#include <iostream>
#include <vector>

#include "app/batch_options.h"
#include "text/encoding.h"

namespace talve {

int batch_main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(utf8_to_cp1252(argv[i]));
  std::string error;
  const auto options = parse_batch_options(args, error);
  if (!options) {
    std::cerr << cp1252_to_utf8(error) << "\n\n" << cp1252_to_utf8(batch_usage());
    return 2;
  }
  if (options->help) {
    std::cout << cp1252_to_utf8(batch_usage());
    return 0;
  }
  std::cerr << cp1252_to_utf8("le traitement sans fenêtre n'est pas encore disponible") << "\n";
  return 1;
}

}  // namespace talve
