// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/input_mode_controls.h"

#include <array>

namespace talve {
namespace {

constexpr std::array<InputModeRow, 15> kRows = {{
    // control                   files  spreadsheet clipboard
    {"SpeedButton_presse_papier", true, true, false},
    {"Label_masque", true, true, false},
    {"Edit_masque", true, true, false},
    {"Label_nb_fichiers_rep", true, true, false},
    {"Label54", true, true, false},
    {"Label_f_station", true, false, false},
    {"Edit_f_station", true, false, false},
    {"Label_f_date_fichier", true, false, false},
    {"Edit_f_date_fichier", true, false, false},
    {"SpeedButton_date_fic", true, false, false},
    {"Label_nom_de_fichier", true, false, false},
    {"Label_nom_fic_excel", false, true, false},
    {"Label_feuille", false, true, false},
    {"Edit_num_feuille_excel", false, true, false},
    {"Label_nom_feuille", false, true, false},
}};

}  // namespace

std::span<const InputModeRow> input_mode_rows() { return kRows; }

bool shown_in_mode(const InputModeRow& row, InputMode mode) {
  switch (mode) {
    case InputMode::Spreadsheet:
      return row.spreadsheet;
    case InputMode::Clipboard:
      return row.clipboard;
    case InputMode::Files:
      break;
  }
  return row.files;
}

std::string_view listing_hint(InputMode mode) {
  switch (mode) {
    case InputMode::Spreadsheet:
      return " ci-dessous le fichier XLS ciblé du répertoire de données ";
    case InputMode::Clipboard:
      return " ci-dessous le fichier temporaire issu du presse-papier ";
    case InputMode::Files:
      break;
  }
  return " lister ci-dessous les fichiers du répertoire de données ";
}

void show_input_mode(Workspace& ws) {
  for (const InputModeRow& row : kRows) ws.set_visible(row.control, shown_in_mode(row, ws.flags.input_mode));
  for (const char* label : {"Label6", "Label8", "Label10"}) ws.set_caption(label, "---");
  for (const char* counter : {"Label_nlig_impliquee", "Label5", "Label19"}) ws.set_caption(counter, "--");
}

}  // namespace talve
