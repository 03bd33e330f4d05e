// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_interface.h"

#include <gtest/gtest.h>

#include "text/encoding.h"

namespace talve::testing {
namespace {

bool single_button(ButtonSet buttons) {
  return buttons == kOk || buttons == kYes || buttons == kCancel || buttons == kNo;
}

Answer only_answer(ButtonSet buttons) {
  if (buttons == kYes) return Answer::Yes;
  if (buttons == kNo) return Answer::No;
  if (buttons == kCancel) return Answer::Cancel;
  return Answer::Ok;
}

}  // namespace

ScriptedInterface::~ScriptedInterface() {
  EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answer(s) were never asked for";
  EXPECT_TRUE(m_dialog_results.empty()) << m_dialog_results.size() << " scripted dialog(s) were never opened";
}

ScriptedInterface& ScriptedInterface::answer(Answer next) {
  m_answers.push_back(next);
  return *this;
}

ScriptedInterface& ScriptedInterface::dialog_result(std::optional<std::string> path) {
  m_dialog_results.push_back(std::move(path));
  return *this;
}

std::vector<std::string> ScriptedInterface::texts() const {
  std::vector<std::string> out;
  for (const Box& box : boxes) out.push_back(box.text);
  return out;
}

Answer ScriptedInterface::ask(MessageType type, ButtonSet buttons, const std::string& text) {
  Answer chosen = Answer::Cancel;
  if (single_button(buttons)) {
    chosen = only_answer(buttons);
  } else if (m_answers.empty()) {
    ADD_FAILURE() << "unexpected question:\n" << cp1252_to_utf8(text);
  } else {
    chosen = m_answers.front();
    m_answers.pop_front();
  }
  boxes.push_back(Box{type, buttons, text, chosen});
  return chosen;
}

void ScriptedInterface::caption_changed(std::string_view control, const std::string& text) {
  captions[std::string(control)] = text;
  if (control == record_captions) recorded_captions.push_back(text);
}

void ScriptedInterface::visibility_changed(std::string_view control, bool shown) {
  visible[std::string(control)] = shown;
}

void ScriptedInterface::colour_changed(std::string_view control, ColourPart part,
                                       const ControlColour& colour) {
  (part == ColourPart::Text ? text_colours : background_colours)[std::string(control)] = colour;
}

void ScriptedInterface::process_events() {
  ++process_events_calls;
  if (on_process_events) on_process_events(process_events_calls);
}

std::optional<std::string> ScriptedInterface::next_dialog(const FileDialogRequest& request) {
  dialogs.push_back(request);
  if (m_dialog_results.empty()) {
    ADD_FAILURE() << "unexpected dialog: " << cp1252_to_utf8(request.title);
    return std::nullopt;
  }
  auto result = m_dialog_results.front();
  m_dialog_results.pop_front();
  return result;
}

std::optional<std::string> ScriptedInterface::open_file(const FileDialogRequest& request) {
  return next_dialog(request);
}

std::optional<std::string> ScriptedInterface::save_file(const FileDialogRequest& request) {
  return next_dialog(request);
}

std::optional<std::string> ScriptedInterface::choose_folder(const std::string& title,
                                                            const std::string& initial) {
  FileDialogRequest request;
  request.title = title;
  request.initial_folder = initial;
  return next_dialog(request);
}

ChooserAnswer ScriptedInterface::open_folder_chooser(const std::string& title, const std::string& initial) {
  if (chooser_stays_open) {
    FileDialogRequest request;
    request.title = title;
    request.initial_folder = initial;
    dialogs.push_back(request);
    return {ChooserOutcome::Opened, {}};
  }
  const auto chosen = choose_folder(title, initial);
  if (!chosen) return {ChooserOutcome::Cancelled, {}};
  return {ChooserOutcome::Chosen, *chosen};
}

}  // namespace talve::testing
