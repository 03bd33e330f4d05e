// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grid_build.h"

#include <algorithm>

#include <chrono>
#include <new>
#include <thread>

#include "core/size_limits.h"
#include "core/workspace.h"
#include "engine/grid_calendar_checks.h"
#include "engine/grid_instants.h"
#include "engine/grid_target.h"
#include "engine/period_values.h"
#include "text/clock.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kLargeGrid = 32000;
const char* const kProgress = "2- liste horodatée ... ";
const char* const kGridButton = "SpeedButton_creer_listes_date_clean";

void begin_build(GridTarget& target) {
  Workspace& ws = target.ws;
  ws.flags.stop = false;
  ws.flags.busy = true;
  ws.ui().set_busy(true);
  ws.set_caption("Label_patienter", std::string(kProgress) + " 0%  ");
  ws.set_visible("Label_patienter", true);
  ws.set_colour(kGridButton, ColourPart::Text, ControlColour::of(kRed));
  ws.ajout_suivi("");
  ws.ajout_suivi("       --> liste horodatée");
  target.grid.clear();
}

void end_build(GridTarget& target) {
  Workspace& ws = target.ws;
  ws.set_visible("Label_patienter", false);
  ws.set_colour(kGridButton, ColourPart::Text, ControlColour::of(kBlue));
  ws.ui().set_busy(false);
  ws.flags.busy = false;
}

GridResult abandon(GridTarget& target, GridOutcome outcome = GridOutcome::Abandoned) {
  end_build(target);
  return GridResult{outcome, {}};
}

// The instants of the period could not be held in the memory left: none
// is kept, which gives that memory back for the message.
GridResult refuse_for_memory(GridTarget& target) {
  target.grid = TimeGrid();
  target.result_list = TextRows();
  target.ws.ajout_suivi(" !!! mémoire insuffisante");
  target.ws.ui().ask(MessageType::Error, kOkButton,
                     " Mémoire insuffisante pour la liste horodatée\n\n"
                     "   allonger le pas ou raccourcir la période ...");
  return abandon(target, GridOutcome::OutOfMemory);
}

