// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/date_pattern_proposal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <tuple>

#include "text/ascii.h"
#include "text/compiled_date_template.h"
#include "text/date_columns.h"
#include "text/date_pattern.h"
#include "text/date_pattern_fields.h"
#include "text/tdatetime.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::size_t kSampledLines = 100;
constexpr int kFieldsTried = 12;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

struct DigitRun {
  std::size_t start = 0;
  std::size_t length = 0;
};

// Where the value holds an offset from UTC ("+01:00", "-05:30") or a final
// "Z" after its time, and where it holds "AM" or "PM".
struct ValueMarks {
  std::size_t offset = std::string::npos;
  std::size_t offset_length = 0;
  std::size_t meridiem = std::string::npos;
};

ValueMarks marks_of(std::string_view v) {
  ValueMarks marks;
  for (std::size_t i = 1; i + 5 < v.size() + 1 && i < v.size(); ++i) {
    if ((v[i] == '+' || v[i] == '-') && i + 6 <= v.size() && is_digit(v[i + 1]) && is_digit(v[i + 2]) &&
        v[i + 3] == ':' && is_digit(v[i + 4]) && is_digit(v[i + 5]) && is_digit(v[i - 1]) &&
        v.find(':') < i) {
      marks.offset = i;
      marks.offset_length = 6;
      break;
    }
  }
  if (marks.offset == std::string::npos && v.size() > 1 && (v.back() == 'Z' || v.back() == 'z') &&
      is_digit(v[v.size() - 2])) {
    marks.offset = v.size() - 1;
    marks.offset_length = 1;
  }
  for (std::size_t i = 0; i + 1 < v.size(); ++i) {
    const char a = static_cast<char>(v[i] & ~0x20);
    const char b = static_cast<char>(v[i + 1] & ~0x20);
    if ((a == 'A' || a == 'P') && b == 'M') {
      marks.meridiem = i;
      break;
    }
  }
  return marks;
}

std::vector<DigitRun> digit_runs(std::string_view v, const ValueMarks& marks) {
  std::vector<DigitRun> runs;
  for (std::size_t i = 0; i < v.size();) {
    if (marks.offset != std::string::npos && i >= marks.offset && i < marks.offset + marks.offset_length) {
      i = marks.offset + marks.offset_length;
      continue;
    }
    if (!is_digit(v[i])) {
      ++i;
      continue;
    }
    DigitRun run{i, 0};
    while (i < v.size() && is_digit(v[i])) ++i;
    run.length = i - run.start;
    runs.push_back(run);
  }
  return runs;
}

using Roles = std::vector<std::string>;

// The date readings the first digit groups may carry.
std::vector<Roles> date_roles(std::string_view v, const std::vector<DigitRun>& runs) {
  std::vector<Roles> out;
  if (runs.empty()) return out;
  const std::size_t first = runs[0].length;
  const std::size_t k = runs.size();
  if (first == 4 && k >= 3) out.push_back({"aaaa", "mm", "jj"});
  // A day of the year comes with at most a time after it (year, day, HHMM),
  // written apart from its year: "2010 48", never "2010-01".
  const auto apart = [&](std::size_t i) {
    const char c = v[runs[i].start + runs[i].length];
    return c == ' ' || c == ',' || c == ';';
  };
  if (first == 4 && k >= 2 && k <= 3 && runs[1].length <= 3 && (runs[1].length == 3 || apart(0)))
    out.push_back({"aaaa", "qqq"});
  if (first <= 2 && k >= 3 && runs[2].length == 4) {
    out.push_back({"jj", "mm", "aaaa"});
    out.push_back({"mm", "jj", "aaaa"});
  }
  if (first <= 2 && k >= 3 && runs[2].length == 2) {
    out.push_back({"jj", "mm", "ee"});
    out.push_back({"mm", "jj", "ee"});
  }
  if (first == 2 && k >= 3 && runs[1].length <= 2 && runs[2].length <= 2) out.push_back({"ee", "mm", "jj"});
  switch (first) {
    case 6:
      out.push_back({"mmjjee"});
      out.push_back({"jjmmee"});
      out.push_back({"eemmjj"});
      break;
    case 8:
      out.push_back({"aaaammjj"});
      out.push_back({"jjmmaaaa"});
      break;
    case 10:
      out.push_back({"aaaammjjhh"});
      break;
    case 12:
      out.push_back({"aaaammjjhhmn"});
      break;
    case 14:
      out.push_back({"aaaammjjhhmnss"});
      break;
    default:
      break;
  }
  return out;
}

// The time reading of the groups after the date.
Roles time_roles(const std::vector<DigitRun>& runs, std::size_t from) {
  const std::size_t left = runs.size() > from ? runs.size() - from : 0;
  if (left >= 3) return {"hh", "mn", "ss"};
  if (left == 2) return {"hh", "mn"};
  if (left == 1 && runs[from].length >= 3 && runs[from].length <= 4) return {"hhmn"};
  if (left == 1 && runs[from].length <= 2) return {"hh"};
  return {};
}

