// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_buffer.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
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
  if (m_mapped) {
    if (size <= m_size) {
      m_size = size;
      return;
    }
    const std::unique_ptr<MappedFile> mapped = std::move(m_mapped);
    const std::size_t kept = m_size;
    m_size = 0;
    resize(size);
    std::memcpy(m_data.get(), mapped->data(), kept);
    return;
  }
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

void FileBuffer::clear() {
  m_mapped.reset();
  m_size = 0;
}

void FileBuffer::hold(std::unique_ptr<MappedFile> mapped) {
  m_size = mapped ? mapped->size() : 0;
  m_mapped = std::move(mapped);
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

void prepare_file_buffer(const std::vector<std::string>& paths) {
  constexpr std::size_t kPage = 4096;
  std::uintmax_t largest = 0;
  for (const std::string& path : paths) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    // Large files are mapped, not read into the buffer.
    if (!error && size < kMappedFileBytes) largest = std::max(largest, size);
  }
  if (largest == 0) return;
  const std::shared_ptr<FileBuffer> buffer = acquire_file_buffer();
  buffer->resize(static_cast<std::size_t>(largest));
  // One write a page: the system clears each page at its first write.
  for (std::size_t at = 0; at < buffer->size(); at += kPage) buffer->data()[at] = 0;
  buffer->clear();
}

}  // namespace talve
