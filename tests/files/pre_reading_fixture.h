// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/workspace.h"
#include "files/file_table.h"
#include "files/listing_settings.h"
#include "files/loader.h"
#include "files/pre_reading.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {

constexpr int kSemicolon = 2;

// One data file written to disk, loaded and pre-read into a fresh row, with
// ";" as separator unless a test says otherwise.
class PreReading : public ::testing::Test {
 protected:
  void SetUp() override {
    ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", std::to_string(kSemicolon));
    ws.description.assign("Edit_name_prog_blocnote.text", "gedit");
    ws.dates.listing_started();
  }

  PreReadOutcome pre_read(const std::string& content) {
    path = dir.write("f.csv", content);
    EXPECT_TRUE(load_data_file(ws, path, file));
    row = table.add_row();
    return pre_read_file(ws, table, row, path, file, ListingSettings::read(ws.description), facts);
  }

  std::string cell(std::string_view title) const { return table.lire_case(row, title); }
  void no_titles() { ws.description.assign("RadioGroup_avec_sans_intitule_ItemIndex", "1"); }

  testing::ProgramHome home;
  testing::TempDir dir;
  testing::ScriptedInterface ui;
  Workspace ws{ui};
  FileTable table;
  LoadedFile file;
  PreReadFacts facts;
  std::string path;
  int row = 0;
};

}  // namespace talve