// The pattern writing each digit group with its role, every other character
// as "_", the offset as "zzzzzz" and AM/PM as "pp"; groups past the roles
// are left to "_".
std::string template_of(std::string_view v, const std::vector<DigitRun>& runs, const Roles& roles,
                        const ValueMarks& marks) {
  std::string out;
  std::size_t run = 0;
  for (std::size_t i = 0; i < v.size();) {
    if (i == marks.offset) {
      out += kUtcOffsetGroup;
      i += marks.offset_length;
      continue;
    }
    if (i == marks.meridiem) {
      out += "pp";
      i += 2;
      continue;
    }
    if (run < runs.size() && i == runs[run].start) {
      if (run < roles.size())
        out += roles[run];
      else
        out.append(runs[run].length, '_');
      i += runs[run].length;
      ++run;
      continue;
    }
    out.push_back('_');
    ++i;
  }
  // Nothing after the last group read: a shorter value still lines up.
  const std::size_t last = out.find_last_not_of('_');
  if (last != std::string::npos) out.erase(last + 1);
  return out;
}

std::vector<std::string> built_patterns(std::string_view value) {
  std::vector<std::string> out;
  const ValueMarks marks = marks_of(value);
  const std::vector<DigitRun> runs = digit_runs(value, marks);
  for (Roles roles : date_roles(value, runs)) {
    const bool compact = roles.size() == 1;
    const Roles time =
        compact && roles[0].find("hh") != std::string::npos ? Roles{} : time_roles(runs, roles.size());
    roles.insert(roles.end(), time.begin(), time.end());
    out.push_back(template_of(value, runs, roles, marks));
  }
  if (runs.size() == 1 && runs[0].length >= 9 && runs[0].length <= 10) out.emplace_back(runs[0].length, 'u');
  return out;
}

const std::vector<std::string>& picker_patterns() {
  static const std::vector<std::string> patterns = [] {
    std::vector<std::string> all;
    for (const auto* picker : {&date_time_picker(), &date_picker()}) {
      for (const std::string& entry : picker->entries) {
        std::string p = picked_text(entry);
        if (is_multiformat_pattern(p) || p.find(" OU ") != std::string::npos || p.front() == 'u') continue;
        all.push_back(p);
      }
    }
    return all;
  }();
  return patterns;
}

int group_count(std::string_view pattern) {
  int groups = 0;
  for (const std::string_view g : {"aa", "mm", "jj", "hh", "mn", "ss", "qqq", "ee", "pp", "zzzzzz", "uu"})
    if (has_group(pattern, g)) ++groups;
  return groups;
}

// The pattern with its day and month swapped; itself when it has not both
// before its year (a year written first is followed by its month).
std::string day_month_swapped(std::string pattern) {
  const std::size_t day = pattern.find("jj");
  const std::size_t month = pattern.find("mm");
  if (day == std::string::npos || month == std::string::npos) return pattern;
  const std::size_t year = std::min({pattern.find("aa"), pattern.find("ee")});
  if (year < day || year < month) return pattern;
  pattern.replace(day, 2, "mm");
  pattern.replace(month, 2, "jj");
  return pattern;
}

// A logger's instant: years outside these read digits that are no year.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
// Lines of another kind (a second array of a logger, a stray line) may fail
// to read, up to this share of the sample.
constexpr std::size_t kUnreadPerCent = 5;

struct Reading {
  bool reads = false;
  std::size_t unread = 0;    // lines the pattern does not read
  int backward = 0;          // instants before their predecessor by more than a day
  std::size_t distinct = 0;  // instants told apart
  int steps = 0;             // distinct steps between neighbours
  double deviation = 0;      // total distance of the steps to their median
};

Reading read_values(const std::vector<std::string>& values, std::string_view pattern) {
  Reading r;
  if (!pattern_reads_a_date(pattern)) return r;
  std::vector<std::int64_t> instants;
  instants.reserve(values.size());
  static const double earliest = *encode_date(kFirstYear, 1, 1);
  static const double latest = *encode_date(kLastYear, 12, 31);
  for (const std::string& v : values) {
    const auto t = instant_read(pattern, v);
    if (!t || *t < earliest || *t > latest) {
      // Past the share allowed the pattern is refused: the rest is not read.
      if (++r.unread * 100 > values.size() * kUnreadPerCent) return r;
      continue;
    }
    instants.push_back(std::llround(*t * kSecondsPerDay));
  }
  if (instants.empty() || r.unread * 100 > values.size() * kUnreadPerCent) return r;
  r.reads = true;
  std::vector<std::int64_t> steps;
  for (std::size_t i = 1; i < instants.size(); ++i) {
    const std::int64_t step = instants[i] - instants[i - 1];
    if (step < -static_cast<std::int64_t>(kSecondsPerDay)) ++r.backward;
    steps.push_back(step);
  }
  std::vector<std::int64_t> sorted = instants;
  std::sort(sorted.begin(), sorted.end());
  r.distinct = static_cast<std::size_t>(std::unique(sorted.begin(), sorted.end()) - sorted.begin());
  r.steps = static_cast<int>(std::set<std::int64_t>(steps.begin(), steps.end()).size());
  if (!steps.empty()) {
    std::vector<std::int64_t> s = steps;
    std::nth_element(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(s.size() / 2), s.end());
    const std::int64_t median = s[s.size() / 2];
    for (const std::int64_t step : steps) r.deviation += std::fabs(static_cast<double>(step - median));
  }
  return r;
}

