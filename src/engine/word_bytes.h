// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace talve::word_bytes {

// Short texts are handled as 64-bit words, their first character in the
// lowest byte. kLow[n] keeps the low n bytes of a word (n from 0 to 8).
inline constexpr std::uint64_t kLow[9] = {0,
                                          0xFF,
                                          0xFFFF,
                                          0xFFFFFF,
                                          0xFFFFFFFF,
                                          0xFFFFFFFFFFULL,
                                          0xFFFFFFFFFFFFULL,
                                          0xFFFFFFFFFFFFFFULL,
                                          ~std::uint64_t{0}};

}  // namespace talve::word_bytes