// The "100%" text stays up for a moment while the window keeps working.
void hold_progress(GridTarget& target) {
  Workspace& ws = target.ws;
  ws.set_caption("Label_patienter", std::string(kProgress) + "100%   ");
  const double until = monotonic_seconds() + target.progress_hold_seconds;
  while (monotonic_seconds() < until) {
    ws.ui().process_events();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void write_report(Workspace& ws, std::int64_t span, std::int64_t estimate) {
  const std::int64_t days = round_half_even(span, kDay);
  ws.ajout_suivi("");
  ws.ajout_suivi("de " + ws.period.start_caption);
  ws.ajout_suivi("à  " + ws.period.end_caption + "  " + std::to_string(days) + " jour" +
                 (days > 1 ? "s" : ""));
  ws.ajout_suivi("nb dates = " + std::to_string(estimate));
  ws.ajout_suivi("pas = " + step_time_text(ws.period));
}

GridResult finish(GridTarget& target, GridOutcome outcome, std::int64_t step) {
  Workspace& ws = target.ws;
  hold_progress(target);
  const std::int64_t n = target.grid.count();
  const CountCaption count = count_caption(n, step);
  ws.period.count_caption = count.text;
  show_count(ws, count);
  ws.set_caption("Label_nr_final", format_grouped(n - 1));
  end_build(target);
  ws.flags.startup = false;
  return GridResult{outcome, count};
}

}  // namespace

GridResult create_grid(GridTarget& target) {
  Workspace& ws = target.ws;
  // A listing or a build is letting the window work: the grid it reads
  // stays. A run builds its own grid before it sets the flag.
  if (ws.flags.busy) return {};
  begin_build(target);
  const std::int64_t step = step_seconds(ws.period);
  if (step == 0) {
    ws.ui().ask(MessageType::Error, kOkButton,
                " le pas est à zéro\n\n   corriger cette valeur et relancer ...");
    return abandon(target);
  }
  if (!run_calendar_checks(target)) return abandon(target);

  const std::int64_t start = instant_seconds(period_start(ws));
  const std::int64_t end = instant_seconds(period_end(ws));
  const std::int64_t span = end - (start - step);
  const std::int64_t estimate = count_estimate(span, step);
  if (estimate > kMaxGridInstants) {
    ws.ui().ask(MessageType::Error, kOkButton,
                "\n\n   Le nombre de lignes à générer (" + format_grouped(estimate) +
                    ") dépasse la limite de " + format_grouped(kMaxGridInstants) +
                    " lignes.\n\n   allonger le pas ou raccourcir la période ...");
    return abandon(target);
  }
  if (estimate > kLargeGrid &&
      ws.ui().ask(MessageType::Information, kYesNo,
                  "\n\n   Le nombre de lignes à générer est supérieur à 32000       .\n\n   continuer ? ") !=
          Answer::Yes)
    return abandon(target);
  if (!ws.flags.startup) write_report(ws, span, estimate);

  target.grid.clear();
  target.result_list.clear();
  InstantsOutcome added = InstantsOutcome::BadDate;
  try {
    // Room for the estimated instants, so that the lists are not copied as
    // they grow; beyond four million, they grow as they need.
    const auto room = static_cast<std::size_t>(std::clamp<std::int64_t>(estimate, 0, 1 << 22)) + 2;
    target.grid.entries.reserve(room, room * (kCanonicalSize + 2));
    target.grid.instants.reserve(room);
    target.grid.entries.push_back("_intitulés des colonnes");
    target.grid.instants.push_back(0.0);
    added = add_grid_instants(target, start, end, step, estimate);
  } catch (const std::bad_alloc&) {
    return refuse_for_memory(target);
  }
  switch (added) {
    case InstantsOutcome::Complete:
      return finish(target, GridOutcome::Built, step);
    case InstantsOutcome::Stopped:
      return finish(target, GridOutcome::Stopped, step);
    case InstantsOutcome::BadDate:
      break;
  }
  // A grid that skipped or stopped short of a month would misplace every
  // value after it: none is kept.
  target.grid.clear();
  ws.ui().ask(MessageType::Error, kOkButton, "Argument incorrect pour l'encodage de date");
  return abandon(target, GridOutcome::Failed);
}

GridResult create_grid_with_confirmation(GridTarget& target) {
  Workspace& ws = target.ws;
  if (ws.busy()) return {};
  const Period& period = ws.period;
  const std::int64_t step = step_seconds(period);
  if (step == 0) {
    ws.ui().ask(MessageType::Error, kOkButton,
                " le pas est à zéro\n\n   <" + step_time_text(period) + ">  \n\n" +
                    "   corriger cette valeur et relancer ...");
    return {};
  }
  const std::int64_t span = instant_seconds(period_end(ws)) - instant_seconds(period_start(ws));
  const std::int64_t estimate = count_estimate(span, step);
  if (estimate <= 0) {
    ws.ui().ask(MessageType::Error, kOkButton,
                " la date de fin est antérieure à la date de début\n\n  début " + period.start_caption +
                    "  \n\n" + "  fin   " + period.end_caption + "  \n\n" + "   corriger cette valeur ...");
    return {};
  }
  const std::string question = " Créer une nouvelle liste de dates régulières ? \n\n\n du " +
                               period.start_caption + "\n\n" + " au " + period.end_caption + "\n\n" +
                               " au pas de " + step_time_text(period) + "\n\n" + " => " +
                               std::to_string(estimate) + " dates" + days_text(estimate, step) + "\n\n";
  if (ws.ui().ask(MessageType::Confirmation, kYesNoCancel, question) != Answer::Yes) return {};
  ws.set_caption("Memo2", "");
  show_count(ws, count_caption(estimate, step));
  return create_grid(target);
}

}  // namespace talve
