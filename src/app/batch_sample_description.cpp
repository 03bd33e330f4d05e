// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_sample_description.h"

#include <filesystem>
#include <ostream>

#include "app/batch_options.h"
#include "app/batch_run.h"
#include "app/console_interface.h"
#include "core/description_file.h"
#include "core/folder_paths.h"
#include "core/program_folder.h"
#include "session/sample_description.h"
#include "session/session.h"
#include "text/encoding.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

// Beside the sample, its name with ".dsc" for its extension.
std::string description_beside(const std::string& sample) {
  fs::path path(file_system_path(sample));
  path.replace_extension(".dsc");
  return name_as_text(path.string());
}

int refuse(ConsoleInterface& ui, const std::string& reason) {
  ui.note("aucune description écrite : " + reason);
  return kBatchNoResult;
}

}  // namespace

int run_inspection(const BatchOptions& options, std::ostream& out, ConsoleInterface& ui) {
  const std::string sample = absolute_path(*options.inspect);
  std::error_code ec;
  if (!fs::is_regular_file(file_system_path(sample), ec))
    return refuse(ui, "fichier exemplaire introuvable : " + sample);
  const std::string target =
      absolute_path(options.inspect_output ? *options.inspect_output : description_beside(sample));
  if (fs::exists(file_system_path(target), ec) && !options.force)
    return refuse(ui, "le fichier " + target + " existe déjà (--force pour le remplacer)");

  ui.accept_corrections();
  Session session(ui);
  session.run.keep_settings_files = true;
  DataDescription& d = session.description;
  d.reset_to_absent_values(program_folder());
  d.assign("dossier_description", folder_of(target));
  d.set_file_name(name_as_text(fs::path(file_system_path(target)).filename().string()));

  if (inspect_sample(session, sample) != SampleOutcome::Inspected)
    return refuse(ui, "l'exemplaire " + sample + " n'a pas pu être lu");
  // The inspection may have named a temporary description: the one asked
  // for is written.
  d.assign("dossier_description", folder_of(target));
  d.set_file_name(name_as_text(fs::path(file_system_path(target)).filename().string()));
  std::string error;
  if (!write_description_file(target, d, &error)) return refuse(ui, target + " : " + error);
  out << cp1252_to_utf8(target) << '\n';
  out.flush();
  if (!out.good()) return kBatchNoResult;
  return kBatchWritten;
}

}  // namespace talve
