// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/control_colours.h"

namespace talve {

// Everything the program shows or asks goes through this interface: the
// window, the batch mode and the tests each implement it. The core never
// shows anything itself. Every text is Windows-1252, built exactly as the
// user will read it; the window converts it at its edge.

enum class MessageType { Warning, Error, Information, Confirmation };

// Buttons of a modal box, combined as flags.
enum Button : unsigned { kOk = 1u, kYes = 2u, kNo = 4u, kCancel = 8u };
using ButtonSet = unsigned;
inline constexpr ButtonSet kOkButton = kOk;
inline constexpr ButtonSet kYesNo = kYes | kNo;
inline constexpr ButtonSet kYesCancel = kYes | kCancel;
inline constexpr ButtonSet kYesNoCancel = kYes | kNo | kCancel;

enum class Answer { Ok, Yes, No, Cancel };

// What became of the folder chooser once opened.
enum class ChooserOutcome {
  Opened,     // it stays open: the choice comes later, through its buttons
  Chosen,     // a folder was chosen at once
  Cancelled,  // it was closed without a folder
};
struct ChooserAnswer {
  ChooserOutcome outcome = ChooserOutcome::Cancelled;
  std::string folder;  // the folder chosen (Chosen only)
};

// An open or save dialog. The filter is written "caption|pattern|caption|
// pattern", the first pair being selected.
struct FileDialogRequest {
  std::string title;
  std::string initial_folder;
  std::string filter;
  std::string proposed_name;
  bool must_exist = false;         // open dialogs: only an existing file
  bool confirm_overwrite = false;  // save dialogs: ask before replacing a file
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A modal box with the given buttons; returns the button pressed. A box
  // closed without a button counts as its Cancel, else No, else its only
  // button.
  virtual Answer ask(MessageType type, ButtonSet buttons, const std::string& text) = 0;

  // A line was added to the tracking log, or the log was emptied.
  virtual void tracking_line_added(const std::string& line) = 0;
  virtual void tracking_cleared() = 0;

  // A caption that the core keeps for a named control changed (progress
  // texts, counts, dates found...), or a control was shown or hidden.
  virtual void caption_changed(std::string_view control, const std::string& text) = 0;
  virtual void visibility_changed(std::string_view control, bool visible) = 0;
  // A colour that the core keeps for a named control changed (the run
  // buttons, the count and date labels, the modified indication...).
  virtual void colour_changed(std::string_view control, ColourPart part, const ControlColour& colour) = 0;

  // Lets pending window events run, so that the window repaints and its
  // "stop" button can be pressed during a long loop.
  virtual void process_events() = 0;
  // The hourglass cursor during long work.
  virtual void set_busy(bool busy) = 0;

  // File and folder choices; nothing when the user cancels.
  virtual std::optional<std::string> open_file(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> save_file(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> choose_folder(const std::string& title,
                                                   const std::string& initial_folder) = 0;
  // The folder chooser, opened on `initial_folder` to choose the folder of
  // the button captioned `title`. The window shows its chooser panel and
  // answers Opened: the choice then comes through the session's chooser
  // operations (session/folder_chooser_actions.h), as the user clicks. An
  // interface without such a panel answers at once, as a folder dialog does.
  virtual ChooserAnswer open_folder_chooser(const std::string& title, const std::string& initial_folder) = 0;

  // Opens a file in the user's text editor (the editor program comes from
  // the description, "Edit_name_prog_blocnote.text").
  virtual void open_in_editor(const std::string& path, const std::string& editor_program) = 0;

  // The clipboard's text, and its replacement.
  virtual std::string clipboard_text() = 0;
  virtual void set_clipboard_text(const std::string& text) = 0;

  // The end-of-run sound signal.
  virtual void play_end_sound() = 0;

  // Shorthand for the information box with only OK (the routine `message`).
  void message(const std::string& text) { ask(MessageType::Information, kOkButton, text); }
};

}  // namespace talve
