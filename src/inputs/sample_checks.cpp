// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/sample_checks.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/workspace.h"
#include "files/listing_settings.h"
#include "inputs/date_pattern_proposal.h"
#include "text/compiled_date_template.h"
#include "text/field_cutting.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr std::size_t kLinesExamined = 100;
constexpr std::array<std::string_view, 4> kSeparatorNames = {"tabulation", "espace", "point-virgule",
                                                             "virgule"};
const std::string kCorrectOrCancel = "  corriger (Oui)\n\n  annuler  (Annuler)";

bool yes(Workspace& ws, ButtonSet buttons, const std::string& text) {
  return ws.ui().ask(MessageType::Warning, buttons, text) == Answer::Yes;
}

int number(const Workspace& ws, std::string_view key) {
  int value = 0;
  return read_int(trim_view(ws.description.text(key)), value) ? value : 0;
}

bool with_titles(const Workspace& ws) {
  return ws.description.choice("RadioGroup_avec_sans_intitule_ItemIndex") != 1;
}
bool line_numbers(const Workspace& ws) {
  return ws.description.choice("RadioGroup_numlig_balise_ItemIndex") != 1;
}

// The index of the first line holding the begin marker (the line count when
// none does) in marker mode; 0 in line-number mode.
std::size_t marker_offset(const Workspace& ws, const std::vector<std::string_view>& lines) {
  if (line_numbers(ws)) return 0;
  const std::string& marker = ws.description.text("Edit_balise_deb.text");
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!marker.empty() && lines[i].find(marker) != std::string_view::npos) return i;
  return lines.size();
}

// Line n, numbered from 1; "" outside the file.
std::string_view line_numbered(const std::vector<std::string_view>& lines, long n) {
  return n >= 1 && static_cast<std::size_t>(n) <= lines.size() ? lines[static_cast<std::size_t>(n - 1)]
                                                               : std::string_view();
}

// The configured title or data line read against its content.
void check_title_line(Workspace& ws, std::string_view line, std::size_t a, std::size_t m) {
  DataDescription& d = ws.description;
  const std::string number_text = std::to_string(a);
  if (!with_titles(ws)) {
    if (static_cast<std::size_t>(number(ws, "Edit_num_ligne_donnee.text")) + m != a) return;
    if (compter_numeriques(line) >= compter_lettres(line)) return;
    if (!yes(ws, kYesCancel,
             "la ligne n°" + number_text + " semble correspondre à des intitulés de colonnes...\n\n" +
                 std::string(line) +
                 "\n\n proposition => choisir l'option avec intitulé de colonnes et son n° de ligne\n\n"
                 "     corriger (Oui)\n\n     annuler  (Annuler)"))
      return;
    // The line of titles is the one asked about; the data follow it.
    d.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", 0);
    d.set_choice("RadioGroup_numlig_balise_ItemIndex", 0);
    d.set_text("Edit_num_ligne_intitule_col.text", number_text);
    d.set_text("Edit_num_ligne_donnee.text", std::to_string(a + 1));
    return;
  }
  if (static_cast<std::size_t>(number(ws, "Edit_num_ligne_intitule_col.text")) + m != a) return;
  if (compter_lettres(line) >= compter_numeriques(line)) return;
  if (yes(ws, kYesCancel,
          "la ligne n°" + number_text +
              "  ne semble pas correspondre à une suite d'intitulés de colonnes...\n\n" + std::string(line) +
              "\n\n proposition => choisir l'option sans intitulé de colonnes\n\n"
              "     corriger (Oui)\n\n     annuler  (Annuler)"))
    d.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", 1);
}

