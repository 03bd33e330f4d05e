// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/column_mapping.h"

#include "core/column_methods.h"
#include "core/entry_rules.h"
#include "core/workspace.h"
#include "engine/aggregation.h"
#include "engine/decoding.h"
#include "text/text_utils.h"

namespace talve {
namespace {

// The column titles of the files, cut once: looking each title up in the
// whole line would take a time that grows with the square of the column
// count, which a file of many thousand columns turns into a hang.
class Titles {
 public:
  explicit Titles(std::string_view title_line) { m_fields.split(title_line, '\t'); }
  std::string of(int column) const {
    return column < 1 ? std::string() : std::string(m_fields.field(static_cast<std::size_t>(column)));
  }

 private:
  FieldSplitter m_fields;
};

// The title of the date-time column, or those of its columns joined by "+".
std::string date_titles(const Titles& titles, const DecodeSettings& settings) {
  if (settings.datetime_columns.size() < 2) return titles.of(settings.datetime_column);
  std::string joined;
  for (const int column : settings.datetime_columns) {
    if (!joined.empty()) joined += '+';
    joined += titles.of(column);
  }
  return joined;
}

// " decalage=+2j 01:30:00", or nothing when the instants are not moved.
std::string offset_text(const Workspace& ws) {
  const DataDescription& d = ws.description;
  const TDateTime time = d.time("TimePicker_decalage");
  if (!d.checked("CheckBox_decalage_actif.Checked") || ws.offset_days + time == 0) return "";
  const char* sign = d.checked("RadioButton_decalage_negatif.Checked") ? "-" : "+";
  return " decalage=" + std::string(sign) + std::to_string(ws.offset_days) + "j " + format_time(time);
}

// The columns' own methods, when `Edit_methode_par_colonne.text` is usable
// (the run has warned otherwise): the method of each output column, and its
// name after the title of a column whose method is not the chosen one.
void apply_column_methods(const DataDescription& d, Method chosen, ColumnMap& map) {
  const ColumnMethodList own = parse_column_methods(d.text("Edit_methode_par_colonne.text"));
  if (own.methods.empty() || !column_methods_problem(d).empty()) return;
  std::vector<Method> methods(static_cast<std::size_t>(map.count) + 1, chosen);
  bool mixed = false;
  for (int j = 2; j < map.count; ++j) {
    const auto index = static_cast<std::size_t>(j);
    for (const ColumnMethod& m : own.methods)
      if (m.column == map.sources[index]) methods[index] = static_cast<Method>(m.method);
    if (methods[index] == chosen) continue;
    map.titles[index] += "(" + method_name(methods[index]) + ")";
    mixed = true;
  }
  if (mixed) map.methods = std::move(methods);
}

// The column list of the files, with "," and ";" read as TAB and double
// quotes as blanks.
std::string titles_with_tabs(std::string_view titles) {
  std::string out(titles);
  for (char& c : out) {
    if (c == ',' || c == ';') c = '\t';
    if (c == '"') c = ' ';
  }
  return out;
}

// A column given its own method that the result does not hold: the method
// has nothing to apply to, which the user must know.
void trace_methods_of_absent_columns(Workspace& ws, const ColumnMap& map) {
  const DataDescription& d = ws.description;
  const ColumnMethodList own = parse_column_methods(d.text("Edit_methode_par_colonne.text"));
  if (own.methods.empty() || !column_methods_problem(d).empty()) return;
  for (const ColumnMethod& m : own.methods) {
    bool present = false;
    for (int j = 2; j < map.count; ++j)
      present = present || map.sources[static_cast<std::size_t>(j)] == m.column;
    if (!present)
      ws.ajout_suivi(" méthode " + std::string(column_method_names()[static_cast<std::size_t>(m.method)]) +
                     " de la colonne " + std::to_string(m.column) +
                     " sans effet : le fichier n'a pas cette colonne");
  }
}

}  // namespace

int mapped_data_column_count(const DataDescription& description, int data_column_count) {
  if (!description.checked("CheckBox_col_cochee.Checked")) return std::max(data_column_count, 0);
  const std::string& selection = description.text("Edit_col_cochee.text");
  return compter_car(',', selection) + compter_car(';', selection) + 1;
}

ColumnMap build_column_map(const Workspace& ws, const DecodeSettings& settings,
                           const ColumnMapSource& source) {
  const DataDescription& d = ws.description;
  ColumnMap map;
  if (d.checked("CheckBox_col_cochee.Checked")) {
    std::string selection = d.text("Edit_col_cochee.text");
    remplacer_car(';', ',', selection);
    map.count = mapped_data_column_count(d, source.data_column_count) + 2;
    map.sources.assign(static_cast<std::size_t>(map.count) + 1, 0);
    // Cut once: a list of tens of thousands of columns read field by field
    // from its start each time would take a time that grows with its square.
    FieldSplitter fields;
    fields.split(selection, ',');
    for (int k = 1; k <= map.count - 2; ++k) {
      int column = 0;
      if (!read_int(fields.field(static_cast<std::size_t>(k)), column)) column = 0;
      map.sources[static_cast<std::size_t>(k + 1)] = column;
    }
  } else {
    const int data = std::max(source.data_column_count, 0);
    map.count = data + 2;
    map.sources.assign(static_cast<std::size_t>(map.count) + 1, 0);
    int k = 1;
    for (int column = 1; column <= data + settings.date_column_count() && k <= data; ++column)
      if (!settings.is_date_column(column)) map.sources[static_cast<std::size_t>(++k)] = column;
  }
  const Titles titles(source.title_line);
  map.titles.assign(static_cast<std::size_t>(map.count) + 1, "");
  for (int j = 2; j < map.count; ++j)
    map.titles[static_cast<std::size_t>(j)] = titles.of(map.sources[static_cast<std::size_t>(j)]);
  if (settings.two_date_columns) {
    map.titles[1] = titles.of(settings.date_column);
  } else {
    const char* test = ws.period.date_test == DateTest::Strict ? " inf srict" : " inf ou =";
    map.titles[1] = "temps(" + date_titles(titles, settings) + offset_text(ws) + test + ")";
  }
  const Method method = method_from_choice(d.choice("RadioGroup_methode_ItemIndex"));
  apply_column_methods(d, method, map);
  std::string nb =
      "nb(" + std::to_string(source.grid_count - 1) + ")" + "_methode_(" + method_caption(method) + ")";
  if (!source.station.empty()) nb += "_station(" + std::string(source.station) + ")";
  map.titles[static_cast<std::size_t>(map.count)] = std::move(nb);
  return map;
}

void show_column_map(Workspace& ws, const ColumnMap& map) {
  ws.ajout_suivi("");
  ws.ajout_suivi(" colonnes à extraire :");
  for (int j = 1; j <= map.count; ++j)
    ws.ajout_suivi(std::to_string(j) + "=>" + map.titles[static_cast<std::size_t>(j)]);
  trace_methods_of_absent_columns(ws, map);
  ws.set_caption("Label5", std::to_string(map.count) + " colonnes (avec temps et nb)");
}

void lister_colonnes(Workspace& ws, int data_column_count, std::string_view title_line) {
  const DataDescription& d = ws.description;
  ws.set_visible("Panel1", true);
  ws.ajout_suivi(std::string(47, '='));
  ws.ajout_suivi(" nb de colonnes de mesure(s) = " + std::to_string(data_column_count));
  const int date_columns = DecodeSettings::read(d).date_column_count();
  ws.ajout_suivi(" nb de colonnes pour les dates/heures = " + std::to_string(date_columns));
  // Quoted titles were cut where their quotes say: a comma inside one is
  // part of it.
  const std::string titles =
      d.checked("CheckBox_guillemets.Checked") ? std::string(title_line) : titles_with_tabs(title_line);
  if (titles.find('\t') == std::string::npos) {
    ws.ui().message(" le nombre de colonnes détectées est nul :\n\n<" + titles + ">\n\n" +
                    "  vérifier les intitulés alternatifs...");
  } else {
    const int count = compter_car('\t', titles) + 1;
    const Titles fields(titles);
    for (int i = 1; i <= count; ++i) ws.ajout_suivi(std::to_string(i) + " - " + fields.of(i));
  }
  if (d.checked("CheckBox_int_col_alternatif.Checked")) {
    const std::string alternatives = titles_with_tabs(d.text("Edit_new_desc_colonne.text"));
    ws.ajout_suivi("");
    const int count = compter_car('\t', alternatives) + 1;
    const Titles fields(alternatives);
    for (int i = 1; i <= count; ++i) ws.ajout_suivi("  " + std::to_string(i) + " - " + fields.of(i));
    ws.ajout_suivi("...extraire : " + d.text("Edit_col_cochee.text") + "  => ");
  }
}

}  // namespace talve
