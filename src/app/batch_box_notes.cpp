// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/batch_box_notes.h"

#include <array>

namespace talve {
namespace {

struct BoxNote {
  std::string_view fragment;  // found in the box's text
  std::string_view note;      // what the batch mode did instead
};

constexpr std::array<BoxNote, 4> kNotes = {{
    {"( copiées dans le presse-papier )", "le résultat n'est pas copié dans le presse-papier"},
    {"(le fichier de description est également enregistré)", "le fichier de description n'est pas modifié"},
    {"puis les enregistrer avec \"sauver ->\"",
     "les données calculées ne sont pas gardées : relancer avec --output-dir vers un répertoire où écrire"},
    {"le fichier sera ouvert dans le blocnote", "le fichier n'est pas ouvert"},
}};

}  // namespace

std::string batch_note_for(std::string_view box_text) {
  std::string line;
  for (const BoxNote& note : kNotes) {
    if (box_text.find(note.fragment) == std::string_view::npos) continue;
    line += line.empty() ? "--> sans fenêtre : " : " ; ";
    line += note.note;
  }
  return line;
}

}  // namespace talve
