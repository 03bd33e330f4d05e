// SPDX-License-Identifier: GPL-3.0-or-later
#include "inputs/workbook_import.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/program_folder.h"
#include "core/workspace.h"
#include "files/byte_substitution.h"
#include "inputs/workbook_conversion.h"
#include "text/clock.h"
#include "text/encoding.h"
#include "text/system_error.h"
#include "text/tdatetime.h"
#include "text/text_utils.h"

namespace talve {
namespace {

namespace fs = std::filesystem;

std::string file_name_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string duration_text(double seconds) { return "durée " + format_time(seconds / kSecondsPerDay); }

int sheet_number(const Workspace& ws) {
  int sheet = 1;
  if (!read_int(trim_view(ws.description.text("Edit_num_feuille_excel.text")), sheet) || sheet < 1) sheet = 1;
  return sheet;
}

// The hourglass and the busy flag while the workbook is read; "stop" may
// be pressed meanwhile.
class BusyImport {
 public:
  explicit BusyImport(Workspace& ws) : m_ws(ws), m_was_busy(ws.flags.busy) {
    m_ws.flags.busy = true;
    m_ws.flags.stop = false;
    m_ws.ui().set_busy(true);
  }
  ~BusyImport() {
    m_ws.ui().set_busy(false);
    m_ws.flags.busy = m_was_busy;
  }
  BusyImport(const BusyImport&) = delete;
  BusyImport& operator=(const BusyImport&) = delete;

 private:
  Workspace& m_ws;
  bool m_was_busy;
};

// The workbook is copied so that LibreOffice never opens (nor locks) the
// user's own file. A copy that fails stops the import: an older copy left
// in place would be read instead.
bool copy_workbook(Workspace& ws, const std::string& workbook, const std::string& copy) {
  std::error_code error;
  fs::copy_file(file_system_path(workbook), copy, fs::copy_options::overwrite_existing, error);
  if (!error) return true;
  const int reason = error.value();
  fs::remove(copy, error);
  ws.ui().message(" le classeur n'a pas pu être copié pour sa lecture :\n\n <" + workbook + ">\n\n " +
                  system_error_text(reason));
  return false;
}

std::string read_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The sheet's lines written with CR LF into "~tmp.txt", then every TAB
// turned into ";" from there into "~tmp_xls.csv".
bool write_converted(Workspace& ws, const std::vector<std::string_view>& lines) {
  const std::string pasted = program_file("~tmp.txt");
  {
    std::ofstream out(pasted, std::ios::binary | std::ios::trunc);
    for (const std::string_view line : lines) out << line << "\r\n";
    if (!out.flush()) return false;
  }
  return copie_substitution(ws, pasted, program_file("~tmp_xls.csv"), '\t', ';') == CopyOutcome::Copied;
}

// The lines of the converted sheet, without the empty line after the last
// line end.
std::vector<std::string_view> sheet_lines(const std::string& text) {
  std::vector<std::string_view> lines = split_lines(text);
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

void tell_conversion_end(Workspace& ws, const SheetConversion& conversion, const std::string& name) {
  switch (conversion.end) {
    case ConversionEnd::TimedOut:
      ws.ui().message(" conversion du classeur arrêtée après 120 s : " + name);
      break;
    case ConversionEnd::Stopped:
      ws.ajout_suivi(" lecture du classeur stoppée : " + name);
      break;
    case ConversionEnd::Failed:
      ws.ui().message(" le classeur n'a pas pu être lu : " + name + "\n\n " + conversion.problem);
      break;
    case ConversionEnd::NoConverter:
    case ConversionEnd::Converted:
      break;
  }
}

}  // namespace

WorkbookImport import_workbook(Workspace& ws, const std::string& workbook) {
  WorkbookImport result;
  if (find_converter().empty()) {
    ws.ui().message(" LibreOffice introuvable : installer le paquet libreoffice-calc-nogui ");
    return result;
  }
  const std::string name = file_name_of(workbook);
  const double started = monotonic_seconds();
  {
    BusyImport busy(ws);
    ws.set_caption("Label6", "durée 00:00:00");
    ws.set_caption("Label10", " patienter, lecture Excel...");
    const std::string copy = program_file("~tmp.xls");
    if (!copy_workbook(ws, workbook, copy)) return result;
    ws.set_caption("Memo1", "");
    ws.set_caption("Memo6", "");
    ws.set_visible("Memo6", false);

    // The time spent shows while LibreOffice works, and "stop" answers.
    const auto keep_waiting = [&ws, started] {
      ws.set_caption("Label6", duration_text(std::floor(monotonic_seconds() - started)));
      ws.ui().process_events();
      return !ws.flags.stop;
    };
    const SheetConversion conversion = convert_sheet(copy, sheet_number(ws), program_file("~tmp_xls.d"),
                                                     kWorkbookLimitSeconds, keep_waiting);
    ws.set_caption("Label10", duration_text(monotonic_seconds() - started));
    if (conversion.end != ConversionEnd::Converted) {
      tell_conversion_end(ws, conversion, name);
    } else {
      ws.description.set_text("Label_nom_feuille.caption", name_as_text(conversion.sheet_name));
      const std::string text = read_text(conversion.text_path);
      const std::vector<std::string_view> lines = sheet_lines(text);
      if (lines.empty()) {
        ws.ui().message(" problème, memo1 vide!!!");
      } else if (!ws.flags.stop) {
        result.imported = write_converted(ws, lines);
        if (result.imported) ws.set_caption("Memo1", read_text(program_file("~tmp_xls.csv")));
      }
    }
    std::error_code error;
    fs::remove_all(program_file("~tmp_xls.d"), error);
  }
  result.seconds = monotonic_seconds() - started;
  ws.set_caption("Label10", duration_text(result.seconds));
  ws.set_caption("Label6", duration_text(result.seconds));
  return result;
}

}  // namespace talve
