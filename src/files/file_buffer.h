// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace talve {

// The bytes of a whole data file. Unlike a std::string it is never zeroed
// before being read into, and the loader hands finished buffers back to a
// small pool: a run that loads file after file reuses the same memory
// instead of having the system clear tens of megabytes for each file.
class FileBuffer {
 public:
  char* data() { return m_data.get(); }
  const char* data() const { return m_data.get(); }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  std::string_view view() const { return {m_data.get(), m_size}; }

  // The content is left as it is up to the new size; beyond it, undefined.
  void resize(std::size_t size);
  void clear() { m_size = 0; }

 private:
  std::unique_ptr<char[]> m_data;
  std::size_t m_size = 0;
  std::size_t m_capacity = 0;
};

// A buffer from the pool (or a new one); it goes back to the pool when the
// last shared pointer to it is released.
std::shared_ptr<FileBuffer> acquire_file_buffer();

// Makes the pooled buffer hold the largest of these files, its memory
// already handed over by the system: meant to run on another thread while
// a run sets up its table, so that the first file is then read at once.
// Files larger than a few hundred megabytes are left to their own reading.
void prepare_file_buffer(const std::vector<std::string>& paths);

}  // namespace talve
