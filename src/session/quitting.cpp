// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/quitting.h"

#include "core/working_files.h"
#include "session/colour_actions.h"
#include "session/description_actions.h"
#include "session/pending_links.h"
#include "session/session.h"
#include "session/startup.h"
#include "text/ascii.h"

namespace talve {
namespace {

// In clipboard mode the description in use is usually the one of another
// family of files: a name of its own is offered. False on Cancel.
[[nodiscard]] bool offer_clipboard_description(Session& session) {
  DataDescription& description = session.description;
  if (session.flags.input_mode != InputMode::Clipboard || contains(description.file_name(), "(ppp"))
    return true;
  const std::string proposed = propose_description_name(description);
  const std::string question =
      "avant de quitter, enregistrer une description propre au Presse-Papier ?\n\n "
      "(Non) actuelle : " +
      description.file_name() + "\n\n" + " (Oui) proposée : " + proposed + "\n\n" + "  (Annuler)  = retour";
  const Answer answer = session.ui().ask(MessageType::Confirmation, kYesNoCancel, question);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::Yes) show_description_name(session, proposed);
  description.mark_modified();
  return true;
}

// Saves what the description and the period need. False when the user,
// told that the description could not be written, chose to stay.
[[nodiscard]] bool save_on_leaving(Session& session) {
  DataDescription& description = session.description;
  if (description.modified()) save_before_leaving(session);
  if (session.period.changed) save_period_file(session);
  if (!description.is_current() || write_description(session)) return true;
  return session.ui().ask(MessageType::Warning, kYesNo,
                          " La description n'a pas pu être enregistrée.\n\n Quitter quand même ?") ==
         Answer::Yes;
}

}  // namespace

bool quit_program(Session& session, QuitOrigin origin) {
  if (origin == QuitOrigin::ExitButton) {
    close_folder_chooser(session);
    hide_colour_panel(session);
    hide_drive_panel(session);
  }
  if (!offer_clipboard_description(session)) return false;
  if (session.ui().ask(MessageType::Confirmation, kYesNo, "Quitter  ?\n") != Answer::Yes) return false;
  if (!save_on_leaving(session)) return false;
  delete_working_files();
  return true;
}

}  // namespace talve
