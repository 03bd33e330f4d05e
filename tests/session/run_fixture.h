// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "session/listing.h"
#include "session/processing_run.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/clock.h"
#include "text/system_locale.h"

namespace talve {

// Hourly grid from 01:00 to 04:00 on 01/01/2021, ";"-separated files with
// their titles on line 1 and an ISO date in column 1, results written to
// "res.txt" in the output folder. The run's clock stands still, so that
// the durations it writes are reproducible.
class RunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_fixed_now(*parse_canonical("15/03/2024 08:30:00"));
    set_system_decimal_separator(',');
    data = dir.mkdir("data");
    out = dir.mkdir("out");
    DataDescription& d = session.description;
    d.assign("dossier_choisi", data);
    d.assign("dossier_choisi_sortie", out);
    d.assign("Edit_masque.text", "csv");
    d.assign("RadioGroup_separateur_colonne_ItemIndex", "2");
    d.assign("RadioGroup_avec_sans_intitule_ItemIndex", "0");
    d.assign("Edit_num_ligne_intitule_col.text", "1");
    d.assign("Edit_num_ligne_donnee.text", "2");
    d.assign("Edit_num_col_datetime.text", "1");
    d.assign("Edit_format_datetime_mesure.text", "aaaa_mm_jj_hh_mn_ss");
    d.assign("Edit_equiv_na.text", "NA;-99999");
    d.assign("Edit_NA.text", "NA");
    d.assign("Edit_nb_decimale.text", "2");
    d.assign("RadioGroup_separateur_sortie_ItemIndex", "3");
    d.assign("RadioGroup_DECIMAL_SEPARATOR_sortie_ItemIndex", "0");
    d.assign("Edit_nom_fic_sortie.text", "res");
    d.assign("CheckBox_inc_nom.Checked", "false");
    d.assign("CheckBox_prelire_tous.Checked", "true");
    d.assign("Edit_f_station.text", "1");
    d.assign("Edit_f_date_fichier.text", "");
    d.assign("Edit_name_prog_blocnote.text", "gedit");
    Period& p = session.period;
    p.start_caption = "01/01/2021 01:00:00";
    p.end_caption = "01/01/2021 04:00:00";
    p.step_time = 1.0 / 24;
    p.step_kind = StepKind::Time;
    p.date_test = DateTest::LessOrEqual;
    p.changed = false;
    session.run.clock = [] { return 0.0; };
  }
  void TearDown() override { set_fixed_now(std::nullopt); }

  // A data file: the title line "Date;T;H", then the given lines, CR LF.
  std::string write_data(const std::string& name, const std::vector<std::string>& lines) {
    std::string text = "Date;T;H\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    return dir.write("data/" + name, text);
  }

  // Steps 1 and 2 as the buttons make them, without the run.
  void list_and_build_grid() {
    ASSERT_EQ(lister_tableau(session), ListingResult::completed);
    GridTarget target{session, session.grid, session.result_list, 0.0};
    ASSERT_EQ(create_grid(target).outcome, GridOutcome::Built);
  }

  // The usual pair of files: "nord_1.csv" fills rows 01:00 and 02:00,
  // "sud_1.csv" row 04:00 and one line after the grid; row 03:00 stays
  // empty.
  void write_two_files() {
    write_data("nord_1.csv", {"2021-01-01 00:30:00;1.0;50", "2021-01-01 01:00:00;3.0;NA",
                              "2021-01-01 01:30:00;5.0;60", "2021-01-01 02:00:00;7.0;-99999"});
    write_data("sud_1.csv",
               {"2021-01-01 03:10:00;10.0;70", "2021-01-01 03:50:00;12.0;NA", "2021-01-01 05:00:00;99.0;99"});
  }

  std::string result_text() const { return testing::read_bytes(out + "res.txt"); }

  testing::ProgramHome home;
  testing::TempDir dir;
  testing::ScriptedInterface ui;
  Session session{ui};
  std::string data;
  std::string out;
};

}  // namespace talve
