// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>

namespace talve {

// Files from this size on are mapped rather than read: below it, mapping
// and unmapping cost more than the copy they spare.
constexpr std::size_t kMappedFileBytes = 4u << 20;

// A regular file mapped into memory as the system caches it. Reading a
// large data file this way spares copying tens of megabytes out of the
// system's cache into a buffer of our own (and the pages of that buffer):
// the lines are cut and parsed where the system keeps them.
//
// The mapping is private: writing into it (the byte substitutions) gives
// the written pages a copy of their own, never changing the file. A file
// that shrinks while it is mapped would make reading its lost pages kill
// the process; instead those pages then read as zeros. Whatever happened
// to the file meanwhile (cut short, rewritten, appended to), changed()
// tells it, so that a reading of bytes that are no longer the file's is
// not taken for a sound one.
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
  // True when the file was written to, cut short or replaced in place
  // since it was mapped: its bytes as mapped may no longer be the file's,
  // and the pages it lost read as zeros.
  bool changed() const;

 private:
  MappedFile(char* data, std::size_t size, int slot, int fd)
      : m_data(data), m_size(size), m_slot(slot), m_fd(fd) {}

  char* m_data;
  std::size_t m_size;
  int m_slot;
  int m_fd;  // kept open to look at the file's size and time again
  long long m_modified_ns = 0;
  long long m_file_size = 0;
};

}  // namespace talve
