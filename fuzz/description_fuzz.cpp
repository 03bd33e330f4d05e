// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a description file: reading never fails, and what was read
// writes back as exactly 65 lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/data_description.h"
#include "core/description_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talve::fuzz::SilentInterface ui;
  talve::DataDescription description;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static_cast<void>(talve::read_description_text(bytes, "/tmp/talve-fuzz/", description, ui));
  if (talve::description_lines(description, "/tmp/talve-fuzz/").size() != 65) talve::fuzz::disagree();
  return 0;
}
