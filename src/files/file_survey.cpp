// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_survey.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <utility>

#include "files/byte_substitution.h"
#include "files/data_block.h"
#include "files/end_of_data.h"
#include "files/file_tail.h"
#include "text/text_utils.h"

namespace talve {
namespace {

bool contains(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

// Lines of data are short: the last lines kept for the end date of a file
// without its end marker hold no more than this.
constexpr std::size_t kRecentBytes = std::size_t{1} << 20;

bool in_piece(long long index, std::size_t base, std::size_t count) {
  return index >= 0 && static_cast<std::size_t>(index) >= base &&
         static_cast<std::size_t>(index) < base + count;
}

// Follows the pieces of a file as locate_data_block would follow its whole
// list of lines, keeping copies of the lines that will be asked for once
// the buffer has moved on.
class Surveyor {
 public:
  explicit Surveyor(const SurveyRequest& request) : m_request(request) {
    if (!request.by_markers) m_first = request.first_line_number - 1;
  }

  void take(const std::vector<std::string_view>& lines, std::size_t base) {
    if (lines.empty()) return;
    if (!m_head_full) keep_head(lines);
    const std::size_t count = lines.size();
    if (in_piece(m_request.title, base, count)) keep(m_request.title, lines, base);
    if (m_request.by_markers) {
      find_markers(lines, base);
      keep_recent(lines, base);
    } else {
      find_last_non_blank(lines, base);
    }
    if (first_known() && in_piece(m_first, base, count)) keep(m_first, lines, base);
  }

  // Once every line was taken, `line_count` lines in all: where the data
  // block lies.
  void settle(std::size_t line_count) {
    m_block.title = m_request.title;
    if (m_request.by_markers) {
      // Not found: the search ran off the end of the file.
      if (m_marker < 0) {
        m_marker = static_cast<long long>(line_count);
        m_first = m_marker + m_request.first_line_number - 1;
      }
      m_block.marker = m_marker;
      m_block.last = m_end_marker < 0 ? -1 : m_end_marker - 1;
      // Without the end marker the last date is looked for among the last
      // lines of the file.
      if (m_end_marker < 0)
        for (const auto& [index, text] : m_recent)
          if (index >= head_count()) m_kept[index] = text;
    } else {
      m_block.marker = 0;
      m_block.last = m_last_index;
    }
    m_block.first = m_first;
    if (m_block.last >= static_cast<long long>(head_count()))
      m_kept[static_cast<std::size_t>(m_block.last)] = m_last_line;
  }

  // The first data line, when it is in the file but was passed before it
  // was known (after settle).
  long long missing_first(std::size_t line_count) const {
    const bool inside = m_first >= 0 && static_cast<std::size_t>(m_first) < line_count;
    if (!inside || static_cast<std::size_t>(m_first) < head_count()) return -1;
    return m_kept.contains(static_cast<std::size_t>(m_first)) ? -1 : m_first;
  }

  LoadedFile outline(std::size_t line_count, const PieceSource& source, bool provisional = false) const {
    auto bytes = std::make_shared<FileBuffer>();
    bytes->resize(m_head_text.size());
    if (!m_head_text.empty()) std::memcpy(bytes->data(), m_head_text.data(), m_head_text.size());
    std::vector<std::string_view> head;
    std::size_t start = 0;
    for (const std::size_t end : m_head_ends) {
      head.emplace_back(bytes->data() + start, end - start);
      start = end;
    }
    auto kept = std::make_shared<LoadedFile::KeptLines>(m_kept.begin(), m_kept.end());
    return LoadedFile::read_in_pieces(std::move(bytes), std::move(head), std::move(kept), line_count, m_block,
                                      source, provisional);
  }

  void keep_text(long long index, std::string_view line) { m_kept[static_cast<std::size_t>(index)] = line; }

  // The last line that is not blank, found in the last bytes of the file
  // rather than by taking every piece.
  void take_last(long long index, std::string_view line) { note_last(index, line); }

 private:
  bool first_known() const { return !m_request.by_markers || m_marker >= 0; }

  // The first lines, copied while they fit in one piece's worth of bytes.
  void keep_head(const std::vector<std::string_view>& lines) {
    const std::size_t wanted = std::max<std::size_t>(m_request.head_lines, 1);
    for (std::size_t i = 0; i < lines.size() && m_head_ends.size() < wanted; ++i) {
      if (m_head_text.size() + lines[i].size() > m_request.source.piece_bytes && !m_head_ends.empty()) {
        m_head_full = true;
        return;
      }
      m_head_text += lines[i];
      m_head_ends.push_back(m_head_text.size());
    }
  }

  std::size_t head_count() const { return m_head_ends.size(); }

  void keep(long long index, const std::vector<std::string_view>& lines, std::size_t base) {
    const auto i = static_cast<std::size_t>(index);
    if (i < head_count()) return;
    m_kept[i] = lines[i - base];
  }

  void note_last(long long index, std::string_view line) {
    m_last_index = index;
    m_last_line = line;
  }

  // The last line that is not blank, from the second line on; the first
  // line when there is none.
  void find_last_non_blank(const std::vector<std::string_view>& lines, std::size_t base) {
    const long long last = last_non_blank_line(lines, static_cast<long long>(base));
    if (last >= 0) note_last(last, lines[static_cast<std::size_t>(last) - base]);
  }

  // The last kEndSearchLines lines taken so far, with their indexes, as
  // long as they hold no more than kRecentBytes together (the last one is
  // kept whatever its length: memory stays within a piece).
  void keep_recent(const std::vector<std::string_view>& lines, std::size_t base) {
    const std::size_t from = lines.size() > kEndSearchLines ? lines.size() - kEndSearchLines : 0;
    for (std::size_t i = from; i < lines.size(); ++i) {
      m_recent.emplace_back(base + i, std::string(lines[i]));
      m_recent_bytes += lines[i].size();
      while (m_recent.size() > 1 && (m_recent.size() > kEndSearchLines || m_recent_bytes > kRecentBytes)) {
        m_recent_bytes -= m_recent.front().second.size();
        m_recent.pop_front();
      }
    }
  }

  // The first line holding the begin marker, and the last one holding the
  // end marker from the second line on; the data end on the line before
  // the end marker, which may be the last line of the previous piece.
  void find_markers(const std::vector<std::string_view>& lines, std::size_t base) {
    for (std::size_t i = 0; m_marker < 0 && i < lines.size(); ++i) {
      if (contains(lines[i], m_request.begin_marker)) {
        m_marker = static_cast<long long>(base + i);
        m_first = m_marker + m_request.first_line_number - 1;
      }
    }
    for (std::size_t i = lines.size(); i-- > 0;) {
      if (base + i < 1) break;
      if (!contains(lines[i], m_request.end_marker)) continue;
      m_end_marker = static_cast<long long>(base + i);
      if (i > 0) {
        note_last(m_end_marker - 1, lines[i - 1]);
      } else {
        note_last(m_end_marker - 1, m_previous_last);
      }
      break;
    }
    m_previous_last = lines.back();
  }

  const SurveyRequest& m_request;
  std::string m_head_text;               // the first lines, one after the other
  std::vector<std::size_t> m_head_ends;  // where each ends in it
  bool m_head_full = false;
  std::map<std::size_t, std::string> m_kept;
  long long m_marker = -1;
  long long m_first = 0;
  long long m_end_marker = -1;
  long long m_last_index = 0;  // L, its line below
  std::string m_last_line;
  DataBlock m_block;
  std::string m_previous_last;
  std::deque<std::pair<std::size_t, std::string>> m_recent;
  std::size_t m_recent_bytes = 0;
};

// The text of one line, read again from the start of the file.
std::string fetch_line(const PieceSource& source, std::size_t index) {
  PieceReader reader(source);
  while (reader.next()) {
    const std::size_t base = reader.first_index();
    if (index < base + reader.lines().size()) return std::string(reader.lines()[index - base]);
  }
  return {};
}

// A file of a few pieces is read through as quickly as it is outlined.
constexpr std::size_t kOutlinedPieces = 4;

// The outline of a long file numbered from its first data line, from its
// first piece and its last bytes: head, titles and first data line (all
// within the first piece) as the whole survey keeps them, the last line that is not blank from the end of
// the file. Its line count is an estimate from the first piece's lines (at
// least the lines seen), and the index of its last line follows from it;
// the run that reads the lines settles both. Nothing when the file does not
// lend itself to it: the whole survey reads it.
std::optional<Survey> survey_head_and_tail(const SurveyRequest& request) {
  PieceReader reader(request.source);
  const std::size_t size = reader.size_at_open();
  if (reader.state() != WholeFileState::Read || size <= kOutlinedPieces * request.source.piece_bytes)
    return std::nullopt;
  if (!reader.next()) return std::nullopt;
  const std::vector<std::string_view>& lines = reader.lines();
  const auto seen = static_cast<long long>(lines.size());
  const long long first = request.first_line_number - 1;
  if (seen < request.minimum_lines || seen < static_cast<long long>(request.head_lines) || first >= seen ||
      request.title >= seen)
    return std::nullopt;
  // The last lines, read through the reader's own descriptor and rewritten
  // as the pieces are.
  std::optional<FileTail> tail = read_file_tail(reader.descriptor(), size);
  if (!tail) return std::nullopt;
  apply_substitution(request.source.substitution, tail->bytes->data(), tail->bytes->size());
  // A file shorter than the bytes read (pieces of a few bytes) is outlined
  // all the same, its first line counted in the head only.
  if (tail->whole_file && !tail->lines.empty()) tail->lines.erase(tail->lines.begin());
  std::size_t last = tail->lines.size();
  while (last > 0 && trim_view(tail->lines[last - 1]).empty()) --last;
  if (last == 0) return std::nullopt;

  const std::size_t estimate =
      static_cast<std::size_t>(static_cast<double>(size) * static_cast<double>(seen) /
                               static_cast<double>(std::max<std::size_t>(reader.bytes_read(), 1)));
  const std::size_t line_count = std::max(estimate, lines.size() + tail->lines.size() + 1);
  Surveyor surveyor(request);
  surveyor.take(lines, 0);
  surveyor.take_last(static_cast<long long>(line_count - tail->lines.size() + last - 1),
                     tail->lines[last - 1]);
  surveyor.settle(line_count);
  Survey survey;
  survey.state = WholeFileState::Read;
  survey.error = 0;
  survey.bytes = size;
  survey.file = surveyor.outline(line_count, request.source, true);
  return survey;
}

}  // namespace

Survey survey_in_pieces(const SurveyRequest& request) {
  if (request.head_and_tail && !request.by_markers) {
    if (std::optional<Survey> outlined = survey_head_and_tail(request)) return std::move(*outlined);
  }
  Survey survey;
  Surveyor surveyor(request);
  std::size_t line_count = 0;
  {
    PieceReader reader(request.source);
    survey.state = reader.state();
    survey.error = reader.error();
    while (reader.next()) surveyor.take(reader.lines(), reader.first_index());
    line_count = reader.first_index();
    survey.bytes = reader.bytes_read();
    // A file emptied since it was opened holds no line.
    if (survey.state == WholeFileState::Read && survey.bytes == 0) survey.state = WholeFileState::Empty;
  }
  if (survey.state != WholeFileState::Read) return survey;
  surveyor.settle(line_count);
  const long long missing = surveyor.missing_first(line_count);
  if (missing >= 0)
    surveyor.keep_text(missing, fetch_line(request.source, static_cast<std::size_t>(missing)));
  survey.file = surveyor.outline(line_count, request.source);
  return survey;
}

}  // namespace talve
