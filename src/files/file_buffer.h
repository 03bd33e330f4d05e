// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
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

// Buffers given back, for the next file to reuse. One is kept: files are
// read one after the other, and a second kept buffer would only hold as
// much memory again as the largest file. A pool must outlive the buffers
// it hands out.
class FileBufferPool {
 public:
  FileBufferPool() = default;
  FileBufferPool(const FileBufferPool&) = delete;
  FileBufferPool& operator=(const FileBufferPool&) = delete;

  // A buffer from the pool (or a new one), empty; it goes back to the pool
  // when the last shared pointer to it is released.
  std::shared_ptr<FileBuffer> acquire();

  // The pool of the loader, for the life of the process.
  static FileBufferPool& shared();

 private:
  void give_back(std::unique_ptr<FileBuffer> buffer);

  std::mutex m_mutex;
  std::unique_ptr<FileBuffer> m_kept;
};

// A buffer from the loader's pool.
inline std::shared_ptr<FileBuffer> acquire_file_buffer() { return FileBufferPool::shared().acquire(); }

}  // namespace talve
