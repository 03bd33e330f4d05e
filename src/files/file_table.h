// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/pre_read_facts.h"

namespace talve {

class UserInterface;

// The FileTable: a title row and one row per listed data file. Columns are
// always addressed by their title, never by their position. A row that was
// pre-read also carries the facts the pre-reading found, and a listed row
// the path of its file as the file system names it; both move with the row
// when rows are exchanged or removed.
class FileTable {
 public:
  struct Column {
    std::string_view title;
    int width;  // pixels, for the window
  };
  // The 16 columns, in order.
  static const std::vector<Column>& columns();

  FileTable();

  // `entetes_tableau`: every cell cleared, the titles set, no file row.
  void reset();

  // Number of rows including the title row.
  int row_count() const { return static_cast<int>(m_rows.size()); }
  int file_row_count() const { return row_count() - 1; }
  int column_count() const { return static_cast<int>(columns().size()); }

  // Index of the column whose title, trimmed, equals the trimmed title (the
  // last one when several match); -1 when none or when the title is blank.
  int column_index(std::string_view title) const;

  // Cell access by column title; reading a missing cell gives "".
  const std::string& lire_case(int row, std::string_view title) const;
  void ecrire_case(int row, std::string_view title, std::string text);
  const std::string& cell(int row, int column) const;
  void set_cell(int row, int column, std::string text);

  // Appends an empty file row and returns its index.
  int add_row();
  std::vector<std::string>& row(int index) { return m_rows[static_cast<std::size_t>(index)]; }
  const std::vector<std::string>& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }
  std::vector<std::vector<std::string>>& rows() { return m_rows; }
  const std::vector<std::vector<std::string>>& rows() const { return m_rows; }

  // Exchanges two whole rows, their facts included.
  void swap_rows(int a, int b);
  // Removes the rows first..last (valid file rows, first <= last); the
  // rows below move up.
  void erase_rows(int first, int last);

  // The pre-read facts of a row; nullptr when the row was not pre-read.
  const PreReadFacts* facts(int row) const;
  void set_facts(int row, PreReadFacts facts);

  // The path the row's file is read from, in the file system's own bytes
  // (its cells hold the names as texts); "" when the listing gave none.
  const std::string& source_path(int row) const;
  void set_source_path(int row, std::string path);

 private:
  void fit_facts();

  std::vector<std::vector<std::string>> m_rows;
  std::vector<std::optional<PreReadFacts>> m_facts;  // by row, index 0 unused
  std::vector<std::string> m_sources;                // by row, index 0 unused
};

// `colonne_tableau`: the column index of a title; shows "La colonne <title>
// n'existe pas" when no column has it (a blank title gives -1 silently).
int colonne_tableau(const FileTable& table, std::string_view title, UserInterface& ui);

}  // namespace talve
