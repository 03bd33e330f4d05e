// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a description file: reading never fails, and what was read
// round-trips: written as its 65 lines and read again, it gives the same
// description, every setting to the byte (but for the blanks around a value
// that the file cannot keep, such as the trailing blank of the editor's
// start-up value that a stopped read leaves in place) and every folder's
// relative form; from then on, writing and reading change nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_description.h"
#include "core/description_file.h"
#include "core/settings_table.h"
#include "fuzz_support.h"
#include "text/text_utils.h"

namespace {

constexpr const char* kFolder = "/tmp/talve-fuzz/";

// `written` read back from its lines: every value as a file keeps it.
bool read_back(const talve::DataDescription& written, const talve::DataDescription& read) {
  const auto& settings = talve::settings_table();
  for (std::size_t i = 0; i < settings.size(); ++i) {
    if (talve::trim(written.text_at(i)) != read.text_at(i)) return false;
    if (settings[i].kind == talve::SettingKind::Folder &&
        written.relative_form(settings[i].key) != read.relative_form(settings[i].key))
      return false;
  }
  return true;
}

std::vector<std::string> write_and_read(const talve::DataDescription& description,
                                        talve::DataDescription& out, talve::UserInterface& ui) {
  std::vector<std::string> lines = talve::description_lines(description, kFolder);
  if (lines.size() != talve::description_write_order().size()) talve::fuzz::disagree();
  if (!talve::read_description_text(talve::join_lines_crlf(lines), kFolder, out, ui)) talve::fuzz::disagree();
  if (!read_back(description, out)) talve::fuzz::disagree();
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talve::fuzz::SilentInterface ui;
  talve::DataDescription read;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static_cast<void>(talve::read_description_text(bytes, kFolder, read, ui));
  talve::DataDescription again, third;
  write_and_read(read, again, ui);
  const std::vector<std::string> lines = write_and_read(again, third, ui);
  if (talve::description_lines(third, kFolder) != lines) talve::fuzz::disagree();
  return 0;
}
