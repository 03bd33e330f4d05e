// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/pre_read_columns.h"

#include "core/size_limits.h"
#include "core/workspace.h"
#include "files/listing_settings.h"
#include "files/pre_read_questions.h"
#include "text/ascii.h"
#include "text/field_cutting.h"
#include "text/text_utils.h"

namespace talve {
namespace {

constexpr int kWithTitles = 0;
constexpr int kWithoutTitles = 1;
constexpr int kLineNumbers = 0;
constexpr int kLetters = 26;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

void open_file(Workspace& ws, const ListingSettings& settings, const std::string& path) {
  ws.ui().open_in_editor(path, settings.editor);
}

std::string_view title_line_of(const LoadedFile& file, const DataBlock& block,
                               const ListingSettings& settings) {
  return settings.with_titles ? file.line_or_empty(block.title) : file.line_or_empty(block.first);
}

// More than three quarters of the line are blanks, digits and the
// characters of numbers and dates, once its separators are tabs.
bool mostly_date_characters(std::string_view line, char split) {
  std::string tabbed(line);
  remplacer_car(split, '\t', tabbed);
  return !tabbed.empty() && compter_car_dates(tabbed) * 4 > static_cast<int>(tabbed.size()) * 3;
}

// No titles declared, the first data line looks like titles: Yes makes that
// line the title line and the next one the first data line.
PreReadOutcome titles_where_none_declared(Workspace& ws, const DataBlock& block, std::string_view data_line) {
  const long long line_number = block.first + 1;
  const std::string question = titles_expected_question(line_number, data_line);
  if (ws.ui().ask(MessageType::Warning, kYesCancel, question) != Answer::Yes) return PreReadOutcome::read;
  DataDescription& d = ws.description;
  d.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", kWithTitles);
  d.set_text("Edit_num_ligne_intitule_col.text", std::to_string(line_number));
  // In line-number mode the data line is that line; with markers it counted
  // from the marker and would point elsewhere once line numbers rule.
  d.set_text("Edit_num_ligne_donnee.text", std::to_string(line_number + 1));
  d.set_choice("RadioGroup_numlig_balise_ItemIndex", kLineNumbers);
  return PreReadOutcome::stop;
}

// The trimmed blank-separated form of a line, runs of blanks as one.
std::string collapsed(std::string_view line) {
  std::string out;
  for (char c : trim_view(line)) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out.push_back(c);
  }
  return out;
}

std::string alternative_titles_tab(const ListingSettings& settings) {
  std::string titles;
  for (char c : settings.alternative_text) {
    if (c == '"' || (c == ' ' && settings.blank_separator())) continue;
    titles.push_back(c == ',' || c == ';' ? '\t' : c);
  }
  return titles;
}

// Blank separator with titles: the columns of the titles and of the first
// data line are compared. Yes to the mismatch offers the titles separated by
// "," as alternative titles.
PreReadOutcome compare_blank_columns(Workspace& ws, const ListingSettings& settings, std::string_view titles,
                                     std::string_view data_line, int& data_count) {
  BlankCountMismatch m;
  m.separator_name = settings.separator_name;
  m.converted_titles = intitules_vers_sep(titles, ' ');
  std::vector<std::string> trace;
  compter_colonnes(m.converted_titles, data_line, m.title_count, m.data_count, trace);
  for (const std::string& line : trace) ws.ajout_suivi(line);
  data_count = m.data_count;
  if (m.title_count == m.data_count) return PreReadOutcome::read;

  m.data_line = std::string(data_line);
  m.corrected_titles = intitules_vers_sep(titles, ',');
  m.corrected_count = compter_car(',', m.corrected_titles) + 1;
  if (ws.ui().ask(MessageType::Warning, kYes | kOk, blank_count_question(m)) == Answer::Yes) {
    DataDescription& d = ws.description;
    const std::string present = d.text("Edit_new_desc_colonne.text");
    const bool other_titles = !trim(present).empty() && present != m.corrected_titles;
    if (!other_titles || ws.ui().ask(MessageType::Confirmation, kYesNo,
                                     overwrite_alternatives_question(m, present)) == Answer::Yes) {
      d.set_checked("CheckBox_int_col_alternatif.Checked", true);
      d.set_text("Edit_new_desc_colonne.text", m.corrected_titles);
      d.mark_modified();
    }
  }
  return PreReadOutcome::stop_and_reset;
}

// The alternative titles must number as many as the file's own titles.
PreReadOutcome compare_alternatives(Workspace& ws, const ListingSettings& settings, std::string_view titles,
                                    const std::string& path, ColumnFindings& findings) {
  AlternativeCountMismatch m;
  m.alternatives = alternative_titles_tab(settings);
  m.alternative_count = compter_car('\t', m.alternatives) + 1;
  m.blank_separator = settings.blank_separator();
  m.separator_name = settings.separator_name;
  if (m.blank_separator) {
    m.converted_titles = intitules_vers_sep(titles, ',');
    m.original_count = compter_car(',', m.converted_titles) + 1;
  } else if (settings.quoted) {
    m.original_count = compter_car('\t', fields_with_tabs(titles, settings.cutting(titles))) + 1;
  } else {
    m.original_count = compter_car(settings.split, titles) + 1;
  }
  if (m.alternative_count != m.original_count) {
    ws.ui().ask(MessageType::Error, kOkButton, alternative_count_error(m));
    open_file(ws, settings, path);
    return PreReadOutcome::stop;
  }
  findings.measurement_columns = m.original_count - settings.date_column_count();
  findings.titles_tab = m.alternatives;
  return PreReadOutcome::read;
}

}  // namespace