// The first line holding a time: the titles, separator, first data line and
// date-time settings checked against it.
void check_first_dated_line(Workspace& ws, const std::vector<std::string_view>& lines, std::size_t i,
                            std::size_t m) {
  DataDescription& d = ws.description;
  const std::string line(lines[i]);
  const std::size_t a = i + 1;
  if (i == 0 && with_titles(ws) &&
      yes(ws, kYesCancel,
          "d'après le contenu de ce nouveau fichier de donnée,\n il semble qu'il n'y ait pas de ligne "
          "d'intitulé de colonnes comme prévu\n\n" +
              line + "\n\n => option [sans intitulé] et [donnée en ligne 1]\n\n" + kCorrectOrCancel)) {
    d.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", 1);
    d.set_choice("RadioGroup_numlig_balise_ItemIndex", 0);
    d.set_text("Edit_num_ligne_donnee.text", "1");
  }
  ask_separator(ws, line);
  if (line_numbers(ws)) {
    const int data_line = number(ws, "Edit_num_ligne_donnee.text");
    if (static_cast<std::size_t>(data_line) + m != a &&
        yes(ws, kYesCancel,
            " Les premières données sont détectées en ligne " + std::to_string(a) + " et non en " +
                std::to_string(data_line) + "\n\n" + line + "\n\n proposition => [donnée en ligne " +
                std::to_string(a) + "]\n\n" + kCorrectOrCancel))
      d.set_text("Edit_num_ligne_donnee.text", std::to_string(a));
  }
  const long n = static_cast<long>(i);
  if (with_titles(ws)) {
    const long t0 = number(ws, "Edit_num_ligne_intitule_col.text") + static_cast<long>(m);
    const std::string_view title = line_numbered(lines, t0);
    const std::string_view before = line_numbered(lines, n);
    if (i > 0 && trim_view(title).empty() && !trim_view(before).empty() &&
        yes(ws, kYesCancel,
            "1- Il se pourrait qu'il y ait des intitulés de colonnes en ligne " + std::to_string(n) +
                " et non en ligne " + std::to_string(t0) + "\n\nL" + std::to_string(n) + " <" +
                std::string(title) + ">\n\nL" + std::to_string(n - 1) + " <" + std::string(before) + "\n\n" +
                line + "\n\n proposition => [intitulés en ligne " + std::to_string(n) + "] / " +
                std::to_string(t0) + "\n\n" + kCorrectOrCancel))
      d.set_text("Edit_num_ligne_intitule_col.text", std::to_string(n));
  } else if (line_numbers(ws) && i > 0) {
    const std::string_view before = line_numbered(lines, n);
    if (compter_numeriques(before) < compter_lettres(before) &&
        yes(ws, kYesCancel,
            "2- Il se pourrait qu'il y ait des intitulés de colonnes en ligne " + std::to_string(n) + "\n\n" +
                std::string(before) + "\n\n proposition => [avec intitulés] et [intitulés en ligne " +
                std::to_string(n) + "]\n\n" + kCorrectOrCancel)) {
      d.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", 0);
      d.set_text("Edit_num_ligne_intitule_col.text", std::to_string(n));
    }
  }
}

// The line as the run cuts it: the working copy turns the tabs of a
// tab-separated file, and NUL bytes, into ";".
std::string working_copy_line(const Workspace& ws, std::string_view text) {
  const bool tabs = ws.description.choice("RadioGroup_separateur_colonne_ItemIndex") == 0;
  std::string line(text);
  for (char& c : line)
    if (c == '\0' || (tabs && c == '\t')) c = ';';
  return line;
}

// The lines a date pattern is checked on: the first half of them in a row
// from the first data line, the other half spread evenly over the rest of
// the file up to its last non-blank line, so that a month-first date whose
// day passes 12 only in the last weeks is still seen.
std::vector<std::string> date_sample(const Workspace& ws, const std::vector<std::string_view>& lines,
                                     std::size_t from) {
  std::size_t end = lines.size();
  while (end > from && trim_view(lines[end - 1]).empty()) --end;
  constexpr std::size_t kInARow = kLinesExamined / 2;
  std::vector<std::string> out;
  for (std::size_t i = from; i < end && i < from + kInARow; ++i)
    out.push_back(working_copy_line(ws, lines[i]));
  const std::size_t rest_from = from + kInARow;
  if (end <= rest_from) return out;
  const std::size_t rest = end - rest_from;
  const std::size_t spread = std::min(rest, kLinesExamined - kInARow);
  for (std::size_t k = 1; k <= spread; ++k)
    out.push_back(working_copy_line(ws, lines[rest_from - 1 + (rest * k) / spread]));
  return out;
}

std::string day_month_note(const DatePatternProposal& p) {
  if (!p.order_chosen) return {};
  return std::string("\n\n jour et mois se lisent dans les deux ordres : ") +
         (p.day_first ? "le jour en premier" : "le mois en premier") + " donne les dates les plus régulières";
}

