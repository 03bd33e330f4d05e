// SPDX-License-Identifier: GPL-3.0-or-later
// Pattern and value from the input: the text reading must not fail, and the
// compiled per-line reader must give what the text path gives, as the run
// uses it: the same outcome, instant, tracking lines and inverted-date
// count, on the value and on the same value read again as the next line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "text/clock.h"
#include "text/compiled_date_template.h"
#include "text/datetime_reader.h"
#include "text/texte_vers_datetime.h"
#include "text/trace_sink.h"

namespace {

class RecordingSink : public talve::TraceSink {
 public:
  void ajout_suivi(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

// The text path as the compiled reading stands for it: normalise_date_heure,
// then texte_vers_datetime on a canonical result.
talve::DateReading read_through_text(talve::DateTimeReader& reader, std::string_view value,
                                     std::string_view pattern) {
  const std::string text = reader.normalise_date_heure(value, pattern);
  if (text == "??") return {talve::DateOutcome::no_value, 0};
  if (text.empty()) return {talve::DateOutcome::no_date, 0};
  if (text.size() != 19) return {talve::DateOutcome::not_canonical, 0};
  std::string normalised;
  const talve::TDateTime instant = reader.texte_vers_datetime(text, normalised);
  return {normalised.empty() ? talve::DateOutcome::invalid : talve::DateOutcome::instant, instant};
}

bool same(const talve::DateReading& a, const talve::DateReading& b) {
  return a.outcome == b.outcome && a.instant == b.instant;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talve::set_fixed_now(45000.5);
  const auto [pattern, value] = talve::fuzz::head_and_rest(data, size);

  RecordingSink text_lines;
  talve::DateTimeReader text_reader(&text_lines);
  text_reader.run_started();
  RecordingSink compiled_lines;
  talve::DateTimeReader compiled_reader(&compiled_lines);
  compiled_reader.run_started();
  talve::CompiledDateTemplate compiled(compiled_reader, pattern);

  // Read twice, as two lines of a file: the template keeps the date it read
  // last, and the readers count the inverted dates across lines.
  for (int line = 0; line < 2; ++line) {
    const talve::DateReading by_text = read_through_text(text_reader, value, pattern);
    const talve::DateReading by_template = compiled.read(value);
    if (!same(by_template, by_text)) talve::fuzz::disagree();
    if (compiled_lines.lines != text_lines.lines) talve::fuzz::disagree();
    if (compiled_reader.inverted_total() != text_reader.inverted_total()) talve::fuzz::disagree();
  }

  // The lenient reading of any text, as the period captions use it.
  talve::NullTraceSink sink;
  std::string normalised;
  talve::texte_vers_datetime(value, normalised, sink);
  return 0;
}
