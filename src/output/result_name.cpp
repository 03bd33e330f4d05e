// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/result_name.h"

#include <filesystem>

#include "text/ascii.h"
#include "text/encoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::string_view kDurationMark = "#";
constexpr std::string_view kPeriodMark = "§";

bool path_exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(file_system_path(path), ec));
}

// Removes the first occurrence of the mark; false when there is none.
[[nodiscard]] bool remove_first(std::string& text, std::string_view mark) {
  const auto at = text.find(mark);
  if (at == std::string::npos) return false;
  text.erase(at, mark.size());
  return true;
}

}  // namespace

ResultName result_name(std::string_view pattern, const NameValues& values) {
  std::string p =
      trim(pattern).empty() ? std::string("A") + std::string(kDurationMark) : std::string(pattern);
  ResultName name;
  std::string without_marks = p;
  const bool duration = remove_first(without_marks, kDurationMark);
  const bool period = remove_first(without_marks, kPeriodMark);
  if (duration || period) name.report_pattern = without_marks;

  if (remove_first(p, kDurationMark)) {
    p += "_" + format_time(values.total_duration);
    remplacer_car(':', ';', p);
  }
  if (remove_first(p, kPeriodMark)) {
    p += " du " + values.start_caption.substr(0, 10) + " au " + values.end_caption.substr(0, 10) + " (" +
         std::to_string(values.grid_count - 1) + ")";
    remplacer_car(':', ';', p);
    remplacer_car('/', '-', p);
  }
  // A "/" would make the name a path into other folders.
  remplacer_car('/', '-', p);
  if (p.find('.') == std::string::npos) p += ".txt";
  name.extension = p.substr(p.rfind('.'));
  name.stem = p.substr(0, p.find('.'));
  return name;
}

namespace {

// What every name built from the pattern begins with.
std::string fixed_part(std::string_view pattern) {
  std::string p = trim(pattern).empty() ? std::string("A") : std::string(pattern);
  while (remove_first(p, kDurationMark)) {
  }
  while (remove_first(p, kPeriodMark)) {
  }
  remplacer_car('/', '-', p);
  return p.substr(0, p.find('.'));
}

constexpr std::string_view kReportExtension = ".TXT";

}  // namespace

bool named_as_result(std::string_view file_name, std::string_view pattern) {
  const std::string start = fixed_part(pattern);
  return !start.empty() && file_name.size() > start.size() && file_name.starts_with(start) &&
         !named_as_report(file_name, pattern);
}

bool named_as_report(std::string_view file_name, std::string_view pattern) {
  if (!file_name.ends_with(kReportExtension)) return false;
  const std::string_view result = file_name.substr(0, file_name.size() - kReportExtension.size());
  const std::string start = fixed_part(pattern);
  return !start.empty() && result.size() > start.size() && result.starts_with(start);
}

std::string result_of_report(std::string_view report_name) {
  return std::string(report_name.substr(0, report_name.size() - kReportExtension.size()));
}

std::string first_free_path(const std::string& folder, const ResultName& name) {
  std::string path = folder + name.file_name();
  for (int i = 1; path_exists(path); ++i)
    path = folder + name.stem + "(" + std::to_string(i) + ")" + name.extension;
  return path;
}

std::string with_txt_extension(const std::string& chosen) {
  if (upper_ascii(chosen).find(".TXT") != std::string::npos) return chosen;
  return chosen + ".txt";
}

std::string folder_without_separator(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string overwrite_question(const std::string& path) {
  const std::string file_name = path.substr(path.rfind('/') + 1);
  return folder_without_separator(path) + "\n\n" + " Le fichier  " + file_name + "\n\n" + "   existe déjà" +
         "\n\n" + " => écraser ?";
}

}  // namespace talve
