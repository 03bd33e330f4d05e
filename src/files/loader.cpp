// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/loader.h"

#include <sys/stat.h>

#include <algorithm>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/workspace.h"
#include "files/byte_substitution.h"
#include "files/data_block.h"
#include "files/file_survey.h"
#include "files/parallel_read.h"
#include "text/encoding.h"
#include "text/system_error.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kTabulationChoice = 0;
constexpr int kByMarkers = 1;
constexpr int kWithoutTitles = 1;
constexpr int kClipboardPreviewLines = 3;

std::string clipboard_too_short(std::size_t size, const std::vector<std::string_view>& lines) {
  std::string text = " le presse papier ne contient que " + std::to_string(size) + " octets\n\n" +
                     " 3 premières lignes :\n" + "==============================\n";
  // A clipboard of fewer than three lines shows the lines it has.
  for (std::size_t i = 0; i < lines.size() && i < kClipboardPreviewLines; ++i) {
    text += lines[i];
    text += "\n";
  }
  text += "==============================\n\n";
  text += " => Annuler pour   Recopier les données du fichier Excel";
  return text;
}

// A file that is there but cannot be read is told apart from one that is
// not there, with the system's reason; the log (and so the report) names
// it too.
void tell_missing(Workspace& ws, const std::string& path, int error) {
  const std::string shown = name_as_text(path);
  if (error == ENOENT) {
    ws.ui().message("fichier inexistant\n" + shown);
    return;
  }
  const std::string reason = system_error_text(error);
  ws.ajout_suivi("fichier illisible => " + shown + " : " + reason);
  ws.ui().message("fichier illisible\n" + shown + "\n\n " + reason);
}

// What a load does with the bytes of a file, from the settings.
struct LoadPlan {
  bool tabulation = false;
  Substitution first = Substitution::None;
  bool first_copy = false;  // the source is copied with a substitution on the first load
  long long minimum_lines = 0;
  bool unreadable_characters = false;  // `CheckBox_car_null`
  bool clipboard_mask = false;         // "ppp"

  static LoadPlan of(const Workspace& ws) {
    const DataDescription& description = ws.description;
    LoadPlan plan;
    plan.tabulation = description.choice("RadioGroup_separateur_colonne_ItemIndex") == kTabulationChoice;
    const bool files = ws.flags.input_mode == InputMode::Files;
    plan.first_copy = plan.tabulation || files;
    plan.first = plan.tabulation ? Substitution::Tabulation
                 : files         ? Substitution::NulToStandIn
                                 : Substitution::None;
    plan.minimum_lines = line_number_setting(description, "Edit_num_ligne_donnee.text") + 2;
    plan.unreadable_characters = description.checked("CheckBox_car_null.Checked");
    plan.clipboard_mask = description.text("Edit_masque.text") == "ppp";
    return plan;
  }

  bool second_load(std::size_t line_count) const {
    return static_cast<long long>(line_count) < minimum_lines || unreadable_characters;
  }
  bool clipboard_refusal(std::size_t line_count) const {
    return second_load(line_count) && !tabulation && clipboard_mask;
  }
  Substitution final_substitution(std::size_t line_count) const {
    return second_load(line_count) && !tabulation ? Substitution::NulToUnderscore : first;
  }
  // The messages of a file that could not be read or held nothing.
  void report(Workspace& ws, WholeFileState state, int error, std::size_t line_count,
              const std::string& path) const {
    // The spreadsheet's converted file is read as it is, and so is the
    // clipboard file: a missing one is reported like any other data file.
    if (state == WholeFileState::Missing) tell_missing(ws, path, error);
    const bool copies_source = first_copy || (second_load(line_count) && !clipboard_refusal(line_count));
    if (state == WholeFileState::Empty && copies_source)
      ws.ajout_suivi("fichier VIDE => " + name_as_text(path));
  }
};

