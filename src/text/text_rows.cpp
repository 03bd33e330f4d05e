// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_rows.h"

#include <algorithm>

namespace talve {

TextRows::TextRows(std::initializer_list<std::string_view> rows) {
  for (const std::string_view row : rows) push_back(row);
}

TextRows::TextRows(const TextRows& other) { *this = other; }

TextRows& TextRows::operator=(const TextRows& other) {
  if (this == &other) return *this;
  clear();
  reserve(other.size(), other.m_size);
  if (other.m_size > 0) std::memcpy(m_text.get(), other.m_text.get(), other.m_size);
  m_size = other.m_size;
  m_ends = other.m_ends;
  return *this;
}

TextRows& TextRows::operator=(TextRows&& other) noexcept {
  if (this == &other) return *this;
  m_text = std::move(other.m_text);
  m_size = std::exchange(other.m_size, 0);
  m_capacity = std::exchange(other.m_capacity, 0);
  m_ends = std::move(other.m_ends);
  other.m_ends.clear();
  return *this;
}

void TextRows::reserve(std::size_t rows, std::size_t bytes) {
  m_ends.reserve(rows);
  if (bytes > m_capacity) grow(bytes);
}

// The block is reallocated without being cleared first: only the bytes in
// use are copied, and a new block is never written twice.
void TextRows::grow(std::size_t wanted) {
  const std::size_t capacity = std::max({wanted, 2 * m_capacity, std::size_t{256}});
  std::unique_ptr<char[]> text(new char[capacity]);
  if (m_size > 0) std::memcpy(text.get(), m_text.get(), m_size);
  m_text = std::move(text);
  m_capacity = capacity;
}

std::vector<std::string> TextRows::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
  return out;
}

}  // namespace talve
