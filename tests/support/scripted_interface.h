// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/user_interface.h"

namespace talve::testing {

// The user interface of the tests. Every box is recorded with its exact
// text. A box with a single button answers itself; a box with a choice takes
// the next scripted answer, and a box that nobody scripted fails the test.
// File dialogs take their scripted paths the same way.
class ScriptedInterface : public UserInterface {
 public:
  struct Box {
    MessageType type;
    ButtonSet buttons;
    std::string text;
    Answer answer;
  };

  ~ScriptedInterface() override;

  // Queues the answer to the next box that offers a choice.
  ScriptedInterface& answer(Answer next);
  // Queues the result of the next file or folder dialog (nothing = cancel).
  ScriptedInterface& dialog_result(std::optional<std::string> path);

  // Called at every process_events(), with the number of calls so far.
  std::function<void(int)> on_process_events;

  std::vector<Box> boxes;
  std::vector<FileDialogRequest> dialogs;
  std::vector<std::string> tracking;  // every tracking line, as added
  std::map<std::string, std::string, std::less<>> captions;
  // Every text given to a control, in order, when `record_captions` holds
  // its name.
  std::string record_captions;
  std::vector<std::string> recorded_captions;
  std::map<std::string, bool, std::less<>> visible;
  // The last colour given to each control's text, and to its background.
  std::map<std::string, ControlColour, std::less<>> text_colours;
  std::map<std::string, ControlColour, std::less<>> background_colours;
  std::vector<std::string> opened_in_editor;
  std::string clipboard;
  int process_events_calls = 0;
  bool chooser_stays_open = false;
  int end_sounds = 0;

  // Texts of the recorded boxes, in order.
  std::vector<std::string> texts() const;

  Answer ask(MessageType type, ButtonSet buttons, const std::string& text) override;
  void tracking_line_added(const std::string& line) override { tracking.push_back(line); }
  void tracking_cleared() override { tracking.clear(); }
  void caption_changed(std::string_view control, const std::string& text) override;
  void visibility_changed(std::string_view control, bool shown) override;
  void colour_changed(std::string_view control, ColourPart part, const ControlColour& colour) override;
  void process_events() override;
  void set_busy(bool) override {}
  std::optional<std::string> open_file(const FileDialogRequest& request) override;
  std::optional<std::string> save_file(const FileDialogRequest& request) override;
  std::optional<std::string> choose_folder(const std::string& title, const std::string& initial) override;
  // Recorded with the dialogs; answered from the scripted dialog results,
  // unless `chooser_stays_open` makes it behave as the window's panel.
  ChooserAnswer open_folder_chooser(const std::string& title, const std::string& initial) override;
  void open_in_editor(const std::string& path, const std::string&) override {
    opened_in_editor.push_back(path);
  }
  std::string clipboard_text() override { return clipboard; }
  void set_clipboard_text(const std::string& text) override { clipboard = text; }
  void play_end_sound() override { ++end_sounds; }

 private:
  std::optional<std::string> next_dialog(const FileDialogRequest& request);

  std::deque<Answer> m_answers;
  std::deque<std::optional<std::string>> m_dialog_results;
};

}  // namespace talve::testing
