// SPDX-License-Identifier: GPL-3.0-or-later
// A date pattern that reads, but wrongly, is told in the listing: the files
// whose first instant lies far from the date of their name are named in the
// log and in one box.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "listing_fixture.h"
#include "session/listing.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

class NameDateWarning : public ListingTest {
 protected:
  // The demo's three days, kervel_20240301 to kervel_20240303, read with
  // the given pattern (and file-name date rule).
  ListingResult list_demo(const std::string& pattern, const std::string& rule = "") {
    for (const char* day : {"01", "02", "03"}) {
      const std::string name = std::string("kervel_202403") + day + ".csv";
      fs::copy_file(fs::path(TALVE_SOURCE_DIR) / "examples/demo/donnees" / name, fs::path(data) / name);
    }
    DataDescription& d = session.description;
    d.assign("RadioGroup_numlig_balise_ItemIndex", "1");
    d.assign("Edit_balise_deb.text", "Date;");
    d.assign("Edit_num_ligne_donnee.text", "2");
    d.assign("RadioGroup_avec_sans_intitule_ItemIndex", "1");
    d.assign("CheckBox_prelire_tous.Checked", "true");
    d.assign("Edit_format_datetime_mesure.text", pattern);
    d.assign("Edit_f_date_fichier.text", rule);
    return lister_tableau(session);
  }
  bool logged(const std::string& line) const {
    const auto& log = session.log.lines();
    return std::find(log.begin(), log.end(), line) != log.end();
  }
};

TEST_F(NameDateWarning, DayAndMonthSwappedAreToldOnce) {
  for (const char* rule : {"", "aaaammjj,2"}) {
    SCOPED_TRACE(rule);
    SetUp();
    fs::remove_all(data);
    fs::create_directory(data);
    session.log.clear();
    ui.boxes.clear();
    ASSERT_EQ(list_demo("aaaa_jj_mm_hh_mn_ss", rule), ListingResult::completed);
    EXPECT_EQ(cell(1, "date dep"), "03/01/2024 00:04:30");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              " Les dates lues dans ces fichiers sont loin de la date de leur nom :\n\n"
              "   kervel_20240301.csv : 1ère mesure le 03/01/2024 00:04:30, nom du 01/03/2024\n"
              "   kervel_20240302.csv : 1ère mesure le 03/02/2024 00:02:32, nom du 02/03/2024\n\n"
              " vérifier le format des dates <aaaa_jj_mm_hh_mn_ss> (jour et mois inversés ?)");
    EXPECT_TRUE(
        logged(" !!! kervel_20240301.csv : 1ère mesure le 03/01/2024 00:04:30, mais le nom du fichier "
               "porte la date du 01/03/2024 : vérifier le format des dates <aaaa_jj_mm_hh_mn_ss>"));
    // The third day reads the same either way round.
    EXPECT_FALSE(std::any_of(session.log.lines().begin(), session.log.lines().end(),
                             [](const std::string& l) { return l.starts_with(" !!! kervel_20240303"); }));
  }
}

TEST_F(NameDateWarning, DatesThatAgreeWithTheNamesSayNothing) {
  ASSERT_EQ(list_demo("aaaa_mm_jj_hh_mn_ss"), ListingResult::completed);
  EXPECT_EQ(column("date dep"), (Texts{"01/03/2024 00:04:30", "02/03/2024 00:02:32", "03/03/2024 01:00:52"}));
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_FALSE(std::any_of(session.log.lines().begin(), session.log.lines().end(),
                           [](const std::string& l) { return l.starts_with(" !!! "); }));
}

}  // namespace
}  // namespace talve
