// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/processing_engine.h"

#include <algorithm>
#include <atomic>
#include <thread>

#include "core/workspace.h"
#include "engine/column_mapping.h"
#include "engine/coverage.h"
#include "engine/line_blocks.h"
#include "engine/setting_checks.h"
#include "files/end_of_data.h"
#include "files/file_table.h"
#include "text/clock.h"
#include "text/system_locale.h"
#include "text/text_utils.h"
#include "text/two_threads.h"

namespace talve {
namespace {

// decoded x 100 / total with the format "##0": rounded, halves away from 0.
long long rounded_percent(long long decoded, long long total) {
  return (200 * decoded + total) / (2 * total);
}

}  // namespace

RunSettings RunSettings::read(const Workspace& ws) {
  RunSettings s;
  s.decode = DecodeSettings::read(ws.description);
  s.na = NaRules::read(ws.description);
  s.aggregation = AggregationSettings::read(ws);
  s.corrections = CorrectionSettings::read(ws);
  s.passes = PassSettings::read(ws);
  s.output = OutputFormat::read(ws.description);
  s.system_decimal = system_decimal_separator();
  return s;
}

ProcessingEngine::ProcessingEngine(Workspace& ws, ResultTable& table)
    : m_ws(ws), m_table(table), m_pacer(ws), m_progress(wait_label_progress(ws)) {}

void ProcessingEngine::prepare(const TimeGrid& grid, int data_column_count) {
  warn_unusable_settings(m_ws);
  prepare(RunSettings::read(m_ws), grid, data_column_count);
}

void ProcessingEngine::prepare(const RunSettings& settings, const TimeGrid& grid, int data_column_count) {
  m_settings = settings;
  m_ws.dates.run_started();
  // As wide as the column map will be, so that the table is made once.
  const int width =
      std::max(data_column_count, mapped_data_column_count(m_ws.description, data_column_count));
  prepare_result_table(m_table, grid, width, m_progress);
  m_locator = GridLocator(m_table.instants, settings.aggregation.date_test, settings.aggregation.step_kind);
  m_corrector = InstantCorrector(settings.corrections);
  m_decoder.emplace(settings.decode, FieldDecoder(settings.na, settings.system_decimal), m_ws.dates);
  m_span = DataSpan();
  m_report = FileReport();
}

void ProcessingEngine::set_up_parsers() {
  m_parsers.clear();
  // A second thread only pays where there is a second core, and a pattern
  // that compares each date with the one before must be read in order.
  m_parallel = std::thread::hardware_concurrency() >= 2 && !m_decoder->reads_in_order();
  if (!m_parallel) return;
  const FieldDecoder fields(m_settings.na, m_settings.system_decimal);
  for (int i = 0; i < 2; ++i)
    m_parsers.push_back(std::make_unique<LineParser>(m_settings.decode, fields, m_decoder->sources()));
}

FileCheck ProcessingEngine::begin_file(FileTable& table, const FileInput& input) {
  m_file = input;
  m_report = FileReport();
  m_corrector.begin_file();
  m_locator.reset_cache();
  m_file_start = monotonic_seconds();
  static const LoadedFile kNoLines;
  if (m_file.file == nullptr) m_file.file = &kNoLines;
  set_empty_first_field(*m_file.file, input.block);
  if (check_first_lines(m_ws, table, input.row, input.path, *m_file.file, input.block, m_settings.decode,
                        m_report.dates, m_span) == FileCheck::abandon) {
    return FileCheck::abandon;
  }
  if (m_table.map.empty()) {
    ColumnMapSource source;
    source.data_column_count = input.data_column_count;
    source.title_line = input.title_line;
    source.grid_count = m_table.grid_count;
    source.station = table.lire_case(input.row, "Station");
    set_column_map(m_table, build_column_map(m_ws, m_settings.decode, source));
    show_column_map(m_ws, m_table.map);
    m_decoder->set_columns(m_table.map);
    set_up_parsers();
    m_values.assign(static_cast<std::size_t>(m_table.map.data_count()), 0.0);
    m_missing.assign(static_cast<std::size_t>(m_table.map.data_count()), 0);
  }
  return FileCheck::go_on;
}

void ProcessingEngine::set_empty_first_field(const LoadedFile& file, const DataBlock& block) {
  const bool counts = empty_first_field_counts(
      block.title >= 0 ? file.line_or_empty(block.title) : std::string_view(), m_settings.decode.split);
  m_settings.decode.empty_first_field = counts;
  m_decoder->set_empty_first_field(counts);
  for (const auto& parser : m_parsers) parser->set_empty_first_field(counts);
}

void ProcessingEngine::process_line(std::string_view line, long long line_number) {
  DecodeCounters& counters = m_report.lines;
  ++counters.decoded;
  LineDecoder& decoder = *m_decoder;
  // An unreadable line, or one whose quotes are out of place, is a problem
  // line: nothing else is read of it.
  if (line_unreadable(line, m_settings.decode.control_chars_unreadable) || !decoder.cut(line)) {
    note_unreadable_line(line, line_number, counters, m_ws.log);
    return;
  }
  if (line.empty()) return;
  const std::int64_t t = m_corrector.correct_lazily(
      decoder.read_instant(), line_number, [&decoder] { return decoder.instant_text(); }, m_ws.log);
  const int row = m_locator.row_of(t);
  if (row < 1) return;
  decoder.decode_fields(line_number, counters, m_ws.log, m_values.data(), m_missing.data());
  fold_line(m_table, m_settings.aggregation.method, row, m_values.data(), m_missing.data());
  ++counters.extracted;
  ++m_table.line_total;
}

bool ProcessingEngine::read_lines() {
  const DataBlock& block = m_file.block;
  Reading& reading = m_reading;
  reading.every = block.last >= 20 ? block.last / 20 : 0;
  reading.block_lines = block.last - block.first + 1;
  reading.row_text = std::to_string(m_file.row);
  // The progress every `every` lines read: each line adds one to the count,
  // so the next multiple is waited for rather than a division made per line.
  reading.next_progress = reading.every > 0 && reading.block_lines > 0 ? reading.every : -1;

  const LoadedFile& file = *m_file.file;
  const long long first = std::max(block.first, 0LL);
  // A file of fewer lines than a block is read on one thread.
  const bool parallel =
      m_parallel && m_allow_parallel && static_cast<long long>(file.size()) - first >= m_parallel_block;
  LineBlocks blocks(file, first, static_cast<std::size_t>(m_parallel_block));
  const bool complete = parallel ? read_blocks_in_parallel(blocks) : read_blocks(blocks);
  // The lines read before the file lost its end are kept; the user learns
  // that the rest is missing.
  if (complete && blocks.cut_short())
    m_ws.ajout_suivi("fichier raccourci pendant sa lecture => " + m_file.path + " : " +
                     format_grouped(static_cast<long long>(blocks.bytes_read())) + " octets lus sur " +
                     format_grouped(static_cast<long long>(blocks.size_at_open())));
  // A file outlined from its ends learns its line count and last line here.
  m_count_settled = !file.line_count_provisional() || complete;
  if (complete && file.line_count_provisional()) {
    m_file.block.last = blocks.last_non_blank();
    m_ws.set_caption("Label26",
                     format_grouped(blocks.line_count() - m_file.block.first - m_file.block.marker));
  }
  return complete;
}

bool ProcessingEngine::after_line() {
  Reading& reading = m_reading;
  const long long decoded = m_report.lines.decoded;
  if (decoded == reading.next_progress) [[unlikely]] {
    show_progress("3- patienter ... fic-" + reading.row_text + "  " +
                  std::to_string(std::min(rounded_percent(decoded, reading.block_lines), 100LL)) + "%     ");
    reading.next_progress += reading.every;
  }
  return !m_pacer.tick();
}

bool ProcessingEngine::read_blocks(LineBlocks& blocks) {
  for (LineBlock block; blocks.next(block);) {
    for (std::size_t i = block.begin; i < block.end; ++i) {
      process_line(block[i], block.number(i));
      if (!after_line()) return false;
    }
  }
  return true;
}

// Blocks of lines are parsed on two threads and taken in order on this one
// (corrections, grid rows and folding depend on the lines before): while
// this thread takes a block, the other reads the piece of the block after
// next when it needs one and parses the next block; this one joins it as
// soon as it is done.
bool ProcessingEngine::read_blocks_in_parallel(LineBlocks& blocks) {
  LineBlock current, next, after;
  if (!blocks.next(current)) return true;
  ParsedBlock* parsed = &m_parsed[0];
  ParsedBlock* parsed_next = &m_parsed[1];
  parse_block(*current.lines, current.begin, current.end, *parsed, nullptr);
  bool has_next = blocks.next(next);
  while (true) {
    bool go_on = true;
    auto apply_current = [&] {
      for (std::size_t i = current.begin; i < current.end && go_on; ++i) {
        apply_parsed_line(*parsed, current[i], current.number(i), i - current.begin);
        go_on = after_line();
      }
    };
    if (!has_next) {
      apply_current();
      return go_on;
    }
    // The other thread reads the piece after next (the lines of the two
    // blocks in hand stay where they are) while this one applies its block.
    bool has_after = false;
    parse_block(*next.lines, next.begin, next.end, *parsed_next, apply_current,
                [&] { has_after = blocks.next(after); });
    if (!go_on) return false;
    current = next;
    next = after;
    has_next = has_after;
    std::swap(parsed, parsed_next);
  }
}

// Parses lines [begin, end) into `block` in chunks taken by two threads in
// turn; `first` (when given) runs on this thread before it takes chunks, and
// `beside_first` on the other one before it does.
void ProcessingEngine::parse_block(const std::vector<std::string_view>& lines, std::size_t begin,
                                   std::size_t end, ParsedBlock& block, const std::function<void()>& first,
                                   const std::function<void()>& beside_first) {
  block.resize(end - begin, m_decoder->sources().size());
  const std::size_t chunk = std::max<std::size_t>(1, std::min<std::size_t>(kChunkLines, (end - begin) / 8));
  std::atomic<std::size_t> taken{begin};
  auto take_chunks = [&](LineParser& parser) {
    for (std::size_t from; (from = taken.fetch_add(chunk)) < end;)
      parser.parse(lines, from, std::min(end, from + chunk), block, from - begin);
  };
  m_second.run(
      [&] {
        if (beside_first) beside_first();
        take_chunks(*m_parsers[1]);
      },
      [&] {
        if (first) first();
        take_chunks(*m_parsers[0]);
      });
}

void ProcessingEngine::apply_parsed_line(const ParsedBlock& parsed, std::string_view line,
                                         long long line_number, std::size_t index) {
  switch (parsed.kinds[index]) {
    case ParsedKind::Exact:
      process_line(line, line_number);
      return;
    case ParsedKind::Empty:
      ++m_report.lines.decoded;
      return;
    case ParsedKind::Plain:
      break;
  }
  DecodeCounters& counters = m_report.lines;
  ++counters.decoded;
  m_decoder->note_valid_date_read();
  const TDateTime raw = parsed.instants[index];
  const std::int64_t t = m_corrector.correct_lazily(
      raw, line_number, [raw] { return format_canonical(raw); }, m_ws.log);
  const int row = m_locator.row_of(t);
  if (row < 1) return;
  const std::size_t columns = parsed.columns;
  fold_line(m_table, m_settings.aggregation.method, row, parsed.values.data() + index * columns,
            parsed.missing.data() + index * columns);
  ++counters.extracted;
  ++m_table.line_total;
}

const FileReport& ProcessingEngine::end_file(FileTable& table) {
  m_report.steps = m_corrector.counters();
  const int row = m_file.row;
  show_progress("3- patienter ... fic-" + std::to_string(row) + "  100%      ");
  m_ws.set_caption("Label_nlig_impliquee", format_grouped(m_table.line_total) + " lignes extraites");
  const DataBlock& block = m_file.block;
  // Without its end marker a file is read to its end: so are its lines
  // counted, instead of a count below zero.
  const long long data_lines = block.last >= 0 ? block.last - block.first + 1
                                               : static_cast<long long>(m_file.file->size()) - block.first;
  // A file outlined from its ends and left before its end keeps the count
  // its pre-reading gave, rather than an estimate.
  if (m_count_settled) table.ecrire_case(row, "n.données", format_grouped(data_lines));
  const StepCounters& steps = m_report.steps;
  std::string correction =
      steps.one_day == 0 && steps.one_second == 0
          ? "---"
          : "+1jour,s " + std::to_string(steps.one_day) + "/" + std::to_string(steps.one_second) + "x";
  // The table (and the report that copies it) keeps saying what the
  // pre-reading found.
  if (block.last < 0) correction += ", " + std::string(kNoEndMarker);
  table.ecrire_case(row, "correction", correction);
  table.ecrire_case(row, "durée de traitement",
                    format_time((monotonic_seconds() - m_file_start) / kSecondsPerDay));
  table.ecrire_case(row, "n.extraites", std::to_string(m_report.lines.extracted));
  table.ecrire_case(row, "pas moyen observé", observed_step_text(steps));
  return m_report;
}

bool ProcessingEngine::finish(const TextRows& grid_entries, TextRows& result_list,
                              TextRows* values_only_list) {
  show_progress("3- patienter ... transfert    ");
  start_result_lists(m_table, m_settings.output, result_list, values_only_list);
  // No file was read: there are no columns, hence no rows to write.
  if (m_table.map.empty()) return !m_pacer.stopped();
  const AggregationSettings& aggregation = m_settings.aggregation;
  if (aggregation.min_share > 0)
    apply_min_share(m_table, aggregation.min_share, m_corrector.steps().most_frequent(),
                    aggregation.date_test, aggregation.step_kind, m_ws.log);
  const Method method = aggregation.method;
  bool complete = finalise_rows(m_table, method, m_pacer);
  if (any_column_uses(m_table.map, method, Method::MeanFillGaps)) fill_single_gaps(m_table);
  run_passes(m_table, m_settings.passes, m_ws, m_pacer);
  complete = format_rows(m_table, grid_entries, m_settings.output, result_list, values_only_list, m_progress,
                         m_pacer) &&
             complete;
  return complete && !m_pacer.stopped();
}

void trace_file_counters(Workspace& ws, const FileReport& report) {
  if (report.lines.problem_lines != 0)
    ws.ajout_suivi("nb_pb = " + std::to_string(report.lines.problem_lines));
  if (report.lines.conversion_problems != 0)
    ws.ajout_suivi("nb_pb conversion = " + std::to_string(report.lines.conversion_problems));
  if (report.steps.one_day != 0) ws.ajout_suivi("nb (+ 1j) = " + std::to_string(report.steps.one_day));
  if (report.steps.one_second != 0) ws.ajout_suivi("nb (+ 1s) = " + std::to_string(report.steps.one_second));
}

}  // namespace talve
