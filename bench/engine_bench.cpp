// SPDX-License-Identifier: GPL-3.0-or-later
// The per-line path of a run: split, date, correction, grid row, decoding
// and folding, over a 9-column ";" file held in memory; the formatting of
// the result rows; the loading of a large file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/workspace.h"
#include "engine/processing_engine.h"
#include "files/byte_substitution.h"
#include "files/file_outline.h"
#include "files/file_table.h"
#include "files/parallel_read.h"
#include "text/system_locale.h"
#include "text/text_utils.h"

namespace talve {
namespace {

class SilentInterface : public UserInterface {
 public:
  Answer ask(MessageType, ButtonSet, const std::string&) override { return Answer::No; }
  void tracking_line_added(const std::string&) override {}
  void tracking_cleared() override {}
  void caption_changed(std::string_view, const std::string&) override {}
  void visibility_changed(std::string_view, bool) override {}
  void colour_changed(std::string_view, ColourPart, const ControlColour&) override {}
  void process_events() override {}
  void set_busy(bool) override {}
  std::optional<std::string> open_file(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> save_file(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> choose_folder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  ChooserAnswer open_folder_chooser(const std::string&, const std::string&) override { return {}; }
  void open_in_editor(const std::string&, const std::string&) override {}
  std::string clipboard_text() override { return {}; }
  void set_clipboard_text(const std::string&) override {}
  void play_end_sound() override {}
};

constexpr long long kStart = 3845433600;  // 07/11/2021 00:00:00 in seconds since 30/12/1899

// One line a minute: the date and eight numbers.
LoadedFile minute_file(int count) {
  std::mt19937 random(7);
  auto bytes = std::make_shared<std::string>("date;a;b;c;d;e;f;g;h\r\n");
  for (int i = 0; i < count; ++i) {
    *bytes += format_canonical(from_whole_seconds(kStart + 60LL * i));
    for (int k = 0; k < 8; ++k) {
      *bytes += ';';
      *bytes += std::to_string(static_cast<int>(random() % 2000) - 1000) + "." +
                std::to_string(static_cast<int>(random() % 90) + 10);
    }
    *bytes += "\r\n";
  }
  return LoadedFile::from_text(*bytes);
}

TimeGrid quarter_grid(int minutes) {
  TimeGrid grid;
  grid.entries.push_back("_");
  for (long long s = kStart; s <= kStart + 60LL * minutes + 900; s += 900) {
    grid.entries.push_back(format_canonical(from_whole_seconds(s)));
  }
  return grid;
}

void BM_ReadLines(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const LoadedFile file = minute_file(count);
  const TimeGrid grid = quarter_grid(count);
  set_system_decimal_separator(',');
  SilentInterface ui;
  Workspace ws(ui);
  ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", "2");
  ws.description.assign("Edit_format_datetime_mesure.text", "jj_mm_aaaa_hh_mn_ss");
  FileTable table;
  table.add_row();
  ResultTable results;
  FileInput input;
  input.row = 1;
  input.file = &file;
  input.block.first = 1;
  input.block.last = count;
  input.title_line = "date\ta\tb\tc\td\te\tf\tg\th";
  input.data_column_count = 8;
  for (auto _ : state) {
    ProcessingEngine engine(ws, results);
    engine.prepare(grid, 8);
    static_cast<void>(engine.begin_file(table, input));
    benchmark::DoNotOptimize(engine.read_lines());
  }
  state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ReadLines)->Arg(200000)->Unit(benchmark::kMillisecond);

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
  remplacer_tout(from, to, text);
  return text;
}

// Lines as the benchmark's logger files hold them: "aaaa-mm-jj hh:mn:ss", then
// eight values of three decimals, either sign, one in fifty missing.
std::vector<std::string> logger_lines(int count) {
  std::mt19937 random(3);
  std::vector<std::string> lines;
  char text[32];
  for (int i = 0; i < count; ++i) {
    const long long s = 1636243200LL + 70LL * i;  // 2021-11-07 00:00:00, Unix time
    const long long days = s / 86400, rest = s % 86400;
    const int day = 7 + static_cast<int>(days % 24);  // November 7 to 30: every date valid
    std::snprintf(text, sizeof text, "2021-11-%02d %02lld:%02lld:%02lld", day, rest / 3600, rest / 60 % 60,
                  rest % 60);
    std::string line = text;
    for (int k = 0; k < 8; ++k) {
      line += ';';
      const auto pick = random() % 100;
      if (pick == 0) {
        line += "NA";
      } else if (pick == 1) {
        line += "-99999";
      } else {
        std::snprintf(text, sizeof text, "%.3f", static_cast<double>(random() % 100000) / 1000 - 50);
        line += text;
      }
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

// The parsing alone, on one thread: split, date, equivalences and numbers.
// `quotes`: the description allows quoted fields; `quoted`: every field of
// the lines is written between quotes.
void parse_lines(benchmark::State& state, bool quotes, bool quoted) {
  const int count = static_cast<int>(state.range(0));
  std::vector<std::string> texts = logger_lines(count);
  if (quoted)
    for (std::string& line : texts) line = "\"" + replace_all(line, ";", "\";\"") + "\"";
  const std::vector<std::string_view> lines(texts.begin(), texts.end());
  DecodeSettings settings;
  settings.split = ';';
  settings.pattern = "aaaa_mm_jj_hh_mn_ss";
  settings.quoted = quotes;
  const FieldDecoder fields(NaRules::from_texts("NA;-99999", "", ""), ',');
  LineParser parser(settings, fields, {2, 3, 4, 5, 6, 7, 8, 9});
  ParsedBlock block;
  block.resize(lines.size(), 8);
  for (auto _ : state) {
    parser.parse(lines, 0, lines.size(), block, 0);
    benchmark::DoNotOptimize(block.values.data());
  }
  state.SetItemsProcessed(state.iterations() * count);
}

void BM_ParseLines(benchmark::State& state) { parse_lines(state, false, false); }
BENCHMARK(BM_ParseLines)->Arg(200000)->Unit(benchmark::kMillisecond);

// The same lines, the description allowing quoted fields: a line without
// quotes is looked through once more for one.
void BM_ParseLinesQuotesAllowed(benchmark::State& state) { parse_lines(state, true, false); }
BENCHMARK(BM_ParseLinesQuotesAllowed)->Arg(200000)->Unit(benchmark::kMillisecond);

// Every field quoted, as some export services write them.
void BM_ParseQuotedLines(benchmark::State& state) { parse_lines(state, true, true); }
BENCHMARK(BM_ParseQuotedLines)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_Format(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  const LoadedFile file = minute_file(count);
  const TimeGrid grid = quarter_grid(count);
  SilentInterface ui;
  Workspace ws(ui);
  ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", "2");
  ws.description.assign("Edit_format_datetime_mesure.text", "jj_mm_aaaa_hh_mn_ss");
  FileTable table;
  table.add_row();
  ResultTable results;
  FileInput input;
  input.row = 1;
  input.file = &file;
  input.block.first = 1;
  input.block.last = count;
  input.title_line = "date\ta\tb\tc\td\te\tf\tg\th";
  input.data_column_count = 8;
  TextRows result, values;
  for (auto _ : state) {
    state.PauseTiming();
    ProcessingEngine engine(ws, results);
    engine.prepare(grid, 8);
    static_cast<void>(engine.begin_file(table, input));
    static_cast<void>(engine.read_lines());
    state.ResumeTiming();
    static_cast<void>(engine.finish(grid.entries, result, &values));
  }
  state.SetItemsProcessed(state.iterations() * grid.count());
}
BENCHMARK(BM_Format)->Arg(200000)->Unit(benchmark::kMillisecond);

// A logger file of `count` lines on disk (in the system's cache once
// written), removed at the end of the benchmark.
class FileOnDisk {
 public:
  explicit FileOnDisk(int count) : m_path("/tmp/talve_bench_" + std::to_string(::getpid()) + ".csv") {
    const LoadedFile file = minute_file(count);
    std::FILE* out = std::fopen(m_path.c_str(), "wb");
    for (const std::string_view line : file.lines()) {
      std::fwrite(line.data(), 1, line.size(), out);
      std::fwrite("\r\n", 1, 2, out);
    }
    std::fclose(out);
  }
  ~FileOnDisk() { std::remove(m_path.c_str()); }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

// Loading a large file as the run does (read in two halves at once, its
// lines cut on two threads), against the plain reading of small files (read
// into a buffer, then cut, on one thread).
void BM_LoadLarge(benchmark::State& state) {
  const FileOnDisk file(static_cast<int>(state.range(0)));
  std::size_t lines = 0;
  for (auto _ : state) {
    std::vector<std::string_view> views;
    const WholeFile whole = read_and_split(file.path(), views);
    lines = views.size();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(lines));
}
BENCHMARK(BM_LoadLarge)->Arg(500000)->Unit(benchmark::kMillisecond);

// Cutting the lines of a file already in memory, on one thread.
void BM_SplitLines(benchmark::State& state) {
  std::string text;
  for (const std::string& line : logger_lines(static_cast<int>(state.range(0)))) text += line + "\r\n";
  std::vector<std::string_view> lines;
  for (auto _ : state) {
    lines.clear();
    append_lines(text, lines, nullptr);
    benchmark::DoNotOptimize(lines.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(lines.size()));
}
BENCHMARK(BM_SplitLines)->Arg(500000)->Unit(benchmark::kMillisecond);

// Counting the lines of a file already in memory, in the pre-reading's
// blocks of 256 KB, on one thread.
void BM_CountLines(benchmark::State& state) {
  std::string text;
  for (const std::string& line : logger_lines(static_cast<int>(state.range(0)))) text += line + "\r\n";
  std::size_t lines = 0;
  for (auto _ : state) {
    LineEndCounter counter;
    for (std::size_t at = 0; at < text.size(); at += 256 * 1024)
      counter.add(std::string_view(text).substr(at, 256 * 1024));
    lines = counter.lines();
    benchmark::DoNotOptimize(lines);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(lines));
}
BENCHMARK(BM_CountLines)->Arg(500000)->Unit(benchmark::kMillisecond);

void BM_LoadRead(benchmark::State& state) {
  const FileOnDisk file(static_cast<int>(state.range(0)));
  std::size_t lines = 0;
  for (auto _ : state) {
    const WholeFile whole = read_whole_file(file.path());
    lines = split_lines(whole.bytes->view()).size();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long long>(lines));
}
BENCHMARK(BM_LoadRead)->Arg(500000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace talve
