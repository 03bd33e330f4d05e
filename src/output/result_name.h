// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "text/tdatetime.h"

namespace talve {

// The name of a result file, built from the pattern `Edit_nom_fic_sortie.text`:
// a "#" is replaced by the time the work took, a "§" by the target period
// and its number of results; ".txt" is added when the pattern has no
// extension.
struct ResultName {
  std::string stem;       // the part before the first "."
  std::string extension;  // from the last "." on, ".txt" by default
  // The pattern with its "#" and "§" removed, for the processing report;
  // "" when it held neither.
  std::string report_pattern;

  std::string file_name() const { return stem + extension; }
};

// What a "#" and a "§" stand for.
struct NameValues {
  TDateTime total_duration = 0;  // steps 1 + 2 + 3 so far
  std::string start_caption;     // `Label_temps_deb`
  std::string end_caption;       // `Label_temps_fin`
  int grid_count = 0;            // n; the period shows n - 1 results
};

// A blank pattern stands for "A#". The duration is appended before the
// period, whatever their order in the pattern: "R§#" after 7 s gives
// "R_00;00;07 du 07-11-2021 au 08-11-2021 (137)". A "/" left in the name
// becomes "-", so that the name never reaches outside the output folder.
ResultName result_name(std::string_view pattern, const NameValues& values);

// The files the program writes into the output folder, which a listing of
// that folder must not take for data: a result, whose name begins with the
// pattern's text before its first "." ("#" and "§" taken out, as the name
// is built), or its report, the same name followed by ".TXT". Both are
// recognised by their names; the caller checks that the other one is there.
bool named_as_result(std::string_view file_name, std::string_view pattern);
bool named_as_report(std::string_view file_name, std::string_view pattern);
// The result a report stands beside: its name without the final ".TXT".
std::string result_of_report(std::string_view report_name);

// "incrément (i)": the path itself when no file is there, else the first of
// stem(1), stem(2)... that is free.
std::string first_free_path(const std::string& folder, const ResultName& name);

// A name chosen in the save dialog gets ".txt" when its upper case holds no
// ".TXT".
std::string with_txt_extension(const std::string& chosen);

// The folder of a path without its final separator, as the overwrite
// question shows it.
std::string folder_without_separator(const std::string& path);

// The question asked before a result file is replaced.
std::string overwrite_question(const std::string& path);

}  // namespace talve
