// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/mapped_file.h"

namespace talve {

// The bytes of a whole data file. Unlike a std::string it is never zeroed
// before being read into, and the loader hands finished buffers back to a
// small pool: a run that loads file after file reuses the same memory
// instead of having the system clear tens of megabytes for each file.
// It may instead hold a mapped file, whose bytes are then read in place.
class FileBuffer {
 public:
  char* data() { return m_mapped ? m_mapped->writable_data() : m_data.get(); }
  const char* data() const { return m_mapped ? m_mapped->data() : m_data.get(); }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  std::string_view view() const { return {data(), m_size}; }

  // The content is left as it is up to the new size; beyond it, undefined.
  // A mapped file that must grow is copied into memory of its own first.
  void resize(std::size_t size);
  // Empties the buffer, letting go of a mapped file.
  void clear();

  // Holds the whole of a mapped file instead of bytes of its own.
  void hold(std::unique_ptr<MappedFile> mapped);
  // True when the mapped file changed since it was mapped (see
  // MappedFile::changed).
  bool changed() const { return m_mapped && m_mapped->changed(); }

 private:
  std::unique_ptr<char[]> m_data;
  std::size_t m_size = 0;
  std::size_t m_capacity = 0;
  std::unique_ptr<MappedFile> m_mapped;
};

// A buffer from the pool (or a new one); it goes back to the pool when the
// last shared pointer to it is released.
std::shared_ptr<FileBuffer> acquire_file_buffer();

// Makes the pooled buffer hold the largest of these files, its memory
// already handed over by the system: meant to run on another thread while
// a run sets up its table, so that the first file is then read at once.
// Files large enough to be mapped need no buffer and are passed over.
void prepare_file_buffer(const std::vector<std::string>& paths);

}  // namespace talve
