// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/colour_actions.h"

#include <gtest/gtest.h>

#include <string>

#include "core/parameter_storage.h"
#include "core/program_folder.h"
#include "session/description_actions.h"
#include "session/session.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"

namespace talve {
namespace {

using testing::ProgramHome;
using testing::ScriptedInterface;
using testing::TempDir;

class ColourActions : public ::testing::Test {
 protected:
  void SetUp() override {
    session.description.assign("dossier_description", dir.path());
    session.description.set_file_name("station.dsc");
  }
  std::string parameter_line(int line) const { return lire_ligne_fichier(parameter_file_path(), line); }
  void choose_scheme(int scheme) {
    session.description.set_choice("RadioGroup_coul_nb.ItemIndex", scheme);
    colour_scheme_changed(session, true);
  }

  ProgramHome home;
  TempDir dir;
  ScriptedInterface ui;
  Session session{ui};
};

// A colour chosen marks the description modified; saving it puts the four
// colours in the parameter file; switching back to "couleurs" reads them
// from there again, dropping what was not saved.
TEST_F(ColourActions, ChosenColoursLiveInTheParameterFile) {
  set_scheme_colour(session, SchemeColour::Fields, Rgb{1, 2, 3});
  set_scheme_colour(session, SchemeColour::Numbers, Rgb{4, 5, 6});
  EXPECT_TRUE(session.description.modified());
  ASSERT_TRUE(write_description(session));
  EXPECT_EQ(parameter_line(4), "1,2,3");
  EXPECT_EQ(parameter_line(5), "4,5,6");
  EXPECT_EQ(parameter_line(6), "0");

  set_scheme_colour(session, SchemeColour::Background, Rgb{7, 8, 9});
  choose_scheme(1);
  EXPECT_EQ(shown_scheme_colour(session, SchemeColour::Fields), (Rgb{230, 230, 230}));
  choose_scheme(0);
  EXPECT_EQ(shown_scheme_colour(session, SchemeColour::Background), (Rgb{255, 245, 221}));
  EXPECT_EQ(shown_scheme_colour(session, SchemeColour::Fields), (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace talve
