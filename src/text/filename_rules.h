// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "text/tdatetime.h"
#include "text/trace_sink.h"

namespace talve {

// Station names and dates taken from data file names (or, for the station,
// from a fixed line and column inside the file), following the two small
// rules the user types in `Edit_f_station` and `Edit_f_date_fichier`.
// A name is cut into syllables at "_"; syllables are numbered from 1.

// The station every FileTable row starts with, kept when the file that
// should provide it cannot be loaded.
inline constexpr std::string_view kStationInitiale = "a";

enum class StationSource { nom_fichier, contenu };

// A rule holding "LIGNE" or "COLONNE" (any case) reads the station inside
// the file (`station_contenu`); any other rule reads the file name
// (`station_nom_fichier`).
StationSource source_station(std::string_view rule);

// `station_nom_fichier`: the station taken from a file name. The rule is a
// literal name ("ABC"), a list of pieces separated by "," (syllable numbers
// with an optional piece mask such as "3(0000xx)", literal texts, "E" or a
// quoted blank for a blank) or the form "2,Baro?" (syllable 2, followed by
// "-Baro" when the name holds "baro" in any case).
std::string station_nom_fichier(std::string_view name, std::string_view rule);

// `station_contenu`: the station read in the lines of the loaded file. The
// rule gives the line ("LIGNE n", at least 1), the column ("COLONNE n",
// none = the whole line) and the separator ("TABULATION", "VIRGULE",
// "POINT-VIRGULE", else a blank), as in "ligne 2, colonne 2, Espace".
std::string station_contenu(std::span<const std::string_view> lines, std::string_view rule);

// `nom_syllabes`: a name as the date rule cuts it: the last extension
// dropped, "-" turned into "_" when the name holds no "_", blanks, "," and
// ";" turned into "_".
std::string nom_syllabes(std::string_view name);

// `date_nom_fichier`: the date written in a file name, as "yyyy/mm/dd", and
// the same date in `date`. When no date can be taken the text is empty and
// `date` is now(). Dates that are written but out of range are reported to
// the trace sink.
std::string date_nom_fichier(std::string_view name, std::string_view rule, TDateTime& date, TraceSink& trace);

// The examples offered by the date rule picker `ListBox_date_fic`, in
// order; a double-click copies one whole into `Edit_f_date_fichier`.
inline constexpr std::array<std::string_view, 7> kExemplesDateFichier = {"aaaammjj,3",
                                                                         "aaaa_mm_jj,3",
                                                                         "2,3,4",
                                                                         "(20)4,3,2",
                                                                         "20aammjj",
                                                                         "20aammjjhhmmss",
                                                                         "3(xxxx),/,3(0000xx),/,3(000000xx)"};

}  // namespace talve
