// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/period_edits.h"

#include <array>
#include <functional>

#include "core/period_file.h"
#include "engine/grid_build.h"
#include "engine/grid_target.h"
#include "engine/period_values.h"
#include "session/session.h"

namespace talve {
namespace {

GridTarget target_of(Session& s) { return GridTarget{s, s.grid, s.result_list}; }

using Copy = std::function<bool(GridTarget&, const std::string&)>;

struct PeriodCopy {
  std::string_view label;
  Copy copy;
};

const std::array<PeriodCopy, 7>& period_copies() {
  static const std::array<PeriodCopy, 7> copies = {{
      {"Label_date_min",
       [](GridTarget& g, const std::string& c) { return copy_listing_date(g, PeriodBound::Start, c); }},
      {"Label_date_max",
       [](GridTarget& g, const std::string& c) { return copy_listing_date(g, PeriodBound::End, c); }},
      {"Label_date_heure_min",
       [](GridTarget& g, const std::string& c) { return copy_listing_instant(g, PeriodBound::Start, c); }},
      {"Label_date_heure_max",
       [](GridTarget& g, const std::string& c) { return copy_listing_instant(g, PeriodBound::End, c); }},
      {"Label_min_dsc",
       [](GridTarget& g, const std::string& c) { return copy_last_run_bound(g, PeriodBound::Start, c); }},
      {"Label_max_dsc",
       [](GridTarget& g, const std::string& c) { return copy_last_run_bound(g, PeriodBound::End, c); }},
      {"Label_pas_dsc", [](GridTarget& g, const std::string& c) { return copy_last_run_step(g, c); }},
  }};
  return copies;
}

}  // namespace

void change_period_start(Session& s, TDateTime value) {
  GridTarget target = target_of(s);
  static_cast<void>(set_period_start(target, value));
}

void change_period_end(Session& s, TDateTime value) {
  GridTarget target = target_of(s);
  static_cast<void>(set_period_end(target, value));
}

void change_step_time(Session& s, TDateTime value) {
  GridTarget target = target_of(s);
  static_cast<void>(set_step_time(target, value));
}

void change_step_count(Session& s, int count) {
  GridTarget target = target_of(s);
  static_cast<void>(set_step_count(target, count));
}

void change_step_kind(Session& s, StepKind kind) {
  if (s.busy()) return;
  GridTarget target = target_of(s);
  static_cast<void>(set_step_kind(target, kind));
  show_step_kind(s);
}

void change_date_test(Session& s, DateTest test) {
  GridTarget target = target_of(s);
  static_cast<void>(set_date_test(target, test));
}

void change_offset_days(Session& s, int days) {
  GridTarget target = target_of(s);
  static_cast<void>(set_offset_days(target, days));
}

bool zero_period_time(Session& s, PeriodTime which) {
  GridTarget target = target_of(s);
  return zero_time(target, which);
}

std::span<const std::string_view> period_copy_labels() {
  static const auto labels = [] {
    std::array<std::string_view, 7> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = period_copies()[i].label;
    return names;
  }();
  return labels;
}

bool copy_into_period(Session& s, std::string_view label) {
  for (const PeriodCopy& c : period_copies()) {
    if (c.label != label) continue;
    GridTarget target = target_of(s);
    return c.copy(target, s.caption(label));
  }
  return false;
}

void show_period_captions(Session& s) {
  set_start_caption(s, period_start(s));
  set_end_caption(s, period_end(s));
}

bool creer_liste_horodatee_click(Session& s) {
  GridTarget target = target_of(s);
  const GridResult result = create_grid_with_confirmation(target);
  return result.outcome == GridOutcome::Built || result.outcome == GridOutcome::Stopped;
}

}  // namespace talve
