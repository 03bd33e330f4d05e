// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/user_interface.h"

// The entry point every target defines, called by libFuzzer or by the
// replay main.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace talve::fuzz {

// A user who answers every box with its last choice (Cancel, else No, else
// the only button) and cancels every dialog: the fuzzed code must cope.
class SilentInterface : public UserInterface {
 public:
  Answer ask(MessageType, ButtonSet buttons, const std::string&) override {
    if (buttons & kCancel) return Answer::Cancel;
    if (buttons & kNo) return Answer::No;
    if (buttons & kYes) return Answer::Yes;
    return Answer::Ok;
  }
  void tracking_line_added(const std::string&) override {}
  void tracking_cleared() override {}
  void caption_changed(std::string_view, const std::string&) override {}
  void visibility_changed(std::string_view, bool) override {}
  void colour_changed(std::string_view, ColourPart, const ControlColour&) override {}
  void process_events() override {}
  void set_busy(bool) override {}
  std::optional<std::string> open_file(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> save_file(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> choose_folder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  ChooserAnswer open_folder_chooser(const std::string&, const std::string&) override { return {}; }
  void open_in_editor(const std::string&, const std::string&) override {}
  std::string clipboard_text() override { return {}; }
  void set_clipboard_text(const std::string&) override {}
  void play_end_sound() override {}
};

// Splits the input at its first newline: the head is a rule or pattern, the
// rest the value it is applied to.
inline std::pair<std::string_view, std::string_view> head_and_rest(const std::uint8_t* data,
                                                                   std::size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const auto cut = all.find('\n');
  if (cut == std::string_view::npos) return {all, {}};
  return {all.substr(0, cut), all.substr(cut + 1)};
}

// A difference between two readings that must agree is a finding.
[[noreturn]] inline void disagree() { std::abort(); }

}  // namespace talve::fuzz
