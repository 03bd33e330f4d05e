// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/user_interface.h"

namespace talve::ui {

// The window's side of the user interface: every question of the core is a
// modal message box with French buttons, every caption, visibility and
// colour goes to the control of that name in the main window, the dialogs
// are Qt's own (non-native, so that tests can drive them) and the clipboard
// is the desktop's.
//
// Parts of the window that show a named control in their own way (the
// tracking window, the notice panel, the result view...) take its captions
// or visibility over with `route_caption` / `route_visibility`; others are
// told of a caption after it was shown (`watch_caption`). A name the window
// cannot resolve is reported with qWarning, which the window tests count as
// a failure.
class WindowInterface : public UserInterface {
 public:
  explicit WindowInterface(QWidget* window);

  using CaptionSink = std::function<void(const std::string& text)>;
  using VisibilitySink = std::function<void(bool visible)>;
  void route_caption(std::string_view control, CaptionSink sink);
  void route_visibility(std::string_view control, VisibilitySink sink);
  void watch_caption(std::string_view control, CaptionSink watcher);
  // Names the window knows but does not show (yet): their captions and
  // visibility are dropped without a warning.
  void ignore_control(std::string_view control);

  // Run at every process_events, before the pending events: the models
  // follow the session.
  std::function<void()> on_process_events;
  // Run when a long task starts or ends (the busy state of the controls).
  std::function<void(bool busy)> on_busy;
  // The tracking log, line by line.
  std::function<void(const std::string& line)> on_tracking_line;
  std::function<void()> on_tracking_cleared;
  // The folder chooser panel, which answers Opened; without it the chooser
  // is Qt's folder dialog.
  std::function<ChooserAnswer(const std::string& title, const std::string& initial_folder)> on_folder_chooser;
  // Run before a modal box or dialog opens, so that what it covers is
  // painted up to date (the tracking lines waiting to be shown...).
  std::function<void()> before_modal;

  // The named control, or nullptr with a warning.
  QWidget* control(std::string_view name);
  // The names the core sent that no control of the window carries, in the
  // order they first came.
  const std::vector<std::string>& unresolved() const { return m_unresolved; }

  Answer ask(MessageType type, ButtonSet buttons, const std::string& text) override;
  void tracking_line_added(const std::string& line) override;
  void tracking_cleared() override;
  void caption_changed(std::string_view control, const std::string& text) override;
  void visibility_changed(std::string_view control, bool visible) override;
  void colour_changed(std::string_view control, ColourPart part, const ControlColour& colour) override;
  void process_events() override;
  void set_busy(bool busy) override;
  std::optional<std::string> open_file(const FileDialogRequest& request) override;
  std::optional<std::string> save_file(const FileDialogRequest& request) override;
  std::optional<std::string> choose_folder(const std::string& title,
                                           const std::string& initial_folder) override;
  ChooserAnswer open_folder_chooser(const std::string& title, const std::string& initial_folder) override;
  void open_in_editor(const std::string& path, const std::string& editor_program) override;
  std::string clipboard_text() override;
  void set_clipboard_text(const std::string& text) override;
  void play_end_sound() override;

 private:
  std::optional<std::string> run_file_dialog(const FileDialogRequest& request, bool save);

  QWidget* m_window;
  std::map<std::string, QPointer<QWidget>, std::less<>> m_found;
  std::map<std::string, CaptionSink, std::less<>> m_caption_routes;
  std::map<std::string, VisibilitySink, std::less<>> m_visibility_routes;
  std::multimap<std::string, CaptionSink, std::less<>> m_caption_watchers;
  std::vector<std::string> m_unresolved;
  bool m_wait_cursor = false;
};

}  // namespace talve::ui
