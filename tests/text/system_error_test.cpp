// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/system_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace talve {
namespace {

// Users read the system's reasons in French: never the C library's English
// text, whatever the error.
TEST(SystemError, EveryErrorHasAFrenchText) {
  EXPECT_EQ(system_error_text(EACCES), "permission refusée");
  EXPECT_EQ(system_error_text(ENOSPC), "plus de place sur le disque");
  EXPECT_EQ(system_error_text(EROFS), "disque en lecture seule");
  EXPECT_EQ(system_error_text(4095), "erreur système n° 4095");
  for (int number = 0; number < 140; ++number) {
    const std::string text = system_error_text(number);
    EXPECT_FALSE(text.empty()) << number;
    EXPECT_NE(text, std::strerror(number)) << number;
  }
}

}  // namespace
}  // namespace talve
