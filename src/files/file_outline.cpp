// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_outline.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>
#include <memory>
#include <thread>

#include "core/workspace.h"
#include "files/byte_substitution.h"
#include "files/data_block.h"
#include "files/file_range.h"
#include "files/file_tail.h"
#include "files/loader.h"
#include "text/text_utils.h"
#include "text/two_threads.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace talve {
namespace {

// Read and counted at a time: small enough to be counted while still in the
// processor cache the system copied it into.
constexpr std::size_t kBlock = 256u << 10;
// Files from this size on are counted by two threads.
constexpr std::size_t kParallelCount = 8u << 20;
constexpr int kTabulationChoice = 0;
constexpr int kByMarkers = 1;

bool ends_a_line(char c) { return c == '\n' || c == '\r'; }

// The lines of the first bytes of a file that are whole (the last one is
// left out when the bytes stop inside it, unless they are the whole file).
std::vector<std::string_view> whole_lines_of_head(std::string_view head, bool whole_file) {
  std::vector<std::string_view> lines = split_lines(head);
  if (!whole_file && !head.empty() && !ends_a_line(head.back()) && !lines.empty()) lines.pop_back();
  return lines;
}

struct CountedRange {
  LineEndCounter counter;
  std::size_t size = 0;  // bytes read
  char first = 0;        // the first byte read
};

// Counts the line ends of [offset, offset + size), or of the bytes up to the
// end of the file when `to_end`; the first block read is copied to `head`
// when given.
CountedRange count_range(int fd, std::size_t offset, std::size_t size, bool to_end, FileBuffer* head) {
  CountedRange range;
  thread_local const std::unique_ptr<char[]> block(new char[kBlock]);
  while (to_end || range.size < size) {
    const std::size_t want = to_end ? kBlock : std::min(kBlock, size - range.size);
    const long long got = read_range(fd, block.get(), want, offset + range.size);
    if (got <= 0) break;
    const auto bytes = static_cast<std::size_t>(got);
    if (range.size == 0) {
      range.first = block[0];
      if (head) {
        head->resize(bytes);
        std::memcpy(head->data(), block.get(), bytes);
      }
    }
    range.counter.add(std::string_view(block.get(), bytes));
    range.size += bytes;
    if (!to_end && bytes < want) break;  // the file shrank meanwhile
  }
  return range;
}

struct CountedFile {
  std::size_t size = 0;
  std::size_t lines = 0;
};

// The line count of a whole file and its first block. A large file is
// counted by two threads, one per half; the second half is read to the end
// of the file, so that a file that grows meanwhile is counted whole.
CountedFile count_lines(int fd, std::size_t expected_size, FileBuffer& head) {
  if (expected_size < kParallelCount || std::thread::hardware_concurrency() < 2) {
    const CountedRange all = count_range(fd, 0, 0, true, &head);
    return {all.size, all.counter.lines()};
  }
  const std::size_t half = expected_size / 2;
  CountedRange first, second;
  run_on_two_threads([&] { second = count_range(fd, half, 0, true, nullptr); },
                     [&] { first = count_range(fd, 0, half, false, &head); });
  if (first.size < half) return {first.size, first.counter.lines()};  // the file shrank: its first part
  if (second.size > 0) first.counter.append(second.counter, second.first);
  return {first.size + second.size, first.counter.lines()};
}

void substitute(FileBuffer& bytes, bool tabulation, bool second_load) {
  if (tabulation) {
    substitute_byte(bytes, '\0', '\x01');
    substitute_byte(bytes, '\t', ';');
  } else {
    substitute_byte(bytes, '\0', second_load ? '_' : '\x01');
  }
}

}  // namespace

