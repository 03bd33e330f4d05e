// SPDX-License-Identifier: GPL-3.0-or-later
// Pattern and value from the input: the text reading must not fail, and the
// compiled per-line reader must reach the same instant as the text path.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "text/clock.h"
#include "text/compiled_date_template.h"
#include "text/datetime_reader.h"
#include "text/texte_vers_datetime.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  talve::set_fixed_now(45000.5);
  const auto [pattern, value] = talve::fuzz::head_and_rest(data, size);
  talve::NullTraceSink sink;

  talve::DateTimeReader text_reader(&sink);
  text_reader.run_started();
  const std::string canonical = text_reader.normalise_date_heure(value, pattern);
  std::string normalised;
  const talve::TDateTime by_text =
      canonical.size() == 19 ? text_reader.texte_vers_datetime(canonical, normalised) : 0;

  talve::DateTimeReader compiled_reader(&sink);
  compiled_reader.run_started();
  talve::CompiledDateTemplate compiled(compiled_reader, pattern);
  const talve::DateReading reading = compiled.read(value);
  if (reading.instant != by_text) talve::fuzz::disagree();
  if (compiled_reader.inverted_total() != text_reader.inverted_total()) talve::fuzz::disagree();
  // Read again, as the next line of a file: the template keeps the date it
  // read last, and the same value must give the same instant.
  if (compiled.read(value).instant != by_text) talve::fuzz::disagree();

  // The lenient reading of any text, as the period captions use it.
  talve::texte_vers_datetime(value, normalised, sink);
  return 0;
}
