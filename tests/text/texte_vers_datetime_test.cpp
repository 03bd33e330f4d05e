// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/texte_vers_datetime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_sink.h"

namespace talve {
namespace {

TDateTime at(int year, int month, int day, int hour, int minute, int second) {
  return *encode_date_time({{year, month, day}, {hour, minute, second, 0}});
}

struct Readable {
  const char* text;
  const char* normalised;
  TDateTime instant;
};

class TexteVersDatetimeReads : public ::testing::TestWithParam<Readable> {};

TEST_P(TexteVersDatetimeReads, GivesTheInstantAndTheReorderedText) {
  const Readable& c = GetParam();
  testing::RecordingSink sink;
  std::string normalised = "previous";
  EXPECT_EQ(texte_vers_datetime(c.text, normalised, sink), c.instant) << c.text;
  EXPECT_EQ(normalised, c.normalised);
  EXPECT_TRUE(sink.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TexteVersDatetimeReads,
    ::testing::Values(Readable{"12/03/2022 10:15:30", "12/03/2022 10:15:30", at(2022, 3, 12, 10, 15, 30)},
                      Readable{"2022/03/12 10:15:30", "12/03/2022 10:15:30", at(2022, 3, 12, 10, 15, 30)},
                      Readable{"2022-03-12 10:15:30", "12/03/2022 10:15:30", at(2022, 3, 12, 10, 15, 30)},
                      Readable{"12-03-2022 10:15:30", "12/03/2022 10:15:30", at(2022, 3, 12, 10, 15, 30)},
                      Readable{"  12/03/2022  10:15:30 ", "12/03/2022 10:15:30", at(2022, 3, 12, 10, 15, 30)},
                      Readable{"12/03/2022 10:15:", "12/03/2022 10:15:00", at(2022, 3, 12, 10, 15, 0)},
                      Readable{"12/03/2022", "12/03/2022 00:00:00", at(2022, 3, 12, 0, 0, 0)},
                      Readable{"2022/03/12", "12/03/2022 00:00:00", at(2022, 3, 12, 0, 0, 0)},
                      Readable{"12/03/2022 10", "12/03/2022 10:00:00", at(2022, 3, 12, 10, 0, 0)},
                      Readable{"12/03/2022 10:15", "12/03/2022 10:15:00", at(2022, 3, 12, 10, 15, 0)},
                      Readable{"29/02/2024 23:59:59", "29/02/2024 23:59:59", at(2024, 2, 29, 23, 59, 59)},
                      Readable{"01/01/1900 00:00:00", "01/01/1900 00:00:00", 2.0},
                      Readable{"30/12/1899 00:00:00", "30/12/1899 00:00:00", 0.0},
                      Readable{"10:15:30", "10:15:30", encode_time(10, 15, 30)}));

struct Refused {
  const char* text;
  std::vector<std::string> trace;
};

class TexteVersDatetimeRefuses : public ::testing::TestWithParam<Refused> {};

TEST_P(TexteVersDatetimeRefuses, GivesZeroAndTracesWhatIsNoInstant) {
  const Refused& c = GetParam();
  testing::RecordingSink sink;
  std::string normalised = "previous";
  EXPECT_EQ(texte_vers_datetime(c.text, normalised, sink), 0.0) << c.text;
  EXPECT_EQ(normalised, "");
  EXPECT_EQ(sink.lines, c.trace);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TexteVersDatetimeRefuses,
    ::testing::Values(
        // Empty, or no usable length: nothing traced.
        Refused{"", {}}, Refused{"   ", {}}, Refused{"12/03/2022 10:15:30:5", {}},
        // Out of the character ranges.
        Refused{"32/03/2022 10:00:00", {" * erreur date : 32/03/2022 10:00:00   <32/03/2022 10:00:00>"}},
        Refused{"12/13/2022 10:00:00", {" * erreur date : 12/13/2022 10:00:00   <12/13/2022 10:00:00>"}},
        Refused{"12/03/2022 30:00:00", {" * erreur date : 12/03/2022 30:00:00   <12/03/2022 30:00:00>"}},
        Refused{"2022-03-12 10:60:00", {" * erreur date : 12/03/2022 10:60:00   <2022-03-12 10:60:00>"}},
        // Passing the character checks but naming no instant.
        Refused{"31/02/2022 10:00:00", {" * erreur date : 31/02/2022 10:00:00   <31/02/2022 10:00:00>"}},
        Refused{"29/02/2023 10:00:00", {" * erreur date : 29/02/2023 10:00:00   <29/02/2023 10:00:00>"}},
        Refused{"12/03/2022 24:00:00", {" * erreur date : 12/03/2022 24:00:00   <12/03/2022 24:00:00>"}},
        Refused{"12/03/0000 10:00:00", {" * erreur date : 12/03/0000 10:00:00   <12/03/0000 10:00:00>"}},
        Refused{"1a/03/2022 10:00:00", {" * erreur date : 1a/03/2022 10:00:00   <1a/03/2022 10:00:00>"}},
        // Not day-first nor year-first with "/".
        Refused{"2022.03.12 10:00:00", {" * erreur date : 2022.03.12 10:00:00   <2022.03.12 10:00:00>"}},
        Refused{"12.03.2022 10:00:00", {" * erreur date : 12.03.2022 10:00:00   <12.03.2022 10:00:00>"}},
        Refused{"2022-03-12T10:00:00", {" * erreur date : 12T10:00:00/03/2022    <2022-03-12T10:00:00>"}},
        // Eight characters: a time of day, or nothing.
        Refused{"12/03/22", {" * erreur date : 12/03/22    <12/03/22>"}},
        Refused{"2/3/2022", {" * erreur date : 2/3/2022   <2/3/2022>"}},
        Refused{"25:00:00", {" * erreur date : 25:00:00   <25:00:00>"}},
        Refused{"10h15m30", {" * erreur date : 10h15m30   <10h15m30>"}}));

TEST(TexteVersDatetimeTrace, KeepsTheTextAsGivenInTheMessage) {
  testing::RecordingSink sink;
  std::string normalised;
  texte_vers_datetime("  2022/02/31 10:00 ", normalised, sink);
  EXPECT_EQ(sink.lines,
            std::vector<std::string>{" * erreur date : 31/02/2022 10:00:00   <  2022/02/31 10:00 >"});
}

}  // namespace
}  // namespace talve
