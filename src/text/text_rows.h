// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace talve {

// Rows of text kept as the file that holds them: one block where every row
// is followed by CR LF. A result of a hundred thousand rows is then one
// allocation instead of one per row, and is written, copied or shown
// without being joined first.
class TextRows {
 public:
  TextRows() = default;
  TextRows(std::initializer_list<std::string_view> rows);
  TextRows(const TextRows& other);
  TextRows& operator=(const TextRows& other);
  // A moved-from list is empty, and usable again.
  TextRows(TextRows&& other) noexcept { *this = std::move(other); }
  TextRows& operator=(TextRows&& other) noexcept;

  std::size_t size() const { return m_ends.size(); }
  bool empty() const { return m_ends.empty(); }
  // Keeps the memory, for the next rows.
  void clear() {
    m_size = 0;
    m_ends.clear();
  }
  void reserve(std::size_t rows, std::size_t bytes);

  void push_back(std::string_view row) {
    if (m_size + row.size() + 2 > m_capacity) [[unlikely]]
      grow(m_size + row.size() + 2);
    char* const out = m_text.get() + m_size;
    std::memcpy(out, row.data(), row.size());
    std::memcpy(out + row.size(), "\r\n", 2);
    m_size += row.size();
    m_ends.push_back(m_size);
    m_size += 2;
  }

  // Row i, without its CR LF.
  std::string_view operator[](std::size_t i) const {
    const std::size_t start = i == 0 ? 0 : m_ends[i - 1] + 2;
    return {m_text.get() + start, m_ends[i] - start};
  }
  std::string_view back() const { return (*this)[size() - 1]; }
  // Every row followed by CR LF.
  std::string_view text() const { return {m_text.get(), m_size}; }
  // The same rows: the same text, cut at the same places (rows may hold
  // CR LF themselves).
  friend bool operator==(const TextRows& a, const TextRows& b) {
    return a.m_ends == b.m_ends && a.text() == b.text();
  }
  std::vector<std::string> lines() const;

 private:
  void grow(std::size_t wanted);

  std::unique_ptr<char[]> m_text;
  std::size_t m_size = 0;
  std::size_t m_capacity = 0;
  std::vector<std::size_t> m_ends;  // where each row's text ends, before its CR LF
};

}  // namespace talve
