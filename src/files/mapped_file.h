// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>

namespace talve {

// A regular file mapped into memory as the system caches it. Reading a
// large data file this way spares copying tens of megabytes out of the
// system's cache into a buffer of our own (and the pages of that buffer):
// the lines are cut and parsed where the system keeps them.
//
// The mapping is private: writing into it (the byte substitutions) gives
// the written pages a copy of their own, never changing the file. A file
// that shrinks while it is mapped would make reading its lost pages kill
// the process; instead those pages then read as zeros and cut_short()
// tells it.
// Files from this size on are mapped rather than read: below it, mapping
// and unmapping cost more than the copy they spare.
constexpr std::size_t kMappedFileBytes = 4u << 20;

class MappedFile {
 public:
  // Maps the first `size` bytes of an open file; null when the system
  // refuses (the caller reads the file instead) or when too many files are
  // mapped at once.
  static std::unique_ptr<MappedFile> map(int fd, std::size_t size);

  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  const char* data() const { return m_data; }
  std::size_t size() const { return m_size; }
  // The same bytes, writable; pages written get a private copy.
  char* writable_data() { return m_data; }
  // True once the file shrank under the mapping: part of the bytes read as
  // zeros instead of the file's content.
  bool cut_short() const;

 private:
  MappedFile(char* data, std::size_t size, int slot) : m_data(data), m_size(size), m_slot(slot) {}

  char* m_data;
  std::size_t m_size;
  int m_slot;
};

}  // namespace talve
