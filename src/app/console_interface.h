// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/user_interface.h"

namespace talve {

// The user interface of the batch mode: every box goes to standard error
// with the answer taken, tracking lines are kept for the report only, and
// no dialog ever waits for a person.
class ConsoleInterface : public UserInterface {
 public:
  Answer ask(MessageType type, ButtonSet buttons, const std::string& text) override;
  void tracking_line_added(const std::string&) override {}
  void tracking_cleared() override {}
  void caption_changed(std::string_view, const std::string&) override {}
  void visibility_changed(std::string_view, bool) override {}
  void process_events() override {}
  void set_busy(bool) override {}
  std::optional<std::string> open_file(const FileDialogRequest& request) override;
  std::optional<std::string> save_file(const FileDialogRequest& request) override;
  std::optional<std::string> choose_folder(const std::string& title, const std::string& initial) override;
  void open_in_editor(const std::string&, const std::string&) override {}
  std::string clipboard_text() override { return m_clipboard; }
  void set_clipboard_text(const std::string& text) override { m_clipboard = text; }
  void play_end_sound() override {}

 private:
  std::string m_clipboard;
};

}  // namespace talve
