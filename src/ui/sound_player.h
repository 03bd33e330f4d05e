// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/tones.h"

namespace talve::ui {

// Plays each tone on the desktop's default audio output and waits for its
// end, letting the window's events run meanwhile. Without an output device
// (or when the device refuses the stream) the tone is skipped.
class SoundPlayer : public ToneOutput {
 public:
  bool play(const std::vector<std::int32_t>& samples) override;
  // Whether at least one tone reached a device.
  bool played() const { return m_played; }

 private:
  bool m_played = false;
};

// The program's signal ("test son", end of a long run): nine tones, their
// errors written on the standard output, never shown. False when no tone
// could be played (no output device).
bool play_signal();

}  // namespace talve::ui
