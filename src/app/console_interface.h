// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "core/user_interface.h"

namespace talve {

class BatchProgress;

// The user interface of the batch mode: every box goes to the error stream
// (UTF-8) as it is, preceded by the file being read when there is one and
// followed by the answer the batch takes (app/batch_answers.h) and, for a
// box that speaks of the window, by what the batch did instead
// (app/batch_box_notes.h). Tracking lines are kept for the report only, and
// no dialog ever waits for a person: a save dialog is cancelled.
class ConsoleInterface : public UserInterface {
 public:
  explicit ConsoleInterface(std::ostream& errors);

  void set_progress(BatchProgress* progress) { m_progress = progress; }
  // The path of the file being read (`FileTableState::file_in_hand`): a box
  // asked while a file is read is told with that file.
  void set_file_in_hand(const std::string* path) { m_file_in_hand = path; }
  // The stop flag the loops test: set when an interruption was requested,
  // so that the loop under way ends at its next event check.
  void set_stop_flag(bool* stop) { m_stop = stop; }

  // The inspection of a sample accepts every correction it offers: a box
  // with a Yes button is answered Yes.
  void accept_corrections() { m_accept_corrections = true; }

  Answer ask(MessageType type, ButtonSet buttons, const std::string& text) override;
  void tracking_line_added(const std::string&) override {}
  void tracking_cleared() override {}
  void caption_changed(std::string_view, const std::string&) override {}
  void visibility_changed(std::string_view, bool) override {}
  void colour_changed(std::string_view, ColourPart, const ControlColour&) override {}
  void process_events() override;
  void set_busy(bool) override {}
  std::optional<std::string> open_file(const FileDialogRequest& request) override;
  std::optional<std::string> save_file(const FileDialogRequest& request) override;
  std::optional<std::string> choose_folder(const std::string& title, const std::string& initial) override;
  // No panel waits for a person: the chooser is a folder dialog, cancelled.
  ChooserAnswer open_folder_chooser(const std::string& title, const std::string& initial) override;
  void open_in_editor(const std::string&, const std::string&) override {}
  // The batch mode has no clipboard: what a run copies there (the whole
  // result, tens of megabytes) is not kept, and the clipboard reads empty.
  std::string clipboard_text() override { return {}; }
  void set_clipboard_text(const std::string&) override {}
  void play_end_sound() override {}

  // Writes a line of the batch's own (a step, a reason) to the error
  // stream, after the progress line is erased.
  void note(const std::string& text);

 private:
  std::ostream& m_errors;
  BatchProgress* m_progress = nullptr;
  const std::string* m_file_in_hand = nullptr;
  bool* m_stop = nullptr;
  bool m_accept_corrections = false;
};

}  // namespace talve
