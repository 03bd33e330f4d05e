// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/clipboard_import.h"

#include "inputs/clipboard_reading.h"
#include "session/description_actions.h"
#include "session/session.h"

namespace talve {
namespace {

// The mask and the modified mark before the import, put back when the user
// does not keep it.
struct Remembered {
  std::string mask;
  bool modified = false;
};

void put_back(Session& s, const Remembered& before) {
  DataDescription& description = s.description;
  if (description.text("Edit_masque.text") != before.mask)
    description.assign("Edit_masque.text", before.mask);
  switch_input_mode(s);
  if (before.modified)
    description.mark_modified();
  else
    description.clear_modified();
}

}  // namespace

void presse_papier_click(Session& s) {
  if (s.busy()) return;
  if (s.ui().ask(MessageType::Confirmation, kYesCancel,
                 "=== Presse-Papiers ===\n\n  Voulez-vous importer les données du presse-papier") !=
      Answer::Yes)
    return;
  DataDescription& description = s.description;
  const Remembered before{description.text("Edit_masque.text"), description.modified()};
  s.file_table.reset();
  s.set_caption("Memo1", "");
  s.set_caption("Memo6", "");

  const ClipboardRead read = read_clipboard(s);
  // Nothing was read: the former input stays the input.
  if (!read.read) {
    put_back(s, before);
    return;
  }
  if (s.ui().ask(MessageType::Information, kYesCancel, clipboard_contents_question(read)) == Answer::Yes)
    static_cast<void>(save_description_as(s));
  else
    put_back(s, before);
}

}  // namespace talve
