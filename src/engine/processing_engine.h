// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/aggregation.h"
#include "engine/corrections.h"
#include "engine/decoding.h"
#include "engine/derived_series.h"
#include "engine/event_pacer.h"
#include "engine/first_line_checks.h"
#include "engine/grid_locator.h"
#include "engine/line_blocks.h"
#include "engine/line_parser.h"
#include "engine/na_rules.h"
#include "engine/result_format.h"
#include "engine/result_table.h"
#include "engine/time_grid.h"
#include "files/data_block.h"
#include "files/loaded_file.h"
#include "text/two_threads.h"

namespace talve {

class FileTable;
class Workspace;

// Every setting a run reads, taken once at its start.
struct RunSettings {
  DecodeSettings decode;
  NaRules na;
  AggregationSettings aggregation;
  CorrectionSettings corrections;
  PassSettings passes;
  OutputFormat output;
  char system_decimal = ',';

  static RunSettings read(const Workspace& ws);
};

// One file handed to the engine: its FileTable row, its path (for the
// questions), its loaded lines and data block.
struct FileInput {
  int row = 0;
  std::string path;
  const LoadedFile* file = nullptr;
  DataBlock block;
  // The column titles of the files, separated by TAB, from the pre-reading;
  // used at the first file to fix the output columns.
  std::string_view title_line;
  int data_column_count = 0;  // D, from the pre-reading
};

// What the engine counted in one file.
struct FileReport {
  DecodeCounters lines;
  StepCounters steps;
  FileDates dates;
};

// The engine of a processing run, driven by the run:
//
//   ProcessingEngine engine(ws, session.results);
//   engine.set_progress(...);                         // optional
//   engine.prepare(session.grid, D);                  // run start
//   for each file (loaded, its block located):
//     FileInput input{row, path, &loaded, block, facts.titles_tab, facts.measurement_columns};
//     if (engine.begin_file(file_table, input) == FileCheck::abandon) -> abandon the run
//     bool stopped = !engine.read_lines();           // every line, F to the end
//     engine.end_file(file_table);                   // FileTable cells
//     trace_file_counters(ws, engine.file_report()); // unless stopped
//   engine.finish(session.grid.entries, result_list, values_only_list);
//
// The loaded file must live from begin_file to end_file. A file loaded in
// pieces (too large to be held) is read again piece by piece by read_lines.
// Each line is split once, dated through the compiled date pattern,
// corrected, placed in its grid row and, when inside the grid, decoded and
// folded; nothing is allocated per line.
class ProcessingEngine {
 public:
  ProcessingEngine(Workspace& ws, ResultTable& table);

  // Run start: the settings are read (with a warning for those that hold
  // no usable value), the date reading starts a run, the table is created
  // for the grid (with the progress 10 % to 50 %).
  void prepare(const TimeGrid& grid, int data_column_count);
  void prepare(const RunSettings& settings, const TimeGrid& grid, int data_column_count);

  // Progress texts go to `Label_patienter` unless the run routes them
  // through its progress display.
  void set_progress(ProgressText progress) { m_progress = std::move(progress); }

  // The first-line checks and FileTable cells of the file; at the first
  // file, the output columns. Abandon when the user chose to cancel.
  FileCheck begin_file(FileTable& table, const FileInput& input);
  // Every line from the first data line to the end of the file, with the
  // progress every twentieth of the block; false when the user stopped.
  [[nodiscard]] bool read_lines();
  // One line, numbered from 1 in its file.
  void process_line(std::string_view line, long long line_number);
  // The FileTable cells of the file read, `Label_nlig_impliquee`.
  const FileReport& end_file(FileTable& table);
  const FileReport& file_report() const { return m_report; }

  // After the last file: title rows, finalisation, the optional passes and
  // the text rows. False when the user stopped (the lists then hold what
  // was formatted). The values-only list is null where nothing shows it.
  [[nodiscard]] bool finish(const TextRows& grid_entries, TextRows& result_list, TextRows* values_only_list);

  // Lines are parsed in blocks of this many on two threads; files of fewer
  // lines are read on one thread. Tests lower it to compare both readings.
  static constexpr long long kParallelLines = 32768;
  void set_parallel_block(long long lines) { m_parallel_block = lines; }
  void set_parallel(bool parallel) { m_allow_parallel = parallel; }

  const DataSpan& span() const { return m_span; }
  const RunSettings& settings() const { return m_settings; }
  const ResultTable& table() const { return m_table; }

 private:
  void show_progress(const std::string& text) { m_progress(text); }
  void set_up_parsers();
  // The file's title line decides whether its empty first fields count.
  void set_empty_first_field(const LoadedFile& file, const DataBlock& block);
  // Lines taken at a time by a parsing thread: few enough that the two
  // threads finish a block within about a tenth of a millisecond of each
  // other (2,048 left the second one waiting 3 to 6 ms a file).
  static constexpr std::size_t kChunkLines = 512;
  bool read_blocks(LineBlocks& blocks);
  bool read_blocks_in_parallel(LineBlocks& blocks);
  // The progress and the stop test after each line; false when stopped.
  bool after_line();
  void parse_block(const std::vector<std::string_view>& lines, std::size_t begin, std::size_t end,
                   ParsedBlock& block, const std::function<void()>& first,
                   const std::function<void()>& beside_first = {});
  void apply_parsed_line(const ParsedBlock& parsed, std::string_view line, long long line_number,
                         std::size_t index);

  Workspace& m_ws;
  ResultTable& m_table;
  RunSettings m_settings;
  EventPacer m_pacer;
  GridLocator m_locator;
  InstantCorrector m_corrector;
  std::optional<LineDecoder> m_decoder;
  std::vector<double> m_values;
  std::vector<std::uint8_t> m_missing;
  ProgressText m_progress;
  FileInput m_file;
  FileReport m_report;
  double m_file_start = 0;
  DataSpan m_span;
  bool m_parallel = false;
  bool m_allow_parallel = true;
  long long m_parallel_block = kParallelLines;
  std::vector<std::unique_ptr<LineParser>> m_parsers;
  // Parses half of every block beside this thread.
  SecondThread m_second;
  ParsedBlock m_parsed[2];  // the block taken in order and the one parsed meanwhile
  // The progress of the file being read.
  struct Reading {
    long long every = 0;  // lines between two progress texts
    long long block_lines = 0;
    long long next_progress = -1;
    std::string row_text;
  };
  Reading m_reading;
  // The file's line count is known: read whole, or read to its end.
  bool m_count_settled = true;
};

// The tracking lines of a file's problems, each only when not 0: "nb_pb = ",
// "nb_pb conversion = ", "nb (+ 1j) = ", "nb (+ 1s) = ".
void trace_file_counters(Workspace& ws, const FileReport& report);

}  // namespace talve