// A calendar date written with separators: "2000-01-01", "01/02/2013",
// "1.2.2024" (three digit groups, one of four digits, joined by the same
// "-", "/" or ".").
bool holds_written_date(std::string_view line) {
  const auto digits_at = [&](std::size_t at) {
    std::size_t n = 0;
    while (at + n < line.size() && line[at + n] >= '0' && line[at + n] <= '9') ++n;
    return n;
  };
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (i > 0 && line[i - 1] >= '0' && line[i - 1] <= '9') continue;
    const std::size_t a = digits_at(i);
    if (a == 0 || i + a >= line.size()) continue;
    const char sep = line[i + a];
    if (sep != '-' && sep != '/' && sep != '.') continue;
    const std::size_t b = digits_at(i + a + 1);
    const std::size_t after_b = i + a + 1 + b;
    if (b == 0 || b > 2 || after_b >= line.size() || line[after_b] != sep) continue;
    const std::size_t c = digits_at(after_b + 1);
    if ((a == 4 && c >= 1 && c <= 2) || (a <= 2 && (c == 4 || c == 2))) return true;
  }
  return false;
}

// The fields of the line; without the empty ones at its end when
// `trailing_empty` is false.
std::size_t field_count(std::string_view line, const FieldCutting& cutting, bool trailing_empty) {
  std::string tabbed = fields_with_tabs(line, cutting);
  if (!trailing_empty)
    while (!tabbed.empty() && (tabbed.back() == '\t' || tabbed.back() == ' ')) tabbed.pop_back();
  return static_cast<std::size_t>(std::count(tabbed.begin(), tabbed.end(), '\t')) + 1;
}

// With titles: the title line must hold as many fields as the first data
// line. When it does not (a comment, a logger's header line), the nearest
// lines of words above the data that do are proposed, else no titles.
void check_title_fields(Workspace& ws, const std::vector<std::string_view>& lines, std::size_t first_data,
                        std::size_t m) {
  if (!with_titles(ws)) return;
  DataDescription& d = ws.description;
  const ListingSettings settings = ListingSettings::read(d);
  const long t0 = number(ws, "Edit_num_ligne_intitule_col.text") + static_cast<long>(m);
  const std::string data = working_copy_line(ws, lines[first_data]);
  const std::string title = working_copy_line(ws, line_numbered(lines, t0));
  const FieldCutting cutting = settings.cutting(title);
  // Data lines may end with empty fields that have no title.
  const std::size_t wanted = field_count(data, cutting, false);
  const std::size_t at_most = field_count(data, cutting, true);
  const auto fits = [&](std::string_view line) {
    const std::string_view text = trim_view(line);
    const std::size_t fields = field_count(line, cutting, false);
    return !text.empty() && text.front() != '#' && compter_lettres(text) >= compter_numeriques(text) &&
           fields >= wanted && fields <= at_most;
  };
  if (t0 >= 1 && static_cast<std::size_t>(t0) <= first_data && fits(title)) return;
  // Going up from the data: the lines that do not fit (units written as
  // figures), then the block of lines that do, whose first one is taken
  // (a logger's titles above its units and kinds of values).
  std::optional<std::size_t> found;
  for (std::size_t j = first_data; j-- > m;) {
    const bool fitting = fits(working_copy_line(ws, lines[j]));
    if (fitting) found = j;
    if (found && !fitting) break;
  }
  const std::string data_line(lines[first_data]);
  if (found) {
    const std::string n = std::to_string(*found + 1);
    if (yes(ws, kYesCancel,
            "3- Les intitulés de colonnes semblent être en ligne " + n + " et non en ligne " +
                std::to_string(t0) + " : " + std::to_string(wanted) + " colonnes comme les données\n\nL" + n +
                " <" + std::string(lines[*found]) + ">\n\n" + data_line +
                "\n\n proposition => [intitulés en ligne " + n + "]\n\n" + kCorrectOrCancel))
      d.set_text("Edit_num_ligne_intitule_col.text", n);
    return;
  }
  if (yes(ws, kYesCancel,
          "3- Aucune ligne au-dessus des données ne porte leurs " + std::to_string(wanted) +
              " intitulés de colonnes\n\n" + data_line +
              "\n\n proposition => choisir l'option sans intitulé de colonnes\n\n" + kCorrectOrCancel))
    d.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", 1);
}

}  // namespace

