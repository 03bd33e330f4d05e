// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <new>
#include <sstream>

namespace talve {
namespace {

// Keeps what it is asked to play; `fail` plays the part of a device that
// cannot be opened, `error` of one that breaks while playing.
struct RecordingOutput : ToneOutput {
  std::vector<std::vector<std::int32_t>> played;
  bool fail = false;
  bool error = false;
  bool play(const std::vector<std::int32_t>& samples) override {
    if (error) throw std::bad_alloc();
    if (fail) return false;
    played.push_back(samples);
    return true;
  }
};

// Every sample of tones across the whole range of pitches and lengths
// against the formula written naively: the phase taken at i / 44100.
TEST(Tones, SamplesFollowTheSineFormula) {
  for (const Tone tone : {Tone{120, 20}, Tone{440, 57}, Tone{2777, 99}, Tone{5119, 99}, Tone{1000, 45}}) {
    const std::vector<std::int32_t> samples = synthesise_tone(tone);
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(std::lround(tone.duration_ms * 44.1)))
        << tone.frequency << " Hz " << tone.duration_ms << " ms";
    long long worst = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const double t = static_cast<double>(i) / 44100.0;
      const long long expected = std::llround(std::sin(2.0 * M_PI * tone.frequency * t) * 0.5 * 2147483647.0);
      worst = std::max(worst, std::llabs(expected - samples[i]));
    }
    // t is summed step by step: its rounding moves a sample by a unit or so.
    EXPECT_LE(worst, 4) << tone.frequency << " Hz";
    EXPECT_EQ(samples[0], 0);
  }
  // Half the full scale at the crest: a quarter period of 1000 Hz at 44100
  // samples a second falls between samples 11 and 12.
  const std::vector<std::int32_t> samples = synthesise_tone({1000, 45});
  EXPECT_NEAR(samples[11], 1073741823.5 * std::sin(2 * M_PI * 11 / 44.1), 4);
  for (std::int32_t sample : samples) EXPECT_LE(std::llabs(sample), 1073741824LL);
}

// Nine tones, each of 20 to 99 ms and 120 to 5119 Hz, between 0.2 and 0.9 s
// in all, for many seeds; a given seed gives the same tones again.
TEST(Tones, NineShortTonesOfRandomPitch) {
  for (std::uint32_t seed = 0; seed < 200; ++seed) {
    RecordingOutput output;
    std::ostringstream out;
    bips(output, out, seed);
    ASSERT_EQ(output.played.size(), 9u);
    std::size_t total = 0;
    for (const auto& samples : output.played) {
      EXPECT_GE(samples.size(), 882u);   // 20 ms
      EXPECT_LE(samples.size(), 4366u);  // 99 ms
      total += samples.size();
    }
    EXPECT_GE(total, 0.2 * 44100);
    EXPECT_LE(total, 0.9 * 44100);
    EXPECT_EQ(out.str(), "");
    RecordingOutput again;
    bips(again, out, seed);
    EXPECT_EQ(again.played, output.played);
  }
  // The pitch and length cover their ranges.
  std::mt19937 random(7);
  int low = 10000, high = 0, shortest = 1000, longest = 0;
  for (int i = 0; i < 20000; ++i) {
    const Tone tone = draw_tone(random);
    low = std::min(low, tone.frequency);
    high = std::max(high, tone.frequency);
    shortest = std::min(shortest, tone.duration_ms);
    longest = std::max(longest, tone.duration_ms);
  }
  EXPECT_EQ(low, 120);
  EXPECT_EQ(high, 5119);
  EXPECT_EQ(shortest, 20);
  EXPECT_EQ(longest, 99);
}

// Without a device the tones are skipped in silence; an error while
// playing is written on the standard output as its class and message.
TEST(Tones, NoDeviceIsSilentAndErrorsGoToTheOutput) {
  RecordingOutput none;
  none.fail = true;
  std::ostringstream quiet;
  bips(none, quiet, 3);
  EXPECT_TRUE(none.played.empty());
  EXPECT_EQ(quiet.str(), "");

  RecordingOutput broken;
  broken.error = true;
  std::ostringstream out;
  bips(broken, out, 3);
  std::string expected;
  for (int i = 0; i < 9; ++i) expected += "std::bad_alloc: std::bad_alloc\n";
  EXPECT_EQ(out.str(), expected);
}

}  // namespace
}  // namespace talve
