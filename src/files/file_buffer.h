// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

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
  std::string_view view() const { return {data(), m_size}; }

  // The content is left as it is up to the new size; beyond it, undefined.
  void resize(std::size_t size);
  // Empties the buffer, keeping its memory for the next file.
  void clear() { m_size = 0; }

 private:
  std::unique_ptr<char[]> m_data;
  std::size_t m_size = 0;
  std::size_t m_capacity = 0;
};

// A buffer from the pool (or a new one); it goes back to the pool when the
// last shared pointer to it is released.
std::shared_ptr<FileBuffer> acquire_file_buffer();

}  // namespace talve
