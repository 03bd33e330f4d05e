// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_answers.h"

#include <array>

#include "text/ascii.h"

namespace talve {
namespace {

// Questions whose Yes is the way on, found in the text whatever its case.
struct AnswerRule {
  std::string_view fragment;
  Answer answer;
};

constexpr std::array<AnswerRule, 2> kRules = {{
    {"continuer ?", Answer::Yes},   // large grid, date offset, clock drift
    {"=> écraser ?", Answer::Yes},  // an existing result file
}};

}  // namespace

Answer batch_answer(ButtonSet buttons, std::string_view text) {
  const std::string upper = upper_ascii(text);
  for (const AnswerRule& rule : kRules) {
    const std::string fragment = upper_ascii(rule.fragment);
    if ((buttons & kYes) && upper.find(fragment) != std::string::npos) return rule.answer;
  }
  // Everything else offers a correction, a way out or a look at a file:
  // declined. "No" goes on unchanged; where a correction is offered with
  // Cancel or OK beside it, that other button is the refusal.
  if (buttons & kNo) return Answer::No;
  if ((buttons & kYes) && (buttons & kCancel)) return Answer::Cancel;
  if (buttons & kOk) return Answer::Ok;
  if (buttons & kCancel) return Answer::Cancel;
  return Answer::Yes;
}

std::string answer_caption(Answer answer) {
  switch (answer) {
    case Answer::Yes:
      return "Oui";
    case Answer::No:
      return "Non";
    case Answer::Cancel:
      return "Annuler";
    case Answer::Ok:
      break;
  }
  return "OK";
}

std::string buttons_caption(ButtonSet buttons) {
  std::string text;
  const std::array<std::pair<Button, Answer>, 4> order = {
      {{kYes, Answer::Yes}, {kNo, Answer::No}, {kCancel, Answer::Cancel}, {kOk, Answer::Ok}}};
  for (const auto& [button, answer] : order) {
    if (!(buttons & button)) continue;
    if (!text.empty()) text += " / ";
    text += answer_caption(answer);
  }
  return "(" + text + ")";
}

}  // namespace talve
