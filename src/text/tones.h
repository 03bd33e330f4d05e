// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <iosfwd>
#include <random>
#include <vector>

namespace talve {

// The short signal of the program ("test son", end of a long run): nine
// tones of random pitch and length, 32-bit signed mono PCM at 44100 Hz.
inline constexpr int kToneRate = 44100;
inline constexpr int kToneCount = 9;
inline constexpr double kToneAmplitude = 0.5;

struct Tone {
  int frequency = 0;    // hertz
  int duration_ms = 0;  // milliseconds
};

// One tone's pitch and length: 120 to 5119 Hz, 20 to 99 ms.
Tone draw_tone(std::mt19937& random);

// The samples of one tone: round(duration / 1000 x 44100) of them, sample i
// being round(sin(2 pi f t) x amplitude x 2147483647) with t advancing by
// 1/44100 from 0.
std::vector<std::int32_t> synthesise_tone(const Tone& tone);

// Where the tones are played, one after the other, each before the next
// starts. `play` returns false when no output device can be opened: the
// tone is then skipped without a word.
class ToneOutput {
 public:
  virtual ~ToneOutput() = default;
  virtual bool play(const std::vector<std::int32_t>& samples) = 0;
};

// Draws the nine tones from a fresh seed and plays them. Nothing is ever
// shown: a tone without samples writes "Error: No audio has been created
// yet." to `out`, and an error while synthesising or playing writes its
// class name, ": " and its message there.
void bips(ToneOutput& output, std::ostream& out);
// The same with a given seed, so that the tones can be known in advance.
void bips(ToneOutput& output, std::ostream& out, std::uint32_t seed);

}  // namespace talve
