// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_buffer.h"

#include <algorithm>
#include <cstring>

namespace talve {

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

std::shared_ptr<FileBuffer> FileBufferPool::acquire() {
  std::unique_ptr<FileBuffer> buffer;
  {
    std::lock_guard lock(m_mutex);
    buffer = std::move(m_kept);
  }
  if (!buffer) buffer = std::make_unique<FileBuffer>();
  buffer->clear();
  return std::shared_ptr<FileBuffer>(
      buffer.release(), [this](FileBuffer* released) { give_back(std::unique_ptr<FileBuffer>(released)); });
}

void FileBufferPool::give_back(std::unique_ptr<FileBuffer> buffer) {
  buffer->clear();
  std::lock_guard lock(m_mutex);
  if (!m_kept) m_kept = std::move(buffer);
}

FileBufferPool& FileBufferPool::shared() {
  static FileBufferPool* pool = new FileBufferPool;  // never destroyed: buffers may come back at exit
  return *pool;
}

}  // namespace talve
