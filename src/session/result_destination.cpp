// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/result_destination.h"

#include <filesystem>

#include "core/folder_paths.h"
#include "output/result_name.h"
#include "session/description_actions.h"
#include "session/progress_display.h"
#include "session/session.h"
#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

bool exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(file_system_path(path), ec));
}

std::string output_folder(const Session& s) { return s.description.text("dossier_choisi_sortie"); }

// No: the user picks another name, or cancels and the results go to a
// fallback file that the log names.
ResultDestination ask_other_name(Session& s, const ResultName& name) {
  FileDialogRequest request;
  request.title = "enregistrement des résultats de calcul";
  request.initial_folder = output_folder(s);
  request.filter = "Fichiers texte (*.txt)|*.txt|Tous les fichiers (*.*)|*.*";
  request.proposed_name = name.stem;
  request.confirm_overwrite = true;
  if (const auto chosen = s.ui().save_file(request)) {
    const std::string path = with_txt_extension(*chosen);
    return {path, path};
  }
  const std::string fallback = output_folder(s) + "~résultats.txt";
  s.ajout_suivi("");
  s.ajout_suivi(" données calculées récupérables dans " + fallback);
  return {fallback, name.report_pattern};
}

}  // namespace

void keep_results_out_of_data_folder(Session& s) {
  DataDescription& d = s.description;
  const std::string data_folder = d.text("dossier_choisi");
  if (upper_ascii(d.text("Edit_masque.text")) != "TXT" || data_folder.empty() ||
      !same_folder(output_folder(s), data_folder))
    return;
  const std::string export_folder = chemin_avec_barre(data_folder) + "Export/";
  std::error_code ec;
  fs::create_directories(file_system_path(export_folder), ec);
  if (!fs::is_directory(file_system_path(export_folder), ec)) {
    s.ui().ask(MessageType::Error, kOkButton, "Impossible de créer le répertoire  " + export_folder);
    return;
  }
  d.set_text("dossier_choisi_sortie", export_folder);
  d.mark_modified();
  show_folder_labels(s);
}

ResultDestination choose_result_destination(Session& s) {
  const DataDescription& d = s.description;
  NameValues values;
  values.total_duration = total_duration(s.run);
  values.start_caption = s.period.start_caption;
  values.end_caption = s.period.end_caption;
  values.grid_count = s.results.grid_count;
  const ResultName name = result_name(d.text("Edit_nom_fic_sortie.text"), values);
  const std::string folder = output_folder(s);
  if (d.checked("CheckBox_inc_nom.Checked")) return {first_free_path(folder, name), name.report_pattern};
  const std::string path = folder + name.file_name();
  if (!exists(path) || s.ui().ask(MessageType::Warning, kYesNo, overwrite_question(path)) == Answer::Yes)
    return {path, name.report_pattern};
  return ask_other_name(s, name);
}

}  // namespace talve
