// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_buffer.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace talve {
namespace {

// One buffer is enough: files are read one after the other, and a second
// kept buffer would only hold as much memory again as the largest file.
constexpr std::size_t kPooledBuffers = 1;

struct Pool {
  std::mutex mutex;
  std::vector<std::unique_ptr<FileBuffer>> free;
};

Pool& pool() {
  static Pool* instance = new Pool;  // never destroyed: buffers may come back at exit
  return *instance;
}

}  // namespace

void FileBuffer::resize(std::size_t size) {
  if (size > m_capacity) {
    // Grow by half again, so that a file read in chunks is copied few times;
    // a sixteenth to spare lets the next file of about the same size reuse
    // the memory instead of having it cleared again by the system.
    const std::size_t capacity = std::max(size + size / 16, m_capacity + m_capacity / 2);
    std::unique_ptr<char[]> data(new char[capacity]);
    if (m_size > 0) std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
  }
  m_size = size;
}

std::shared_ptr<FileBuffer> acquire_file_buffer() {
  std::unique_ptr<FileBuffer> buffer;
  {
    std::lock_guard lock(pool().mutex);
    if (!pool().free.empty()) {
      buffer = std::move(pool().free.back());
      pool().free.pop_back();
    }
  }
  if (!buffer) buffer = std::make_unique<FileBuffer>();
  buffer->clear();
  return std::shared_ptr<FileBuffer>(buffer.release(), [](FileBuffer* released) {
    std::unique_ptr<FileBuffer> owned(released);
    owned->clear();
    std::lock_guard lock(pool().mutex);
    if (pool().free.size() < kPooledBuffers) pool().free.push_back(std::move(owned));
  });
}

}  // namespace talve
