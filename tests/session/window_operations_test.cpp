// SPDX-License-Identifier: GPL-3.0-or-later
// The decisions the window leaves to the session: what Enter and leaving do
// in each field, the fields that follow the description, the period's
// edits and copies, the output-folder button, and none of it while a long
// task runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/picker_text.h"
#include "listing_fixture.h"
#include "session/field_entries.h"
#include "session/period_edits.h"
#include "session/result_writing.h"

namespace talve {
namespace {

class WindowOperations : public ListingTest {
 protected:
  void SetUp() override {
    ListingTest::SetUp();
    write_data("a.csv");
    write_data("b.csv");
  }
};

// Enter lists the files again in the fields that shape the listing, once
// the description changed; in no other field, and not while busy.
TEST_F(WindowOperations, EnterListsTheFilesOnlyFromTheFieldsThatShapeTheListing) {
  const struct {
    const char* field;
    bool modified;
    bool busy;
    bool lists;
  } cases[] = {
      {"Edit_masque", true, false, true},         {"Edit_NA", true, false, true},
      {"Edit_nb_decimale", true, false, true},    {"Edit_intitule_origine", true, false, true},
      {"Edit_nom_fic_sortie", true, false, true}, {"Edit_num_ligne_intitule_col", true, false, true},
      {"Edit_f_station", true, false, true},      {"Edit_num_col_date", true, false, true},
      {"Edit_num_col_time", true, false, true},   {"Edit_num_col_datetime", true, false, true},
      {"Edit_NA", false, false, false},           {"Edit_NA", true, true, false},
      {"Edit_min_na", true, false, false},        {"Edit_format_datetime_mesure", true, false, false},
      {"Edit_balise_deb", true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + (c.modified ? " modified" : "") + (c.busy ? " busy" : ""));
    session.file_table.reset();
    if (c.modified)
      session.description.mark_modified();
    else
      session.description.clear_modified();
    session.flags.busy = c.busy;
    EXPECT_EQ(field_confirmed(session, c.field, ""), FieldFollowUp::none);
    EXPECT_EQ(session.file_table.file_row_count(), c.lists ? 2 : 0);
    session.flags.busy = false;
  }
  EXPECT_TRUE(ui.boxes.empty());
}

// The pattern fields are checked when left, never on Enter: a pattern with
// four "m" warns once, however it was left.
TEST_F(WindowOperations, APatternFieldWarnsOnceWhenLeft) {
  for (const char* field : {"Edit_format_datetime_mesure", "Edit_format_time_mesure_seul"}) {
    SCOPED_TRACE(field);
    ui.boxes.clear();
    EXPECT_EQ(field_confirmed(session, field, "aaaa_mm_jj_hh_mm_ss"), FieldFollowUp::none);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(field_left(session, "Edit_format_datetime_mesure", "aaaa_mm_jj_hh_mm_ss"), FieldFollowUp::none);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_NE(ui.boxes[0].text.find("il y a 4 \"m\""), std::string::npos);
  }
}

TEST_F(WindowOperations, ColumnFieldsRunTheirSequences) {
  dir.mkdir("desc");
  session.description.assign("dossier_description", dir.path() + "desc/");
  session.description.set_file_name("station.dsc");
  // Enter in the column list: its rule, then the description saved.
  EXPECT_EQ(field_confirmed(session, "Edit_col_cochee", "4 ;5.6"), FieldFollowUp::none);
  EXPECT_EQ(session.description.text("Edit_col_cochee.text"), "4,5,6");
  EXPECT_FALSE(session.description.modified());
  EXPECT_NE(testing::read_bytes(dir.path() + "desc/station.dsc").find("Edit_col_cochee.text= 4,5,6\r\n"),
            std::string::npos);
  // New alternative titles take effect through the listing button.
  EXPECT_EQ(field_confirmed(session, "Edit_new_desc_colonne", "Date,T"), FieldFollowUp::list_files);
  EXPECT_TRUE(session.description.modified());
  EXPECT_EQ(session.description.text("Edit_new_desc_colonne.text"), "Date,T");
  EXPECT_EQ(field_left(session, "Edit_new_desc_colonne", "Date,T"), FieldFollowUp::list_files);
  session.description.clear_modified();
  EXPECT_EQ(field_left(session, "Edit_new_desc_colonne", "Date,T"), FieldFollowUp::none);
  // A double-click offers the original titles instead.
  session.set_caption("Edit_intitule_origine", "Date\tTemp");
  ui.answer(Answer::No);
  EXPECT_TRUE(field_double_clicked(session, "Edit_new_desc_colonne"));
  EXPECT_FALSE(field_double_clicked(session, "Edit_col_cochee"));
  EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(WindowOperations, DependentFieldsFollowEveryChangeOfTheDescription) {
  keep_dependent_fields(session);
  session.description.assign("RadioGroup_datetime_nb_col_ItemIndex", "1");
  EXPECT_FALSE(ui.visible["Edit_num_col_datetime"]);
  EXPECT_TRUE(ui.visible["Edit_num_col_time"]);
  session.description.assign("RadioGroup_avec_sans_intitule_ItemIndex", "1");
  EXPECT_FALSE(ui.visible["Edit_num_ligne_intitule_col"]);
  session.set_caption("Edit_intitule_origine", "Date\tTemp\tHum");
  session.description.set_text("CheckBox_col_cochee.Checked", "true");
  session.description.set_text("Edit_col_cochee.text", "3");
  EXPECT_EQ(ui.captions["Label_col_alternatives"], "=> Hum");
}

TEST_F(WindowOperations, PatternListsGiveTheirEntriesAndWhatAnEntryWrites) {
  EXPECT_FALSE(pattern_list_entries("ListBox_date_heure").empty());
  EXPECT_EQ(pattern_list_entries("ListBox_date_fic").front(), "aaaammjj,3");
  EXPECT_TRUE(pattern_list_entries("ListBox_rep_recent").empty());
  for (const std::string_view list : {"ListBox_date_heure", "ListBox_date", "ListBox_heure"})
    for (const std::string_view entry : pattern_list_entries(list)) {
      const std::string written = pattern_list_choice(list, entry);
      EXPECT_EQ(written.find('('), std::string::npos) << entry;
      EXPECT_FALSE(written.empty()) << entry;
      EXPECT_EQ(entry.substr(0, written.size()), written) << entry;
    }
  EXPECT_EQ(pattern_list_choice("ListBox_date_fic", "aaaa-mm-jj,2 (ex)"), "aaaa-mm-jj,2 (ex)");
}

TEST_F(WindowOperations, LabelsCopyIntoThePeriodAndTheStepKindShowsItsUnit) {
  session.set_caption("Label_date_min", "01/02/2021");
  session.set_caption("Label_pas_dsc", "00:30:00");
  ui.answer(Answer::Yes).answer(Answer::Yes);
  EXPECT_TRUE(copy_into_period(session, "Label_date_min"));
  EXPECT_TRUE(copy_into_period(session, "Label_pas_dsc"));
  EXPECT_FALSE(copy_into_period(session, "Label_temps_deb"));
  EXPECT_EQ(session.period.start_caption, "01/02/2021 00:00:00");
  EXPECT_EQ(session.period.step_time, 30.0 / 1440.0);
  EXPECT_EQ(period_copy_labels().size(), 7u);
  change_step_kind(session, StepKind::Month);
  EXPECT_EQ(ui.captions["Label56"], "mois");
  EXPECT_FALSE(ui.visible["TimePicker_pas"]);
  session.flags.running = true;
  change_step_kind(session, StepKind::Day);
  change_period_end(session, 1.0);
  EXPECT_EQ(session.period.step_kind, StepKind::Month);
  EXPECT_EQ(ui.captions["Label56"], "mois");
  EXPECT_FALSE(creer_liste_horodatee_click(session));
  EXPECT_EQ(ui.boxes.size(), 2u);
}

TEST_F(WindowOperations, TheOutputFolderButtonOpensThePickedFile) {
  session.description.assign("dossier_choisi_sortie", data);
  ui.dialog_result(data + "a.csv").dialog_result(std::nullopt);
  fichiers_sortie_click(session);
  fichiers_sortie_click(session);
  ASSERT_EQ(ui.dialogs.size(), 2u);
  EXPECT_EQ(ui.dialogs[0].title, "fichiers de sortie : " + data);
  EXPECT_EQ(ui.dialogs[0].initial_folder, data);
  EXPECT_EQ(ui.opened_in_editor, Texts{data + "a.csv"});
}

}  // namespace
}  // namespace talve
