// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/console_interface.h"

#include <iostream>

#include "text/encoding.h"

namespace talve {

Answer ConsoleInterface::ask(MessageType, ButtonSet buttons, const std::string& text) {
  Answer answer = Answer::Ok;
  if (buttons & kOk) answer = Answer::Ok;
  else if (buttons & kYes) answer = Answer::Yes;
  std::cerr << cp1252_to_utf8(text) << "\n";
  return answer;
}

std::optional<std::string> ConsoleInterface::open_file(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsoleInterface::save_file(const FileDialogRequest&) { return std::nullopt; }
std::optional<std::string> ConsoleInterface::choose_folder(const std::string&, const std::string&) {
  return std::nullopt;
}

}  // namespace talve
