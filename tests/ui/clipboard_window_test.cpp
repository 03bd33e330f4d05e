// SPDX-License-Identifier: GPL-3.0-or-later
// "Presse-papier" through the real window and the real clipboard: the
// copied range becomes the only data file, the second question shows it,
// Cancel gives the former input back, and each listing reads the clipboard
// again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <filesystem>

#include "core/program_folder.h"
#include "session/session.h"
#include "ui/window_fixture.h"

namespace talve::testing {
namespace {

class ClipboardWindow : public WindowTest {
 protected:
  std::string clipboard_file() const { return read_bytes(program_file("~presse-papier.ppp")); }
  void import(const char* second_answer) {
    answers.box("=== Presse-Papiers ===\n\n  Voulez-vous importer les données du presse-papier", "Oui");
    answers.box(" le presse papier contient ", second_answer);
  }
};

TEST_F(ClipboardWindow, ARangeBecomesTheDataFileAndCancelGivesTheFormerInputBack) {
  open(copy_demo("demo"));
  Session& s = window->session();
  const std::string mask = s.description.text("Edit_masque.text");
  ASSERT_EQ(s.flags.input_mode, InputMode::Files);
  const bool modified = s.description.modified();
  // A range of three rows as a spreadsheet copies it.
  QApplication::clipboard()->setText(
      "date\tv1\tv2\n01/01/2024 00:00:00\t1,5\t2\n01/01/2024 01:00:00\t3\t4\n");
  import("Annuler");
  click("SpeedButton_presse_papier");
  ASSERT_TRUE(answers.idle());

  const std::string file = clipboard_file();
  EXPECT_EQ(file, "date;v1;v2\r\n01/01/2024 00:00:00;1,5;2\r\n01/01/2024 01:00:00;3;4\r\n");
  ASSERT_EQ(answers.texts.size(), 2);
  EXPECT_EQ(answers.texts[1].toStdString(),
            " le presse papier contient " + std::to_string(file.size()) +
                " octets\n\n voir le cadre en ci-dessous et les 3 lignes suivantes\n\n"
                " les 3 premières lignes :\n\n\ndate\tv1\tv2\n01/01/2024 00:00:00\t1,5\t2\n"
                "01/01/2024 01:00:00\t3\t4\n");
  // Cancel: the mask, the mode with its controls and the modified mark as
  // they were; the clipboard file stays.
  EXPECT_EQ(s.description.text("Edit_masque.text"), mask);
  EXPECT_EQ(find<QLineEdit>("Edit_masque")->text().toStdString(), mask);
  EXPECT_EQ(s.flags.input_mode, InputMode::Files);
  EXPECT_FALSE(find("Edit_masque")->isHidden());
  EXPECT_EQ(s.description.modified(), modified);
  expect_names_resolved();
}

TEST_F(ClipboardWindow, EachListingReadsTheClipboardAgain) {
  open(copy_demo("demo"));
  Session& s = window->session();
  QApplication::clipboard()->setText("date\tv1\n01/01/2024 00:00:00\t1\n");
  // Kept: "Enregistrer sous ..." is offered, and left here.
  import("Oui");
  answers.dialog(std::nullopt);
  click("SpeedButton_presse_papier");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(s.flags.input_mode, InputMode::Clipboard);
  EXPECT_EQ(s.description.text("Edit_masque.text"), "ppp");
  EXPECT_EQ(s.description.choice("RadioGroup_separateur_colonne_ItemIndex"), 2);
  EXPECT_TRUE(find("Edit_masque")->isHidden());
  EXPECT_EQ(find<QAbstractButton>("SpeedButton_lister")->text().toStdString(), "1- Valider le presse-papier");

  // Copied later: what the listing reads.
  QApplication::clipboard()->setText("date\tv1\n02/01/2024 00:00:00\t7\n02/01/2024 00:10:00\t8\n");
  answers.dismiss_unscripted = true;
  click("SpeedButton_lister");
  EXPECT_EQ(clipboard_file(), "date;v1\r\n02/01/2024 00:00:00;7\r\n02/01/2024 00:10:00;8\r\n");
  ASSERT_EQ(s.file_table.file_row_count(), 1);
  EXPECT_EQ(s.file_table.lire_case(1, "fichier"), "~presse-papier.ppp");
  expect_names_resolved();
}

// An empty clipboard is told, and the former input stays.
TEST_F(ClipboardWindow, AnEmptyClipboardLeavesTheInputAsItWas) {
  open(copy_demo("demo"));
  Session& s = window->session();
  const std::string mask = s.description.text("Edit_masque.text");
  QApplication::clipboard()->clear();
  answers.box("=== Presse-Papiers ===", "Oui");
  answers.box("le presse-papier est vide! ...", "OK");
  click("SpeedButton_presse_papier");
  ASSERT_TRUE(answers.idle());
  EXPECT_EQ(s.description.text("Edit_masque.text"), mask);
  EXPECT_EQ(s.flags.input_mode, InputMode::Files);
  EXPECT_FALSE(std::filesystem::exists(program_file("~presse-papier.ppp")));
}

}  // namespace
}  // namespace talve::testing