void LineEndCounter::add(std::string_view chunk) {
  if (chunk.empty()) return;
  const char* data = chunk.data();
  const std::size_t size = chunk.size();
  if (m_pending_cr && data[0] != '\n') ++m_ends;  // a lone CR ended the last chunk
  m_pending_cr = false;
  std::size_t i = 0;
#if defined(__SSE2__)
  // Every LF ends a line; a CR does unless an LF follows it. Blocks whose
  // next byte is still in this chunk are counted sixteen bytes at a time,
  // the bytes that follow them read as a second block one byte further:
  // no branch on the CRs, which CR LF files hold in one block in five.
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i zero = _mm_setzero_si128();
  while (i + 16 < size) {
    __m128i lanes = zero;
    for (int round = 0; round < 255 && i + 16 < size; ++round, i += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
      const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i + 1));
      const __m128i lone_cr = _mm_andnot_si128(_mm_cmpeq_epi8(next, lf), _mm_cmpeq_epi8(block, cr));
      lanes = _mm_sub_epi8(lanes, _mm_or_si128(_mm_cmpeq_epi8(block, lf), lone_cr));
    }
    const __m128i sums = _mm_sad_epu8(lanes, zero);
    m_ends += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
              static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
  }
#endif
  for (; i < size; ++i) {
    if (data[i] == '\n') {
      ++m_ends;
    } else if (data[i] == '\r') {
      if (i + 1 < size) {
        m_ends += data[i + 1] != '\n';
      } else {
        m_pending_cr = true;
      }
    }
  }
  m_open_line = !ends_a_line(data[size - 1]);
}

void LineEndCounter::append(const LineEndCounter& next, char next_first) {
  if (m_pending_cr && next_first != '\n') ++m_ends;
  m_ends += next.m_ends;
  m_pending_cr = next.m_pending_cr;
  m_open_line = next.m_open_line;
}

std::size_t LineEndCounter::lines() const { return m_ends + (m_pending_cr ? 1 : 0) + (m_open_line ? 1 : 0); }

bool load_for_pre_reading(Workspace& ws, const std::string& path, LoadedFile& out, std::size_t head_lines) {
  const DataDescription& description = ws.description;
  LoadLimits whole;
  whole.head_lines = head_lines;
  if (ws.flags.input_mode != InputMode::Files ||
      description.choice("RadioGroup_numlig_balise_ItemIndex") == kByMarkers)
    return load_data_file(ws, path, out, whole);
  FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
  struct stat status {};
  // Missing, empty or not a regular file: the whole load says so.
  if (file.fd < 0 || ::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size == 0)
    return load_data_file(ws, path, out, whole);

  // One pass in cache-sized blocks: the line count, and the head kept.
  auto head = std::make_shared<FileBuffer>();
  const CountedFile counted = count_lines(file.fd, static_cast<std::size_t>(status.st_size), *head);
  const std::size_t size = counted.size;
  if (size == 0) return load_data_file(ws, path, out, whole);
  const std::size_t line_count = counted.lines;
  const bool head_is_file = head->size() == size;
  std::vector<std::string_view> head_view = whole_lines_of_head(head->view(), head_is_file);
  if (head_view.size() < std::min(head_lines, line_count)) return load_data_file(ws, path, out, whole);

  std::optional<FileTail> tail = read_file_tail(file.fd, size);
  if (!tail) return load_data_file(ws, path, out, whole);
  std::vector<std::string_view>& tail_view = tail->lines;
  if (tail_view.size() > line_count)
    return load_data_file(ws, path, out, whole);  // the file changed meanwhile
  // The pre-reading looks for the last line that is not blank, down to the
  // second line: it must lie in the tail, or the tail must reach that far.
  const std::size_t tail_start = line_count - tail_view.size();
  bool found = tail_start <= 1;
  for (std::size_t i = tail_view.size(); i-- > 0 && !found;)
    found = tail_start + i >= 1 && !trim_view(tail_view[i]).empty();
  if (!found) return load_data_file(ws, path, out, whole);

  const bool tabulation = description.choice("RadioGroup_separateur_colonne_ItemIndex") == kTabulationChoice;
  const long long minimum_lines = line_number_setting(description, "Edit_num_ligne_donnee.text") + 2;
  const bool second_load =
      static_cast<long long>(line_count) < minimum_lines || description.checked("CheckBox_car_null.Checked");
  substitute(*head, tabulation, second_load);
  substitute(*tail->bytes, tabulation, second_load);
  out = LoadedFile::outline(std::move(head), std::move(head_view), std::move(tail->bytes),
                            std::move(tail_view), line_count);
  return true;
}

}  // namespace talve
