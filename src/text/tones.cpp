// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/tones.h"

#include <cxxabi.h>
#include <cmath>
#include <exception>
#include <memory>
#include <numbers>
#include <ostream>
#include <string>
#include <typeinfo>

namespace talve {
namespace {

constexpr double kFullScale = 2147483647.0;

// The readable name of an exception's class ("std::bad_alloc").
std::string class_name(const std::exception& error) {
  const char* mangled = typeid(error).name();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> readable(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                  std::free);
  return status == 0 && readable ? std::string(readable.get()) : std::string(mangled);
}

}  // namespace

Tone draw_tone(std::mt19937& random) {
  std::uniform_int_distribution<int> pitch(0, 4999);
  std::uniform_int_distribution<int> length(0, 79);
  Tone tone;
  tone.frequency = 120 + pitch(random);
  tone.duration_ms = 20 + length(random);
  return tone;
}

std::vector<std::int32_t> synthesise_tone(const Tone& tone) {
  const auto count = static_cast<std::size_t>(std::lround(tone.duration_ms / 1000.0 * kToneRate));
  std::vector<std::int32_t> samples(count);
  const double step = 1.0 / kToneRate;
  const double omega = 2.0 * std::numbers::pi * tone.frequency;
  double t = 0.0;
  for (std::int32_t& sample : samples) {
    sample = static_cast<std::int32_t>(std::lround(std::sin(omega * t) * kToneAmplitude * kFullScale));
    t += step;
  }
  return samples;
}

void bips(ToneOutput& output, std::ostream& out) { bips(output, out, std::random_device{}()); }

void bips(ToneOutput& output, std::ostream& out, std::uint32_t seed) {
  std::mt19937 random(seed);
  for (int i = 0; i < kToneCount; ++i) {
    try {
      const std::vector<std::int32_t> samples = synthesise_tone(draw_tone(random));
      if (samples.empty()) {
        out << "Error: No audio has been created yet.\n";
        continue;
      }
      // A tone the device cannot take is skipped; the next one tries again.
      static_cast<void>(output.play(samples));
    } catch (const std::exception& error) {
      out << class_name(error) << ": " << error.what() << "\n";
    }
  }
  out.flush();
}

}  // namespace talve
