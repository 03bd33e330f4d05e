// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/name_date_check.h"

#include <cmath>

#include "text/filename_rules.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::size_t kFilesInBox = 5;
constexpr std::string_view kCompactDateRule = "aaaammjj";

std::string date_of(TDateTime value) { return format_date(value); }

}  // namespace

std::optional<TDateTime> file_name_date(std::string_view name, std::string_view rule) {
  NullTraceSink silent;
  TDateTime date = 0;
  const std::string text =
      date_nom_fichier(name, trim(rule).empty() ? kCompactDateRule : std::string_view(rule), date, silent);
  // The file-name date rule gives an impossible day (31 February) a date at
  // the end of 1899: such a name holds no date to compare with.
  if (text.empty() || date < 2.0) return std::nullopt;
  return std::floor(date);
}

bool far_from_name_date(TDateTime first, TDateTime last, TDateTime name_date) {
  return std::fabs(first - name_date) > std::fabs(last - first) + 1.0;
}

std::string name_date_trace_line(const NameDateMismatch& m, std::string_view pattern) {
  return " !!! " + m.file + " : 1ère mesure le " + format_canonical(m.first) +
         ", mais le nom du fichier porte la date du " + date_of(m.name_date) +
         " : vérifier le format des dates <" + std::string(pattern) + ">";
}

std::string name_date_box_text(const std::vector<NameDateMismatch>& mismatches, std::string_view pattern) {
  std::string text = " Les dates lues dans ces fichiers sont loin de la date de leur nom :\n";
  for (std::size_t i = 0; i < mismatches.size() && i < kFilesInBox; ++i) {
    const NameDateMismatch& m = mismatches[i];
    text += "\n   " + m.file + " : 1ère mesure le " + format_canonical(m.first) + ", nom du " +
            date_of(m.name_date);
  }
  if (mismatches.size() > kFilesInBox)
    text += "\n   ... et " + std::to_string(mismatches.size() - kFilesInBox) + " autres (fenêtre de suivi)";
  text += "\n\n vérifier le format des dates <" + std::string(pattern) + "> (jour et mois inversés ?)";
  return text;
}

}  // namespace talve
