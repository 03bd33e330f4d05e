// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a data file loaded in pieces of a few bytes, against the same
// file loaded whole. The first byte gives the piece size and whether every
// file is read in pieces (as a run reads them), the second the settings
// (markers or line numbers, separator, unreadable characters, titles, first
// data line). The line count is the whole load's whatever the pieces (but
// for a long file outlined from its ends, whose count is an estimate); when
// the first lines fit in one piece, the data block, its lines, the first
// lines and the messages are the whole load's too, and so are the last
// lines of a file without its end marker.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/workspace.h"
#include "files/data_block.h"
#include "files/end_of_data.h"
#include "files/loader.h"
#include "fuzz_support.h"
#include "text/text_utils.h"

namespace {

namespace fs = std::filesystem;

// Every box and tracking line, in order.
class RecordingInterface : public talve::fuzz::SilentInterface {
 public:
  talve::Answer ask(talve::MessageType type, talve::ButtonSet buttons, const std::string& text) override {
    said.push_back(text);
    return SilentInterface::ask(type, buttons, text);
  }
  void tracking_line_added(const std::string& line) override { said.push_back(line); }
  std::vector<std::string> said;
};

const std::string& file_path() {
  static const std::string path = [] {
    std::string root =
        (fs::exists("/dev/shm") ? std::string("/dev/shm") : fs::temp_directory_path().string()) +
        "/talve-pieces-fuzz-XXXXXX";
    if (::mkdtemp(root.data()) == nullptr) std::abort();
    static std::string removed_at_exit = root;
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(removed_at_exit, ec);
    });
    return root + "/data.csv";
  }();
  return path;
}

void describe(talve::Workspace& ws, std::uint8_t bits) {
  talve::DataDescription& d = ws.description;
  d.assign("RadioGroup_numlig_balise_ItemIndex", bits & 1 ? "1" : "0");
  d.assign("RadioGroup_separateur_colonne_ItemIndex", bits & 2 ? "0" : "2");
  d.assign("CheckBox_car_null.Checked", bits & 4 ? "true" : "false");
  d.assign("RadioGroup_avec_sans_intitule_ItemIndex", bits & 8 ? "1" : "0");
  d.assign("Edit_num_ligne_intitule_col.text", "2");
  d.assign("Edit_num_ligne_donnee.text", std::to_string(static_cast<int>(bits >> 4) % 6 - 1));
  d.assign("Edit_balise_deb.text", "D");
  d.assign("Edit_balise_fin.text", "F");
  d.assign("Edit_masque.text", "csv");
}

struct Load {
  bool ok = false;
  talve::LoadedFile file;
  talve::DataBlock block;
  std::vector<std::string> said;
};

Load load(std::uint8_t bits, const talve::LoadLimits& limits) {
  RecordingInterface ui;
  talve::Workspace ws(ui);
  describe(ws, bits);
  Load result;
  result.ok = talve::load_data_file(ws, file_path(), result.file, limits);
  result.block = talve::locate_data_block(result.file, ws.description);
  result.said = ui.said;
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t piece = 1 + data[0] % 64;
  const std::uint8_t bits = data[1];
  const std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
  std::ofstream(file_path(), std::ios::binary | std::ios::trunc)
      .write(text.data(), static_cast<std::streamsize>(text.size()));

  talve::LoadLimits limits;
  limits.piece_bytes = piece;
  limits.held_whole = (data[0] & 0x40) == 0;
  limits.head_lines = 3;
  const Load whole = load(bits, talve::LoadLimits{});
  const Load pieces = load(bits, limits);
  // A long file outlined from its ends has an estimated line count, and the
  // index of its last data line with it; that line's text is the file's.
  const bool outlined = pieces.file.line_count_provisional();
  if (outlined && limits.held_whole) talve::fuzz::disagree();
  if (pieces.ok != whole.ok || (!outlined && pieces.file.size() != whole.file.size()))
    talve::fuzz::disagree();

  const std::vector<std::string_view> lines = talve::split_lines(text);
  std::size_t head = 0;
  for (std::size_t i = 0; i < lines.size() && i < 3; ++i) head += lines[i].size();
  if (head > piece) return 0;
  const talve::DataBlock& a = whole.block;
  const talve::DataBlock& b = pieces.block;
  if (a.marker != b.marker || a.first != b.first || (!outlined && a.last != b.last) || a.title != b.title)
    talve::fuzz::disagree();
  for (long long index : {a.title, a.first})
    if (pieces.file.line_or_empty(index) != whole.file.line_or_empty(index)) talve::fuzz::disagree();
  if (pieces.file.line_or_empty(b.last) != whole.file.line_or_empty(a.last)) talve::fuzz::disagree();
  // Without the end marker the last date is looked for among the last
  // lines, which the pieces keep.
  if ((bits & 1) != 0 && a.last < 0) {
    const auto count = static_cast<long long>(whole.file.size());
    for (long long index = std::max(0LL, count - static_cast<long long>(talve::kEndSearchLines));
         index < count; ++index)
      if (pieces.file.line_or_empty(index) != whole.file.line_or_empty(index)) talve::fuzz::disagree();
  }
  // A file no larger than a piece is loaded whole, its first lines all its
  // lines.
  if (pieces.file.in_pieces() &&
      pieces.file.first_lines().size() != std::min<std::size_t>(3, whole.file.size()))
    talve::fuzz::disagree();
  for (std::size_t i = 0; i < pieces.file.first_lines().size(); ++i)
    if (pieces.file.first_lines()[i] != whole.file[i]) talve::fuzz::disagree();
  if (pieces.said != whole.said) talve::fuzz::disagree();
  return 0;
}
