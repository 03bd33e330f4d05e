// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/listing.h"

#include <filesystem>
#include <new>
#include <system_error>

#include "files/check_marks.h"
#include "files/data_folder_check.h"
#include "files/listing_button.h"
#include "session/button_colours.h"
#include "session/description_actions.h"
#include "session/listing_pass.h"
#include "session/listing_sources.h"
#include "session/memory_shortage.h"
#include "session/session.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kAskAbove = 100;

// The busy flag and the hourglass for the length of a listing.
class BusyListing {
 public:
  explicit BusyListing(Session& session) : m_session(session) {
    m_session.flags.busy = true;
    set_stop_live(m_session, true);
    m_session.ui().set_busy(true);
  }
  ~BusyListing() {
    m_session.ui().set_busy(false);
    m_session.flags.busy = false;
  }
  BusyListing(const BusyListing&) = delete;
  BusyListing& operator=(const BusyListing&) = delete;

 private:
  Session& m_session;
};

// Pre-reading every file of a large folder takes long: the user may cancel.
[[nodiscard]] bool large_folder_accepted(Session& s, int shown_count) {
  if (shown_count <= kAskAbove || !s.description.checked("CheckBox_prelire_tous.Checked")) return true;
  const std::string question =
      " le nombre de fichiers à pré-lire est supérieur à 100 (" + std::to_string(shown_count) + ")" + "\n\n" +
      " => très long car <Pré lecture de tous les fichiers> " + "\n\n" + "  Continuer ?";
  return s.ui().ask(MessageType::Confirmation, kYesCancel, question) == Answer::Yes;
}

// The input is made ready and announced. False when the click ends here.
[[nodiscard]] bool prepare_input(Session& s, bool shown_ok, int shown_count) {
  switch (s.flags.input_mode) {
    case InputMode::Spreadsheet:
      s.ajout_suivi("       --> Lire le fichier Excel");
      if (workbook_to_convert(s)) return convert_workbook_for_listing(s);
      return true;
    case InputMode::Clipboard:
      s.ajout_suivi("       --> Lire le presse-papier <" + clipboard_file_path() + ">");
      s.file_table.reset();
      read_clipboard_for_listing(s);
      return true;
    case InputMode::Files:
      break;
  }
  if (!shown_ok) return false;
  s.ajout_suivi(shown_count < 2
                    ? std::string("       --> Lire le fichier")
                    : "       --> Lister les " + std::to_string(shown_count) + " fichiers et lire le 1er");
  return true;
}

}  // namespace

ListingResult lister_tableau(Session& session) {
  // A run lists the files itself, when nothing was pre-read, before it
  // reads them and sets the busy flag.
  if (session.flags.table_edited || session.flags.busy) return ListingResult::not_run;
  BusyListing busy(session);
  try {
    for (;;) {
      switch (run_listing_pass(session)) {
        case PassEnd::no_file:
          return ListingResult::no_file;
        case PassEnd::stopped:
          return ListingResult::stopped;
        case PassEnd::completed:
          return ListingResult::completed;
        case PassEnd::list_again:
          break;
      }
    }
  } catch (const std::bad_alloc&) {
    // The rows made so far stay, as after any stopped listing.
    session.table_state.last_loaded = LoadedFile();
    report_memory_shortage(session);
    return ListingResult::stopped;
  }
}

ListingResult lister_click(Session& s) {
  if (s.busy()) return ListingResult::not_run;
  s.ajout_suivi("");
  int shown_count = 0;
  const bool shown_ok = read_int(trim_view(s.caption("Label54")), shown_count);
  if (shown_ok && !large_folder_accepted(s, shown_count)) return ListingResult::not_run;
  s.set_caption("Label_patienter", "1- listage, patienter ..");
  s.set_caption("Label8", "---");
  s.set_caption("Label10", "---");
  if (!prepare_input(s, shown_ok, shown_count)) return ListingResult::not_run;

  s.set_caption("Memo2", "");
  // A description that cannot be written has said so; the listing uses the
  // settings as they are.
  if (s.description.modified()) static_cast<void>(write_description(s));
  s.flags.table_edited = false;
  const ListingResult result = lister_tableau(s);
  restore_check_marks(s.file_table, s.table_state.checked_files);
  return result;
}

ListingResult reafficher_tableau_complet(Session& s) {
  if (s.busy()) return ListingResult::not_run;
  s.flags.table_edited = false;
  const ListingResult result = lister_tableau(s);
  restore_check_marks(s.file_table, s.table_state.checked_files);
  return result;
}

int relister_apres_entree(Session& s) {
  if (s.busy()) return -1;
  // The listing tells its own outcome in the table and its boxes.
  return relist_after_enter(s, [&s](const std::vector<FoundFile>&) { static_cast<void>(lister_tableau(s)); });
}

void titre_lister(Session& session) { refresh_listing_button(session); }

}  // namespace talve