struct Candidate {
  std::vector<int> columns;
  std::string pattern;
  Reading reading;
  int order = 0;  // when it was tried
};

// Better first: in time order (no instant before its predecessor by more
// than a day), fewest lines unread, most instants told apart, fewest
// backward instants, fewest columns, most groups read, most regular, tried
// first.
bool better(const Candidate& a, const Candidate& b) {
  const auto key = [](const Candidate& c) {
    return std::make_tuple(c.reading.backward > 0, c.reading.unread,
                           -static_cast<long long>(c.reading.distinct), c.reading.backward,
                           static_cast<int>(c.columns.size()), -group_count(c.pattern), c.reading.steps,
                           c.reading.deviation, c.order);
  };
  return key(a) < key(b);
}

std::string columns_text(const std::vector<int>& columns) {
  std::string text;
  for (const int c : columns) text += (text.empty() ? "" : "+") + std::to_string(c);
  return text;
}

std::vector<std::string> values_in(const std::vector<std::string_view>& lines, const FieldCutting& cutting,
                                   const std::vector<int>& columns) {
  std::vector<std::string> values;
  values.reserve(lines.size());
  for (const std::string_view line : lines) {
    std::string value;
    for (const int c : columns) {
      if (!value.empty()) value.push_back(' ');
      value += trim(cut_field(line, c, cutting));
    }
    values.push_back(std::move(value));
  }
  return values;
}

std::vector<std::string_view> sampled(const std::vector<std::string_view>& lines) {
  std::vector<std::string_view> out;
  for (const std::string_view line : lines) {
    if (trim_view(line).empty()) continue;
    out.push_back(line);
    if (out.size() == kSampledLines) break;
  }
  return out;
}

bool holds_digit(std::string_view field) { return std::any_of(field.begin(), field.end(), is_digit); }

}  // namespace

std::optional<DatePatternProposal> propose_date_pattern(const std::vector<std::string_view>& lines,
                                                        const FieldCutting& cutting) {
  const std::vector<std::string_view> sample = sampled(lines);
  if (sample.empty()) return std::nullopt;
  int fields = 0;
  while (fields < kFieldsTried && !cut_field(sample[0], fields + 1, cutting).empty()) ++fields;

  std::optional<Candidate> best;
  int order = 0;
  for (int width = 1; width <= 3; ++width) {
    for (int first = 1; first + width - 1 <= fields; ++first) {
      std::vector<int> columns;
      for (int c = first; c < first + width; ++c) columns.push_back(c);
      const std::vector<std::string> values = values_in(sample, cutting, columns);
      if (!holds_digit(values[0])) continue;
      std::vector<std::string> patterns = built_patterns(values[0]);
      // A day of the year only where the value's groups allow one: the
      // group reading would take "2000-01-01" for the first day at 00:01.
      const bool day_of_year = std::any_of(patterns.begin(), patterns.end(),
                                           [](const std::string& p) { return has_group(p, "qqq"); });
      for (const std::string& p : picker_patterns())
        if (day_of_year || !has_group(p, "qqq")) patterns.push_back(p);
      for (const std::string& pattern : patterns) {
        Candidate c{columns, pattern, read_values(values, pattern), order++};
        if (c.reading.reads && (!best || better(c, *best))) best = std::move(c);
      }
    }
    // A wider date is looked for only while no narrower one tells every
    // line apart.
    if (best && best->reading.backward == 0 && best->reading.unread == 0 &&
        best->reading.distinct == sample.size())
      break;
  }
  if (!best) return std::nullopt;

  DatePatternProposal proposal{best->pattern, columns_text(best->columns)};
  const std::string swapped = day_month_swapped(best->pattern);
  if (swapped != best->pattern) {
    const Reading other = read_values(values_in(sample, cutting, best->columns), swapped);
    if (other.reads && other.unread == best->reading.unread && other.backward == best->reading.backward) {
      proposal.order_chosen = true;
      const bool swap_better = std::make_tuple(other.steps, other.deviation) <
                               std::make_tuple(best->reading.steps, best->reading.deviation);
      if (swap_better) proposal.pattern = swapped;
      proposal.day_first = proposal.pattern.find("jj") < proposal.pattern.find("mm");
    }
  }
  return proposal;
}

}  // namespace talve
