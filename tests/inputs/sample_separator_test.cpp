// SPDX-License-Identifier: GPL-3.0-or-later
// The separator a sample's first dated line suggests, and its question.
#include <gtest/gtest.h>

#include "core/workspace.h"
#include "inputs/sample_checks.h"
#include "support/scripted_interface.h"

namespace talve {
namespace {

struct SeparatorCase {
  const char* line;
  int current;   // RadioGroup_separateur_colonne_ItemIndex before
  int proposed;  // after a Yes; -1: no question
};

TEST(SampleSeparator, DominantCharacterIsProposedOnce) {
  const SeparatorCase cases[] = {
      {"2021-01-01 10:00;1;2;3", 0, 2},            // 1 blank, 3 semicolons
      {"10:00;1,5;2,5", 0, -1},                    // 2 and 2: none dominates
      {"a b c d e f g h i j k;1;2;3;4\t5", 0, 2},  // blanks win, but 4 semicolons and no comma
      {"2021-01-01 10:00,1,2,3", 3, -1},           // already commas
      {"2021-01-01\t10:00\t1\t2", 2, 0},           // tabs
  };
  for (const SeparatorCase& c : cases) {
    SCOPED_TRACE(c.line);
    testing::ScriptedInterface ui;
    Workspace ws(ui);
    ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(c.current));
    if (c.proposed >= 0) ui.answer(Answer::Yes);
    ask_separator(ws, c.line);
    if (c.proposed < 0) {
      EXPECT_TRUE(ui.boxes.empty());
      continue;
    }
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ws.description.choice("RadioGroup_separateur_colonne_ItemIndex"), c.proposed);
    EXPECT_TRUE(ws.description.modified());
    EXPECT_NE(ui.boxes[0].text.find("\n\n modifier le séparateur (oui)\n\n garder <"), std::string::npos);
  }
}

}  // namespace
}  // namespace talve
