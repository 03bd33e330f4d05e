// SPDX-License-Identifier: GPL-3.0-or-later
// Instants written with their offset from UTC ("zzzzzz"): both readings,
// the text path and the compiled one, give the instant in UTC.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "recording_sink.h"
#include "text/compiled_date_template.h"
#include "text/datetime_reader.h"

namespace talve {
namespace {

using Lines = std::vector<std::string>;
namespace chrono = std::chrono;

constexpr const char* kIso = "aaaa_mm_jjThh_mn_sszzzzzz";

std::string two(long value) { return std::string(value < 10 ? "0" : "") + std::to_string(value); }

// The canonical text of a moment, worked out with the standard calendar.
std::string canonical_of(chrono::sys_seconds moment) {
  const auto day = chrono::floor<chrono::days>(moment);
  const chrono::year_month_day date(day);
  const chrono::hh_mm_ss time(moment - day);
  return two(static_cast<unsigned>(date.day())) + "/" + two(static_cast<unsigned>(date.month())) + "/" +
         std::to_string(static_cast<int>(date.year())) + " " + two(time.hours().count()) + ":" +
         two(time.minutes().count()) + ":" + two(time.seconds().count());
}

// "2024-11-04T10:00:00+01:00" for a local moment and its offset in minutes.
std::string iso_value(chrono::sys_seconds local, int offset, bool zulu) {
  std::string text = canonical_of(local);  // dd/mm/yyyy hh:nn:ss
  std::string value =
      text.substr(6, 4) + "-" + text.substr(3, 2) + "-" + text.substr(0, 2) + "T" + text.substr(11);
  if (zulu) return value + "Z";
  const int minutes = offset < 0 ? -offset : offset;
  return value + (offset < 0 ? "-" : "+") + two(minutes / 60) + ":" + two(minutes % 60);
}

// Random moments from 1901 to 2099 with offsets from -12:00 to +14:00 by
// quarters of an hour (and "Z"): each value reads, by both paths, as the
// moment minus its offset.
TEST(UtcOffset, BothReadingsGiveTheMomentMinusItsOffset) {
  std::mt19937 random(19);
  const auto first = chrono::sys_days(chrono::year(1901) / 1 / 1);
  const auto last = chrono::sys_days(chrono::year(2099) / 12 / 31);
  std::uniform_int_distribution<long long> second_of(0, chrono::seconds(last - first).count());
  std::uniform_int_distribution<int> quarter_of(-48, 56);
  testing::RecordingSink text_sink, compiled_sink;
  DateTimeReader text_reader(&text_sink), compiled_reader(&compiled_sink);
  text_reader.run_started();
  compiled_reader.run_started();
  CompiledDateTemplate compiled(compiled_reader, kIso);
  for (int i = 0; i < 20000; ++i) {
    const chrono::sys_seconds local = first + chrono::seconds(second_of(random));
    const bool zulu = i % 10 == 0;
    const int offset = zulu ? 0 : quarter_of(random) * 15;
    const std::string value = iso_value(local, offset, zulu);
    const std::string expected = canonical_of(local - chrono::minutes(offset));

    ASSERT_EQ(text_reader.normalise_date_heure(value, kIso), expected) << value;
    const DateReading reading = compiled.read(value);
    ASSERT_EQ(static_cast<int>(reading.outcome), static_cast<int>(DateOutcome::instant)) << value;
    ASSERT_EQ(reading.instant, parse_canonical(expected).value()) << value;
  }
  EXPECT_EQ(text_sink.lines, Lines{});
  EXPECT_EQ(compiled_sink.lines, Lines{});
}

// The same values damaged as data files damage them (cut short, also
// within the seconds, a character changed, quoted, longer): both readings
// agree on each, with the same tracking lines.
TEST(UtcOffset, DamagedValuesReadAlikeByBothPaths) {
  std::mt19937 random(23);
  testing::RecordingSink text_sink, compiled_sink;
  DateTimeReader text_reader(&text_sink), compiled_reader(&compiled_sink);
  text_reader.run_started();
  compiled_reader.run_started();
  CompiledDateTemplate compiled(compiled_reader, kIso);
  const auto first = chrono::sys_days(chrono::year(1990) / 1 / 1);
  for (int i = 0; i < 20000; ++i) {
    const chrono::sys_seconds local = first + chrono::seconds(random() % (40LL * 365 * 86400));
    std::string value = iso_value(local, (static_cast<int>(random() % 57) - 28) * 30, random() % 8 == 0);
    switch (random() % 6) {
      case 0:
        value.resize(random() % (value.size() + 1));
        break;
      case 1:
        value[random() % value.size()] = "+-:Z 0a\"9"[random() % 9];
        break;
      case 2:
        value = "\"" + value + "\"";
        break;
      case 3:
        value += std::string(1, " Z:0+"[random() % 5]);
        break;
      case 4:
        // Cut within the seconds, on a blank or a colon: the text read
        // leniently once named an instant that the run never reads.
        value.resize(17);
        value += " :"[random() % 2];
        break;
      default:
        break;
    }
    const std::string text = text_reader.normalise_date_heure(value, kIso);
    const DateReading reading = compiled.read(value);
    std::string normalised;
    const TDateTime by_text = text.size() == 19 ? text_reader.texte_vers_datetime(text, normalised) : 0;
    ASSERT_EQ(reading.instant, by_text) << value;
    ASSERT_EQ(compiled_sink.lines, text_sink.lines) << value;
  }
}

struct Case {
  const char* pattern;
  const char* value;
  const char* expected;  // the canonical text, "" for no date
  Lines trace;
};

TEST(UtcOffset, OffsetsThatDoNotReadGiveNoDate) {
  const auto refused = [](const char* value, const char* group) {
    return Lines{std::string(" + erreur date : décalage UTC illisible <") + group + ">  corriger <" + value +
                 ">"};
  };
  const Case cases[] = {
      // Winter and summer rows of one file, one UTC series.
      {kIso, "2024-11-04T10:00:00+01:00", "04/11/2024 09:00:00", {}},
      {kIso, "2025-07-19T17:00:00+02:00", "19/07/2025 15:00:00", {}},
      {kIso, "2024-12-31T23:30:00-01:00", "01/01/2025 00:30:00", {}},
      {kIso, "2024-03-01T00:10:00+05:30", "29/02/2024 18:40:00", {}},
      {kIso, "2024-11-04T10:00:00Z", "04/11/2024 10:00:00", {}},
      {kIso, "2024-11-04T10:00:00Z    ", "04/11/2024 10:00:00", {}},
      {kIso, "\"2024-11-04 10:00:00+01:00\"", "04/11/2024 09:00:00", {}},
      {"20aa_mm_jj_hh_mn_sszzzzzz", "24-11-04 10:00:00-03:00", "04/11/2024 13:00:00", {}},
      // No offset where the pattern puts one: the line has no date.
      {kIso, "2024-11-04T10:00:00", "", refused("2024-11-04T10:00:00", "")},
      {kIso, "2024-11-04T10:00:00+0100", "", refused("2024-11-04T10:00:00+0100", "+0100")},
      {kIso, "2024-11-04T10:00:00Z+1", "", refused("2024-11-04T10:00:00Z+1", "Z+1")},
      {kIso, "2024-11-04T10:00:00+24:00", "", refused("2024-11-04T10:00:00+24:00", "+24:00")},
      {kIso, "2024-11-04T10:00:00+01:60", "", refused("2024-11-04T10:00:00+01:60", "+01:60")},
      {kIso, "2024-11-04T10:00:00 01:00", "", refused("2024-11-04T10:00:00 01:00", " 01:00")},
      // Moved out of the calendar's years.
      {kIso, "9999-12-31T23:30:00-01:00", "", refused("9999-12-31T23:30:00-01:00", "-01:00")},
      // Fields out of range are refused before the offset is looked at.
      {kIso,
       "2024-13-04T10:00:00+01:00",
       "",
       {" + erreur date : 04/13/2024 10:00:  corriger <2024-13-04T10:00:00+01:00>"}},
      // Without the group nothing changes: "+01:00" is ignored.
      {"aaaa_mm_jjThh_mn_ss", "2024-11-04T10:00:00+01:00", "04/11/2024 10:00:00", {}},
      {"aaaa_mm_jjThh_mn_sszzzzz", "2024-11-04T10:00:00+01:00", "04/11/2024 10:00:00", {}},
  };
  for (const Case& c : cases) {
    testing::RecordingSink text_sink, compiled_sink;
    DateTimeReader text_reader(&text_sink), compiled_reader(&compiled_sink);
    text_reader.run_started();
    compiled_reader.run_started();
    EXPECT_EQ(text_reader.normalise_date_heure(c.value, c.pattern), c.expected) << c.value;
    EXPECT_EQ(text_sink.lines, c.trace) << c.value;
    CompiledDateTemplate compiled(compiled_reader, c.pattern);
    const DateReading reading = compiled.read(c.value);
    const std::string expected = c.expected;
    EXPECT_EQ(reading.instant, expected.empty() ? 0 : parse_canonical(expected).value()) << c.value;
    EXPECT_EQ(compiled_sink.lines, c.trace) << c.value;
  }
}

}  // namespace
}  // namespace talve
