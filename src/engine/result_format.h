// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/progress_text.h"
#include "engine/result_table.h"
#include "text/text_rows.h"

namespace talve {

class DataDescription;
class EventPacer;
class Workspace;

// How the result rows are written, read once per run.
struct OutputFormat {
  int decimals = 2;              // `Edit_nb_decimale.text`
  std::string separator = "\t";  // `RadioGroup_separateur_sortie_ItemIndex`
  int decimal_choice = 0;        // 0 "virgule", 1 "point" (read as 0 when neither)
  std::string missing_text;      // what a missing cell is written as
  char system_decimal = ',';
  // `CheckBox_marquer_origine`: beside each data column, a column
  // "<title>_origine" telling where each value comes from (origin_letter).
  bool origin_columns = false;

  static OutputFormat read(const DataDescription& description);
};

// The output separator of a choice: TAB, " ", " " + TAB, ";" (TAB for any
// other value).
std::string output_separator(int choice);
// The decimals of the number format "%5.<text>f": the trimmed text read as
// a whole number; an empty text means none (as in "%5.f"); a text that is
// no number from 0 to 50 falls back to 2, the initial setting, instead of
// making the format fail (the run warns of it).
inline constexpr int kMaxOutputDecimals = 50;
int decimals_from_text(std::string_view text);
// False when decimals_from_text falls back.
bool decimals_text_usable(std::string_view text);
// `Edit_NA.text` as written for a missing cell: "E" (trimmed, any case) is
// one blank, "V" is nothing, anything else is written as it is.
std::string missing_text(std::string_view na_text);

// The mark of a written cell: "M" made of measurements, "C" a filled gap,
// "F" moved by the forced growth, "N" missing. One letter, so that a
// spreadsheet or a data frame reads the column as plain text beside the
// numbers, which stay numbers.
char origin_letter(const ResultTable& table, int row, int column);
inline constexpr std::string_view kOriginSuffix = "_origine";

// Appends the value in the "%5.<decimals>f" format: fixed notation, at least
// five characters padded on the left with blanks, the given decimal mark.
void append_number(std::string& out, ResultValue value, int decimals, char decimal_mark);
// The line count in its shortest general form ("12", "2", "1,5").
void append_count(std::string& out, ResultValue value, char decimal_mark);
// Output decimal separator: "virgule" turns every "." into "," in a text
// that holds no ","; "point" turns every "," into "." in a text that holds
// no ".".
void apply_output_decimal(std::string& text, int choice);

// The title rows: the result list gets the titles of columns 1..C, the
// values-only list those of columns 2..C, joined by the separator (with
// the origin columns' titles after each data column when they are asked
// for). Both
// lists are emptied first. The values-only list is null where nothing
// shows it (the batch mode): it is then neither written nor kept.
void start_result_lists(const ResultTable& table, const OutputFormat& format, TextRows& result_list,
                        TextRows* values_only_list);

// Appends the rows 2..n (row 1 is only the lower bound of the first
// interval) to both lists, with the progress "3- patienter ... formatage
// <n>%" and the stop flag tested after each row; then counts the empty
// cells. Returns false when stopped.
[[nodiscard]] bool format_rows(ResultTable& table, const TextRows& grid_entries, const OutputFormat& format,
                               TextRows& result_list, TextRows* values_only_list,
                               const ProgressText& progress, EventPacer& pacer);

// E(j) for every data column: the cells of rows 2..n written as the missing
// text, each counted once.
void count_empty_cells(ResultTable& table);

}  // namespace talve
