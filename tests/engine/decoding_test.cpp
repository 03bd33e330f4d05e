// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/decoding.h"

#include <gtest/gtest.h>

#include "core/data_description.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

struct RecordingSink : TraceSink {
  std::vector<std::string> lines;
  void ajout_suivi(const std::string& line) override { lines.push_back(line); }
};

TEST(Decoding, SettingsJoinTheTwoPatterns) {
  DataDescription d;
  d.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
  d.assign("Edit_format_date_mesure_seule.text", " jj_mm_aaaa ");
  d.assign("Edit_format_time_mesure_seul.text", "hh_mn ");
  d.assign("Edit_num_col_date.text", " 3 ");
  d.assign("Edit_num_col_time.text", "x");
  d.assign("RadioGroup_separateur_colonne_ItemIndex", "3");
  const DecodeSettings s = DecodeSettings::read(d);
  EXPECT_TRUE(s.two_date_columns);
  EXPECT_EQ(s.pattern, "jj_mm_aaaa hh_mn");
  EXPECT_EQ(s.date_column, 3);
  EXPECT_EQ(s.time_column, 0);
  EXPECT_EQ(s.date_column_count(), 2);
  EXPECT_EQ(s.split, ',');
  EXPECT_EQ(date_value_of("a;12/03/2022;x;01:15", DecodeSettings{';', true, 1, 2, 4, "", false}),
            "12/03/2022 01:15");
  EXPECT_EQ(date_value_of("a b  c", DecodeSettings{' ', false, 2, 1, 2, "", false}), "b");
}

TEST(Decoding, UnreadableLines) {
  struct Case {
    std::string line;
    bool control_chars;
    bool unreadable;
  };
  const Case cases[] = {
      {"1;2", false, false},
      {std::string("1;\x01;2"), false, true},
      {std::string("1;\x02;2"), false, false},
      {std::string("1;\x02;2"), true, true},
      {"1\t;2", true, false},
      {"1;2\r", true, false},
      {std::string("\x1F"), true, true},
      {"caf\xE9;2", true, false},
  };
  for (const Case& c : cases) EXPECT_EQ(line_unreadable(c.line, c.control_chars), c.unreadable) << c.line;
}

TEST(Decoding, OnlyTheFirstProblemLinesAreTraced) {
  RecordingSink sink;
  DecodeCounters counters;
  const std::string long_line = "0123456789012345678901234567890123456789";
  for (long long k = 10; k < 15; ++k) note_unreadable_line(long_line, k, counters, sink);
  EXPECT_EQ(counters.problem_lines, 5);
  EXPECT_EQ(sink.lines, (std::vector<std::string>{"ligne 10 pb 012345678901234567890123456789",
                                                  "ligne 11 pb 012345678901234567890123456789",
                                                  "ligne 12 pb etc ......... "}));
}

TEST(Decoding, LineDecoderReadsInstantsAndFields) {
  RecordingSink sink;
  DateTimeReader reader(&sink);
  DecodeSettings settings{';', false, 2, 1, 2, "aaaa_mm_jj_hh_mn_ss", false};
  LineDecoder decoder(settings, FieldDecoder(NaRules::from_texts("NA", "", ""), ','), reader);
  ColumnMap map;
  map.count = 4;
  map.sources = {0, 0, 1, 3, 0};
  decoder.set_columns(map);
  EXPECT_EQ(format_canonical(decoder.read_instant("4,5;2022-03-12T01:15:30;NA")), "12/03/2022 01:15:30");
  EXPECT_EQ(decoder.instant_text(), "12/03/2022 01:15:30");
  double values[2];
  std::uint8_t missing[2];
  DecodeCounters counters;
  decoder.decode_fields(1, counters, sink, values, missing);
  EXPECT_EQ(values[0], 4.5);
  EXPECT_EQ(missing[0], 0);
  EXPECT_EQ(missing[1], 1);
  EXPECT_EQ(decoder.read_instant("1;;2"), 0);
  EXPECT_EQ(decoder.instant_text(), "??");
  EXPECT_EQ(decoder.read_instant("1;12:00;2"), 0);
  EXPECT_EQ(decoder.instant_text(), "");
}

}  // namespace
}  // namespace talve