bool larger_than(const std::string& path, std::size_t bytes) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         static_cast<std::size_t>(status.st_size) > bytes;
}

SurveyRequest survey_request(const Workspace& ws, const std::string& path, Substitution substitution,
                             const LoadLimits& limits) {
  const DataDescription& d = ws.description;
  SurveyRequest request;
  request.source = PieceSource{path, substitution, std::min(limits.piece_bytes, kReadBytes)};
  request.by_markers = d.choice("RadioGroup_numlig_balise_ItemIndex") == kByMarkers;
  request.begin_marker = d.text("Edit_balise_deb.text");
  request.end_marker = d.text("Edit_balise_fin.text");
  request.first_line_number = line_number_setting(d, "Edit_num_ligne_donnee.text");
  request.title = d.choice("RadioGroup_avec_sans_intitule_ItemIndex") == kWithoutTitles
                      ? -1
                      : line_number_setting(d, "Edit_num_ligne_intitule_col.text") - 1;
  request.head_lines = limits.head_lines;
  request.head_and_tail = !limits.held_whole;
  request.minimum_lines = request.first_line_number + 2;
  return request;
}

// A file too large to be held: read in pieces, and read again when the
// second load rewrites its bytes otherwise than the first did (the line
// count that decides it is known only at the end).
bool load_in_pieces(Workspace& ws, const std::string& path, const LoadPlan& plan, const LoadLimits& limits,
                    LoadedFile& out) {
  // With `CheckBox_car_null` the second load is sure (unless it is refused):
  // its bytes are read from the start.
  Substitution used =
      plan.unreadable_characters && !plan.clipboard_refusal(0) ? plan.final_substitution(0) : plan.first;
  Survey survey = survey_in_pieces(survey_request(ws, path, used, limits));
  std::size_t line_count = survey.file.size();
  const Substitution wanted = plan.final_substitution(line_count);
  if (survey.state == WholeFileState::Read && wanted != used && !plan.clipboard_refusal(line_count)) {
    used = wanted;
    survey = survey_in_pieces(survey_request(ws, path, used, limits));
    line_count = survey.file.size();
  }
  plan.report(ws, survey.state, survey.error, line_count, path);
  out = survey.file;
  if (plan.clipboard_refusal(line_count)) {
    ws.ui().ask(MessageType::Warning, kCancel, clipboard_too_short(survey.bytes, out.first_lines()));
    return false;
  }
  return true;
}

}  // namespace

bool load_data_file(Workspace& ws, const std::string& path, LoadedFile& out, const LoadLimits& limits) {
  out = LoadedFile();
  std::error_code error;
  if (ws.flags.input_mode == InputMode::Clipboard && !std::filesystem::exists(path, error)) {
    ws.ui().message("fichier introuvable \n\n" + name_as_text(path));
    return false;
  }
  const LoadPlan plan = LoadPlan::of(ws);
  if (!limits.held_whole || larger_than(path, limits.piece_bytes))
    return load_in_pieces(ws, path, plan, limits, out);

  std::vector<std::string_view> lines;
  WholeFile file = read_and_split(path, lines);
  // Neither NUL nor TAB ends a line, so the lines are the same before and
  // after the substitutions: cut once, rewrite the bytes under the views.
  plan.report(ws, file.state, file.error, lines.size(), path);
  if (plan.clipboard_refusal(lines.size())) {
    apply_substitution(plan.first, file.bytes->data(), file.bytes->size(), file.may_hold_nul);
    out = LoadedFile(file.bytes, lines);
    ws.ui().ask(MessageType::Warning, kCancel, clipboard_too_short(file.bytes->size(), lines));
    return false;
  }
  apply_substitution(plan.final_substitution(lines.size()), file.bytes->data(), file.bytes->size(),
                     file.may_hold_nul);
  out = LoadedFile(std::move(file.bytes), std::move(lines));
  return true;
}

}  // namespace talve
