// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the one data file of a whole run: listing with pre-reading,
// time grid, processing and result writing, as the batch mode makes them.
// Whatever the file holds, the run ends, and when it says it wrote a result,
// the result has its title row and one row per grid instant.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "fuzz_support.h"
#include "session/listing.h"
#include "session/processing_run.h"
#include "session/session.h"

namespace {

namespace fs = std::filesystem;

// The folders of every run, made once per process: a memory file system
// when there is one, so that the result writer's flushes cost nothing.
struct Folders {
  std::string data;
  std::string output;
};

const Folders& folders() {
  static const Folders made = [] {
    std::string root =
        (fs::exists("/dev/shm") ? std::string("/dev/shm") : fs::temp_directory_path().string()) +
        "/talve-batch-fuzz-XXXXXX";
    if (::mkdtemp(root.data()) == nullptr) std::abort();
    Folders f{root + "/donnees/", root + "/sorties/"};
    fs::create_directories(f.data);
    fs::create_directories(f.output);
    fs::create_directories(root + "/maison");
    ::setenv("TALVE_HOME", (root + "/maison").c_str(), 1);
    static std::string removed_at_exit = root;
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(removed_at_exit, ec);
    });
    return f;
  }();
  return made;
}

// ";" separator, the titles on line 1, "aaaa_mm_jj_hh_mn_ss" in column 1,
// missing-value texts and bounds, every file pre-read.
void describe(talve::Session& s, const Folders& f) {
  talve::DataDescription& d = s.description;
  d.assign("dossier_choisi", f.data);
  d.assign("dossier_choisi_sortie", f.output);
  d.assign("Edit_masque.text", "csv");
  d.assign("RadioGroup_separateur_colonne_ItemIndex", "2");
  d.assign("RadioGroup_avec_sans_intitule_ItemIndex", "0");
  d.assign("Edit_num_ligne_intitule_col.text", "1");
  d.assign("Edit_num_ligne_donnee.text", "2");
  d.assign("RadioGroup_numlig_balise_ItemIndex", "0");
  d.assign("Edit_num_col_datetime.text", "1");
  d.assign("Edit_format_datetime_mesure.text", "aaaa_mm_jj_hh_mn_ss");
  d.assign("Edit_equiv_na.text", "NA;-99999;-1");
  d.assign("Edit_min_na.text", "-500");
  d.assign("Edit_max_na.text", "1e6");
  d.assign("Edit_NA.text", "NA");
  d.assign("Edit_nb_decimale.text", "2");
  d.assign("Edit_nom_fic_sortie.text", "res");
  d.assign("CheckBox_inc_nom.Checked", "false");
  d.assign("CheckBox_prelire_tous.Checked", "true");
  d.assign("Edit_f_station.text", "1");
  d.assign("Edit_f_date_fichier.text", "");
  // Four hourly instants: a short grid keeps every input fast.
  talve::Period& p = s.period;
  p.start_caption = "01/01/2021 01:00:00";
  p.end_caption = "01/01/2021 04:00:00";
  p.step_time = 1.0 / 24;
  p.step_kind = talve::StepKind::Time;
  p.date_test = talve::DateTest::LessOrEqual;
  p.changed = false;
  s.run.keep_settings_files = true;
  s.table_state.leave_out_refused_files = true;
}

void write_file(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void empty_folder(const std::string& folder) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) fs::remove(entry.path(), ec);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Folders& f = folders();
  write_file(f.data + "station_1.csv", std::string_view(reinterpret_cast<const char*>(data), size));

  talve::fuzz::SilentInterface ui;
  talve::Session session(ui);
  describe(session, f);
  if (talve::lister_tableau(session) == talve::ListingResult::completed &&
      session.file_table.file_row_count() >= 1) {
    talve::GridTarget target{session, session.grid, session.result_list, 0.0};
    if (talve::create_grid(target).outcome != talve::GridOutcome::Built) talve::fuzz::disagree();
    if (talve::traiter_fichier_click(session) == talve::RunOutcome::Written) {
      // The title row, then one row per instant of the grid.
      if (session.result_list.size() != 5) talve::fuzz::disagree();
    }
  }
  empty_folder(f.output);
  return 0;
}
