// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grid_instants.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/workspace.h"
#include "engine/event_pacer.h"
#include "engine/grid_target.h"
#include "engine/period_values.h"
#include "text/two_threads.h"

namespace talve {
namespace {

constexpr std::int64_t kDay = 86400;

// Appends instants to the grid with the progress text and the event pacing.
class InstantWriter {
 public:
  InstantWriter(GridTarget& target, std::int64_t estimate)
      : m_target(target), m_pacer(target.ws), m_estimate(estimate) {}

  // Returns true when the user asked to stop.
  bool add(std::int64_t seconds) {
    char text[kCanonicalSize];
    write_canonical(instant_value(seconds), text);
    return add(seconds, std::string_view(text, sizeof text));
  }
  // Room for `count` more instants, so that a long grid is not moved to a
  // larger block again and again while it is made.
  void reserve(std::int64_t count) {
    TimeGrid& grid = m_target.grid;
    const auto more = static_cast<std::size_t>(count);
    grid.entries.reserve(grid.entries.size() + more,
                         grid.entries.text().size() + more * (kCanonicalSize + 2));
    grid.instants.reserve(grid.instants.size() + more);
  }
  // The same with the instant's text already written.
  bool add(std::int64_t seconds, std::string_view text) {
    m_target.grid.entries.push_back(text);
    m_target.grid.instants.push_back(instant_value(seconds));
    show_progress();
    ++m_index;
    return m_pacer.tick();
  }

 private:
  void show_progress() {
    // The percentage is worked out again only at the index where it next
    // changes, not with a division for every instant.
    if (m_index < m_next_change) return;
    // An estimate of 0 (an end one step before the start) would divide by
    // zero: the single instant is then the whole of the work.
    const std::int64_t percent = m_estimate > 0 ? m_index * 100 / m_estimate : 100;
    m_next_change =
        m_estimate > 0 ? ((percent + 1) * m_estimate + 99) / 100 : std::numeric_limits<std::int64_t>::max();
    if (percent == m_percent) return;
    m_percent = percent;
    m_target.ws.set_caption("Label_patienter", "2- liste horodatée ... " + std::to_string(percent) + "%   ");
  }

  GridTarget& m_target;
  EventPacer m_pacer;
  std::int64_t m_estimate;
  std::int64_t m_index = 0;
  std::int64_t m_percent = -1;
  std::int64_t m_next_change = 0;
};

// Below this many instants one thread writes their texts.
constexpr std::int64_t kParallelInstants = 16384;

InstantsOutcome add_regular(InstantWriter& writer, std::int64_t start, std::int64_t end, std::int64_t step) {
  const std::int64_t first = start - step;
  const std::int64_t count = step > 0 && end >= first ? (end - first) / step + 1 : 0;
  if (count >= kParallelInstants && std::thread::hardware_concurrency() >= 2) {
    // The texts are written on two threads first (a text per instant is
    // most of the grid's time), then added in order with the progress and
    // the stop test of each instant.
    const std::unique_ptr<char[]> texts(new char[static_cast<std::size_t>(count) * kCanonicalSize]);
    auto text_of = [&texts](std::int64_t i) {
      return texts.get() + static_cast<std::size_t>(i) * kCanonicalSize;
    };
    auto write = [&](std::int64_t from, std::int64_t to) {
      for (std::int64_t i = from; i < to; ++i) write_canonical(instant_value(first + i * step), text_of(i));
    };
    run_on_two_threads([&] { write(count / 2, count); }, [&] { write(0, count / 2); });
    writer.reserve(count);
    for (std::int64_t i = 0; i < count; ++i)
      if (writer.add(first + i * step, std::string_view(text_of(i), kCanonicalSize)))
        return InstantsOutcome::Stopped;
    return InstantsOutcome::Complete;
  }
  for (std::int64_t i = 0;; ++i) {
    const std::int64_t instant = first + i * step;
    if (instant > end) return InstantsOutcome::Complete;
    if (writer.add(instant)) return InstantsOutcome::Stopped;
  }
}

// Months and years: the calendar months are counted from year 0, and each
// instant is the start's day in its month, at midnight.
InstantsOutcome add_calendar(InstantWriter& writer, std::int64_t start, std::int64_t end,
                             std::int64_t months_per_step) {
  const CivilDate from = decode_date_time(instant_value(start)).date;
  const std::int64_t first = static_cast<std::int64_t>(from.year) * 12 + (from.month - 1) - months_per_step;
  for (std::int64_t i = 0;; ++i) {
    const std::int64_t months = first + i * months_per_step;
    const std::int64_t year = floor_div(months, 12);
    const int month = static_cast<int>(months - year * 12) + 1;
    if (year < 1 || year > 9999) return InstantsOutcome::BadDate;
    const auto day = encode_date(static_cast<int>(year), month, from.day);
    if (!day) return InstantsOutcome::BadDate;
    const std::int64_t instant = static_cast<std::int64_t>(*day) * kDay;
    if (instant > end) return InstantsOutcome::Complete;
    if (writer.add(instant)) return InstantsOutcome::Stopped;
  }
}

}  // namespace

InstantsOutcome add_grid_instants(GridTarget& target, std::int64_t start, std::int64_t end, std::int64_t step,
                                  std::int64_t estimate) {
  InstantWriter writer(target, estimate);
  const std::int64_t count = std::llabs(static_cast<long long>(target.ws.period.step_count));
  switch (target.ws.period.step_kind) {
    case StepKind::Time:
    case StepKind::Day:
      return add_regular(writer, start, end, step);
    case StepKind::Month:
      return add_calendar(writer, start, end, count);
    case StepKind::Year:
      return add_calendar(writer, start, end, count * 12);
  }
  return InstantsOutcome::Complete;
}

}  // namespace talve