int separators_in(std::string_view line, char split) {
  if (split == ' ') return compter_car(' ', collapsed(line));
  return compter_car(split, line);
}

std::string generated_titles(int count) {
  std::string titles;
  for (int rank = 1; rank <= count; ++rank) {
    if (rank > 1) titles.push_back('\t');
    titles.push_back(static_cast<char>('A' + (rank - 1) % kLetters));
    titles += std::to_string(rank);
  }
  return titles;
}

PreReadOutcome check_title_line(Workspace& ws, const ListingSettings& settings, const LoadedFile& file,
                                const DataBlock& block, const std::string& path) {
  const std::string_view data_line = file.line_or_empty(block.first);
  if (!settings.with_titles) {
    if (compter_lettres(data_line) > compter_numeriques(data_line))
      return titles_where_none_declared(ws, block, data_line);
    return PreReadOutcome::read;
  }
  const std::string_view titles = file.line_or_empty(block.title);
  const long long line_number = block.title + 1;
  const std::string upper = upper_ascii(titles);
  const int digits = compter_numeriques(titles);
  const int letters = compter_lettres(titles);
  if (!contains(upper, "DATE") && !contains(upper, "TIME") && digits > letters) {
    const std::string question = not_titles_question(line_number, digits, letters, titles);
    if (ws.ui().ask(MessageType::Warning, kYesCancel, question) == Answer::Yes) {
      ws.description.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", kWithoutTitles);
      return PreReadOutcome::stop;
    }
  }
  if (block.title < 0) {
    ws.ui().ask(MessageType::Error, kOkButton, title_line_zero_error());
    open_file(ws, settings, path);
    return PreReadOutcome::stop;
  }
  if (mostly_date_characters(titles, settings.split)) {
    const std::string question = mostly_digits_question(line_number, data_line);
    if (ws.ui().ask(MessageType::Warning, kYesCancel, question) == Answer::Yes) {
      ws.description.set_choice("RadioGroup_avec_sans_intitule_ItemIndex", kWithoutTitles);
      ws.description.set_text("Edit_num_ligne_donnee.text", std::to_string(line_number));
      return PreReadOutcome::list_again;
    }
    return PreReadOutcome::stop;
  }
  return PreReadOutcome::read;
}

PreReadOutcome find_columns(Workspace& ws, const ListingSettings& settings, const LoadedFile& file,
                            const DataBlock& block, const std::string& path, ColumnFindings& findings) {
  std::string_view examined = title_line_of(file, block, settings);
  // A file saved as UTF-8 with a byte-order mark would carry it into its
  // first title.
  if (examined.starts_with(kUtf8ByteOrderMark)) examined.remove_prefix(kUtf8ByteOrderMark.size());
  const std::string_view data_line = file.line_or_empty(block.first);
  const int date_columns = settings.date_column_count();
  if (settings.alternative_titles) {
    const PreReadOutcome outcome = compare_alternatives(ws, settings, examined, path, findings);
    if (outcome != PreReadOutcome::read) return outcome;
  } else if (settings.blank_separator() && settings.with_titles) {
    int data_count = 0;
    const PreReadOutcome outcome = compare_blank_columns(ws, settings, examined, data_line, data_count);
    if (outcome != PreReadOutcome::read) return outcome;
    findings.measurement_columns = data_count - date_columns;
    findings.titles_tab = intitules_vers_sep(examined, '\t');
  } else if (settings.quoted) {
    // Titles such as "Temp, °C" hold the separator between their quotes:
    // the columns are the fields the line is cut into.
    const std::string fields =
        fields_with_tabs(examined, settings.cutting(settings.with_titles ? examined : ""));
    findings.measurement_columns = compter_car('\t', fields) + 1 - date_columns;
    if (settings.with_titles) findings.titles_tab = fields;
  } else {
    findings.measurement_columns = separators_in(examined, settings.split) - date_columns + 1;
    if (settings.with_titles) {
      findings.titles_tab = std::string(examined);
      remplacer_car(settings.split, '\t', findings.titles_tab);
    }
  }

  if (findings.measurement_columns > kMaxDataColumns) {
    ws.ui().ask(MessageType::Warning, kOkButton,
                too_many_columns_warning(path, findings.measurement_columns, examined));
    ws.ajout_suivi("");
    ws.ajout_suivi(" !!! " + format_grouped(findings.measurement_columns) + " colonnes de données dans " +
                   path);
    return PreReadOutcome::stop_and_reset;
  }
  if (findings.measurement_columns < 1) {
    ws.ui().ask(MessageType::Warning, kYes, single_column_warning(settings.separator_name, examined));
    for (const std::string& line : single_column_report(settings.separator_name, examined))
      ws.ajout_suivi(line);
    open_file(ws, settings, path);
    return PreReadOutcome::stop_and_reset;
  }

  if (settings.with_titles) {
    findings.origin_titles = std::string(examined);
    reparer_accents(findings.origin_titles);
  } else {
    findings.origin_titles = generated_titles(findings.measurement_columns + date_columns);
    if (!settings.alternative_titles) findings.titles_tab = findings.origin_titles;
  }
  reparer_accents(findings.titles_tab);
  return PreReadOutcome::read;
}

}  // namespace talve
