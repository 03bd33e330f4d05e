// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/clock.h"
#include "text/system_locale.h"

namespace talve {

// A data folder of ";"-separated files with their titles on line 1, the
// description pointing at it, and "now" fixed.
class ListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_fixed_now(*parse_canonical("15/03/2024 08:30:00"));
    set_system_decimal_separator(',');
    data = dir.mkdir("data");
    DataDescription& d = session.description;
    d.assign("dossier_choisi", data);
    d.assign("Edit_masque.text", "csv");
    d.assign("RadioGroup_separateur_colonne_ItemIndex", "2");
    d.assign("Edit_f_station.text", "1");
    d.assign("Edit_name_prog_blocnote.text", "gedit");
  }
  void TearDown() override { set_fixed_now(std::nullopt); }

  // A file of `lines` data lines, one an hour from the given day at 00:00.
  std::string write_data(const std::string& name, const std::string& day = "2021-01-01", int lines = 2) {
    std::string text = "Date;T\r\n";
    for (int h = 0; h < lines; ++h)
      text += day + " " + (h < 10 ? "0" : "") + std::to_string(h) + ":00:00;" + std::to_string(h) + "\r\n";
    return dir.write("data/" + name, text);
  }

  std::vector<std::string> column(std::string_view title) const {
    std::vector<std::string> cells;
    for (int row = 1; row < session.file_table.row_count(); ++row)
      cells.push_back(session.file_table.lire_case(row, title));
    return cells;
  }
  std::string cell(int row, std::string_view title) const { return session.file_table.lire_case(row, title); }

  testing::ProgramHome home;
  testing::TempDir dir;
  testing::ScriptedInterface ui;
  Session session{ui};
  std::string data;
};

using Texts = std::vector<std::string>;

}  // namespace talve
