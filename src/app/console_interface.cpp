// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/console_interface.h"

#include "app/batch_answers.h"
#include "app/batch_box_notes.h"
#include "app/batch_progress.h"
#include "core/interruption.h"
#include "text/encoding.h"

namespace talve {
namespace {

std::string type_caption(MessageType type) {
  switch (type) {
    case MessageType::Warning:
      return "avertissement";
    case MessageType::Error:
      return "erreur";
    case MessageType::Confirmation:
      return "question";
    case MessageType::Information:
      break;
  }
  return "information";
}

}  // namespace

ConsoleInterface::ConsoleInterface(std::ostream& errors) : m_errors(errors) {}

Answer ConsoleInterface::ask(MessageType type, ButtonSet buttons, const std::string& text) {
  const Answer answer =
      m_accept_corrections && (buttons & kYes) != 0 ? Answer::Yes : batch_answer(buttons, text);
  std::string shown = "--- " + type_caption(type) + " " + buttons_caption(buttons) + " ---\n";
  if (m_file_in_hand && !m_file_in_hand->empty() && text.find(*m_file_in_hand) == std::string::npos)
    shown += "(fichier " + *m_file_in_hand + ")\n";
  shown += text + "\n--> réponse : " + answer_caption(answer);
  const std::string instead = batch_note_for(text);
  if (!instead.empty()) shown += "\n" + instead;
  note(shown);
  return answer;
}

void ConsoleInterface::note(const std::string& text) {
  if (m_progress) m_progress->clear();
  m_errors << cp1252_to_utf8(text) << '\n' << std::flush;
}

void ConsoleInterface::process_events() {
  if (m_stop && interruption_requested()) *m_stop = true;
  if (m_progress) m_progress->update();
}

std::optional<std::string> ConsoleInterface::open_file(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsoleInterface::save_file(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsoleInterface::choose_folder(const std::string&, const std::string&) {
  return std::nullopt;
}

ChooserAnswer ConsoleInterface::open_folder_chooser(const std::string& title, const std::string& initial) {
  const auto chosen = choose_folder(title, initial);
  if (!chosen) return {ChooserOutcome::Cancelled, {}};
  return {ChooserOutcome::Chosen, *chosen};
}

}  // namespace talve
