// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <string>
#include <vector>

#include "core/workspace.h"
#include "engine/processing_engine.h"
#include "files/data_block.h"
#include "files/file_table.h"
#include "files/loader.h"
#include "grid_fixture.h"
#include "support/scripted_interface.h"
#include "support/temp_dir.h"
#include "text/system_locale.h"

namespace talve::testing {

// A processing run over real files on disk: the description is set key by
// key, the files are loaded by the loader and read by the engine.
class EngineRun {
 public:
  EngineRun() : ws(ui) {
    set_system_decimal_separator(',');
    ws.description.assign("RadioGroup_separateur_colonne_ItemIndex", "2");
    ws.description.assign("RadioGroup_avec_sans_intitule_ItemIndex", "0");
    ws.description.assign("Edit_num_ligne_intitule_col.text", "1");
    ws.description.assign("Edit_num_ligne_donnee.text", "2");
    ws.description.assign("Edit_num_col_datetime.text", "1");
    ws.description.assign("Edit_format_datetime_mesure.text", "jj_mm_aaaa_hh_mn_ss");
    ws.description.assign("Edit_equiv_na.text", "NA;-99999");
    ws.description.assign("Edit_NA.text", "#N/A");
    ws.description.assign("Edit_nb_decimale.text", "2");
    ws.description.assign("RadioGroup_separateur_sortie_ItemIndex", "3");
  }

  void set(const std::string& key, const std::string& value) { ws.description.assign(key, value); }

  // Writes a file of CR LF lines and adds its FileTable row.
  std::string add_file(const std::string& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    const std::string path = dir.write(name, bytes);
    const int row = files.add_row();
    files.ecrire_case(row, "fichier", name);
    paths.push_back(path);
    return path;
  }

  // Adds the FileTable row of a file that exists already.
  void add_existing(const std::string& path) {
    const int row = files.add_row();
    files.ecrire_case(row, "fichier", path.substr(path.rfind('/') + 1));
    paths.push_back(path);
  }

  // Reads every file and formats the result; false when the run was
  // abandoned or stopped.
  bool run(const TimeGrid& grid, int data_columns, const std::string& title_line) {
    ProcessingEngine engine(ws, table);
    if (configure) configure(engine);
    engine.prepare(grid, data_columns);
    for (std::size_t i = 0; i < paths.size(); ++i) {
      LoadedFile loaded;
      if (!load_data_file(ws, paths[i], loaded, limits)) return false;
      FileInput input;
      input.row = static_cast<int>(i) + 1;
      input.path = paths[i];
      input.file = &loaded;
      input.block = locate_data_block(loaded, ws.description);
      input.title_line = title_line;
      input.data_column_count = data_columns;
      if (engine.begin_file(files, input) == FileCheck::abandon) return false;
      const bool stopped = !engine.read_lines();
      reports.push_back(engine.end_file(files));
      if (stopped) break;
      trace_file_counters(ws, engine.file_report());
    }
    span = engine.span();
    TextRows result_rows, values_rows;
    const bool complete = engine.finish(grid.entries, result_rows, &values_rows);
    result = result_rows.lines();
    values = values_rows.lines();
    return complete;
  }

  // Called on the engine before the run, to choose how it reads.
  std::function<void(ProcessingEngine&)> configure;
  // How the files are loaded: a smaller piece size reads them in pieces.
  LoadLimits limits;

  ProgramHome home;
  TempDir dir;
  ScriptedInterface ui;
  Workspace ws;
  FileTable files;
  ResultTable table;
  std::vector<std::string> paths;
  std::vector<FileReport> reports;
  std::vector<std::string> result;
  std::vector<std::string> values;
  DataSpan span;
};

}  // namespace talve::testing