void ask_separator(Workspace& ws, std::string_view line) {
  const std::array<int, 4> counts = {compter_car_large('\t', line), compter_car_large(' ', line),
                                     compter_car_large(';', line), compter_car_large(',', line)};
  int proposed = -1;
  for (int s = 0; s < 4; ++s) {
    bool above_all = true;
    for (int o = 0; o < 4; ++o)
      if (o != s && counts[static_cast<std::size_t>(s)] <= counts[static_cast<std::size_t>(o)])
        above_all = false;
    if (above_all) proposed = s;
  }
  if (proposed == 1 && counts[2] > 3 && counts[3] < counts[0]) proposed = 2;
  const int current = ws.description.choice("RadioGroup_separateur_colonne_ItemIndex");
  if (proposed < 0 || proposed == current) return;
  const auto name = [](int s) {
    return s >= 0 && s < 4 ? std::string(kSeparatorNames[static_cast<std::size_t>(s)]) : std::string();
  };
  const std::string text =
      "d'après le contenu de ce nouveau fichier de donnée,\n et de la première ligne à 'date' :\n\n" +
      std::string(line) + "\n\n<tab>=" + std::to_string(counts[0]) + "\n<esp>=" + std::to_string(counts[1]) +
      "\n<;>=" + std::to_string(counts[2]) + "\n<,>=" + std::to_string(counts[3]) +
      "\n\n Il semble que le séparateur de colonnes soit <" + name(proposed) + "> et non <" + name(current) +
      ">\n\n modifier le séparateur (oui)\n\n garder <" + std::string(separator_caption(current)) + "> (non)";
  if (yes(ws, kYesNo, text)) ws.description.set_choice("RadioGroup_separateur_colonne_ItemIndex", proposed);
}

void ask_date_pattern(Workspace& ws, const std::vector<std::string_view>& lines, std::size_t first_data) {
  const std::vector<std::string> copy = date_sample(ws, lines, first_data);
  const std::vector<std::string_view> sample(copy.begin(), copy.end());
  const auto first = std::find_if(sample.begin(), sample.end(), [](auto l) { return !trim_view(l).empty(); });
  if (first == sample.end()) return;
  DataDescription& d = ws.description;
  const ListingSettings settings = ListingSettings::read(d);
  const std::string title(line_numbered(lines, number(ws, "Edit_num_ligne_intitule_col.text")));
  const FieldCutting cutting =
      settings.cutting(with_titles(ws) ? std::string_view(title) : std::string_view());
  const bool current_reads = std::all_of(sample.begin(), sample.end(), [&](std::string_view l) {
    return trim_view(l).empty() || instant_read(settings.pattern, date_value_in(l, settings, cutting));
  });
  if (current_reads) return;
  const auto proposal = propose_date_pattern(sample, cutting);
  if (!proposal) return;
  const std::string text =
      "d'après le contenu de ce nouveau fichier de donnée,\n la date-heure des lignes de données n'est pas "
      "lue "
      "avec le format <" +
      settings.pattern + "> en colonne " + settings.date_columns_text() + "\n\n" + std::string(*first) +
      "\n\n proposition => [format " + proposal->pattern + "] et [colonne date-heure " + proposal->columns +
      "]" + day_month_note(*proposal) + "\n\n" + kCorrectOrCancel;
  if (!yes(ws, kYesCancel, text)) return;
  d.set_choice("RadioGroup_datetime_nb_col_ItemIndex", 0);
  d.set_text("Edit_format_datetime_mesure.text", proposal->pattern);
  d.set_text("Edit_num_col_datetime.text", proposal->columns);
}

void check_sample_content(Workspace& ws, const std::vector<std::string_view>& lines) {
  const std::size_t m = marker_offset(ws, lines);
  std::optional<std::size_t> dated;
  std::optional<std::size_t> first_numeric;
  for (std::size_t i = 0; i < m + kLinesExamined && i < lines.size(); ++i) {
    check_title_line(ws, lines[i], i + 1, m);
    const std::string_view text = trim_view(lines[i]);
    if (text.empty() || text.front() == '#') continue;
    // A written date makes a data line, however many words follow it; a
    // time alone needs figures around it ("GMT+01:00" in a title does not).
    const bool figures = compter_numeriques(text) > compter_lettres(text);
    if (!first_numeric && figures && i >= m) first_numeric = i;
    if (holds_written_date(text) || (figures && contient_heure(text))) {
      dated = i;
      break;
    }
  }
  // Without any time written (a compact date, a day of the year), the first
  // line of figures stands for the first data line.
  const auto first_data = dated ? dated : first_numeric;
  if (!first_data) return;
  check_first_dated_line(ws, lines, *first_data, m);
  check_title_fields(ws, lines, *first_data, m);
  ask_date_pattern(ws, lines, *first_data);
}

}  // namespace talve
