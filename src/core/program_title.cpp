// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program_title.h"

namespace talve {

const std::string& program_title() {
  static const std::string kTitle =
      std::string("T a l v e") + "  -  " + "compilation de séries horodatées  " + "v7.44";
  return kTitle;
}

}  // namespace talve
