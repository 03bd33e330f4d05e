// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_table.h"

#include <utility>

#include "core/user_interface.h"

namespace talve {
namespace {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

const std::vector<FileTable::Column>& FileTable::columns() {
  // clang-format off
  static const std::vector<Column> kColumns = {
      {"n", 44},
      {"fichier", 200},
      {"s/répertoire", 80},
      {"Station", 70},
      {"date_NOM_Fichier", 100},
      {"taille (Mo)", 50},
      {"date dep", 120},
      {"date fin", 120},
      {"n.données", 70},
      {"n.extraites", 70},
      {"pas moyen observé", 100},
      {"durée de traitement", 100},
      {"correction", 100},
      {"nb Colonnes", 80},
      {"n°Lig intitulés", 80},
      {" x", 20},
  };
  // clang-format on
  return kColumns;
}

FileTable::FileTable() { reset(); }

void FileTable::reset() {
  m_rows.clear();
  m_facts.clear();
  m_sources.clear();
  std::vector<std::string> titles;
  for (const Column& column : columns()) titles.emplace_back(column.title);
  m_rows.push_back(std::move(titles));
}

int FileTable::column_index(std::string_view title) const {
  const std::string_view wanted = trimmed(title);
  if (wanted.empty()) return -1;
  int found = -1;
  const auto& titles = m_rows.front();
  for (std::size_t i = 0; i < titles.size(); ++i)
    if (trimmed(titles[i]) == wanted) found = static_cast<int>(i);
  return found;
}

const std::string& FileTable::cell(int row, int column) const {
  static const std::string kEmpty;
  if (row < 0 || row >= row_count() || column < 0) return kEmpty;
  const auto& cells = m_rows[static_cast<std::size_t>(row)];
  return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)] : kEmpty;
}

void FileTable::set_cell(int row, int column, std::string text) {
  if (row < 0 || row >= row_count() || column < 0 || column >= column_count()) return;
  m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = std::move(text);
}

const std::string& FileTable::lire_case(int row, std::string_view title) const {
  return cell(row, column_index(title));
}

void FileTable::ecrire_case(int row, std::string_view title, std::string text) {
  set_cell(row, column_index(title), std::move(text));
}

int FileTable::add_row() {
  m_rows.emplace_back(columns().size());
  fit_facts();
  return row_count() - 1;
}

// Rows may also be added through rows(): the facts and sources follow the
// row count.
void FileTable::fit_facts() {
  m_facts.resize(m_rows.size());
  m_sources.resize(m_rows.size());
}

void FileTable::swap_rows(int a, int b) {
  fit_facts();
  std::swap(m_rows[static_cast<std::size_t>(a)], m_rows[static_cast<std::size_t>(b)]);
  std::swap(m_facts[static_cast<std::size_t>(a)], m_facts[static_cast<std::size_t>(b)]);
  std::swap(m_sources[static_cast<std::size_t>(a)], m_sources[static_cast<std::size_t>(b)]);
}

void FileTable::erase_rows(int first, int last) {
  fit_facts();
  m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
  m_facts.erase(m_facts.begin() + first, m_facts.begin() + last + 1);
  m_sources.erase(m_sources.begin() + first, m_sources.begin() + last + 1);
}

const std::string& FileTable::source_path(int row) const {
  static const std::string kNone;
  if (row < 1 || static_cast<std::size_t>(row) >= m_sources.size() || row >= row_count()) return kNone;
  return m_sources[static_cast<std::size_t>(row)];
}

void FileTable::set_source_path(int row, std::string path) {
  if (row < 1 || row >= row_count()) return;
  fit_facts();
  m_sources[static_cast<std::size_t>(row)] = std::move(path);
}

const PreReadFacts* FileTable::facts(int row) const {
  if (row < 1 || static_cast<std::size_t>(row) >= m_facts.size() || row >= row_count()) return nullptr;
  const auto& facts = m_facts[static_cast<std::size_t>(row)];
  return facts ? &*facts : nullptr;
}

void FileTable::set_facts(int row, PreReadFacts facts) {
  if (row < 1 || row >= row_count()) return;
  fit_facts();
  m_facts[static_cast<std::size_t>(row)] = std::move(facts);
}

int colonne_tableau(const FileTable& table, std::string_view title, UserInterface& ui) {
  if (trimmed(title).empty()) return -1;
  const int index = table.column_index(title);
  if (index < 0) ui.message("La colonne <" + std::string(title) + "> n'existe pas");
  return index;
}

}  // namespace talve
