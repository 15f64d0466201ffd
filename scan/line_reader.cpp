// Buffered line reading and piece-wise search of line_reader.h.
#include "scan/line_reader.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#ifdef __SSE2__
// Sixteen positions at a time: a position is a candidate when the needle's first and last bytes
// both match there; only candidates are compared whole. Report lines are mostly markup, so a
// single rare byte is hard to pick, but a matching first-and-last pair is rare.
size_t FindBytes(std::string_view haystack, std::string_view needle) {
  const size_t n = needle.size();
  if (n < 2 || n > haystack.size()) return haystack.find(needle);
  const char* h = haystack.data();
  const __m128i first = _mm_set1_epi8(needle[0]);
  const __m128i last = _mm_set1_epi8(needle[n - 1]);
  size_t at = 0;
  for (; at + n - 1 + 16 <= haystack.size(); at += 16) {
    const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + at));
    const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + at + n - 1));
    unsigned mask = static_cast<unsigned>(
        _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
    for (; mask != 0; mask &= mask - 1) {
      const size_t candidate = at + static_cast<size_t>(__builtin_ctz(mask));
      if (std::memcmp(h + candidate + 1, needle.data() + 1, n - 2) == 0) return candidate;
    }
  }
  const size_t rest = haystack.substr(at).find(needle);
  return rest == std::string_view::npos ? rest : at + rest;
}
#else
size_t FindBytes(std::string_view haystack, std::string_view needle) { return haystack.find(needle); }
#endif

size_t PieceSearch::Feed(std::string_view piece) {
  if (found_) return std::string_view::npos;
  const size_t keep = pattern_.empty() ? 0 : pattern_.size() - 1;
  if (!tail_.empty()) {
    const std::string joint = tail_ + std::string(piece.substr(0, keep));
    const size_t at = FindBytes(joint, pattern_);
    if (at != std::string_view::npos) {
      found_ = true;
      return at + pattern_.size() - tail_.size();
    }
  }
  const size_t at = FindBytes(piece, pattern_);
  if (at != std::string_view::npos) {
    found_ = true;
    return at + pattern_.size();
  }
  if (piece.size() >= keep) {
    tail_.assign(piece.substr(piece.size() - keep));
  } else {
    tail_.append(piece);
    if (tail_.size() > keep) tail_.erase(0, tail_.size() - keep);
  }
  return std::string_view::npos;
}

void AheadSearch::Reset(std::string_view marker) {
  marker_ = marker;
  hasHit_ = false;
  hit_ = clear_ = 0;
}

bool AheadSearch::InLine(const LineReader& reader) {
  const uint64_t start = reader.lineOffset();
  const uint64_t end = start + reader.text().size();
  const size_t length = marker_.size();
  if (hasHit_ && hit_ >= start) return hit_ + length <= end;
  if (end - start < length) return false;
  if (clear_ > end - length) return false;  // nothing starts in [start, end - length]
  const std::string_view ahead = reader.ahead();
  const size_t from = clear_ > start ? static_cast<size_t>(clear_ - start) : 0;
  const size_t at = FindBytes(ahead.substr(from), marker_);
  if (at == std::string_view::npos) {
    hasHit_ = false;
    clear_ = start + ahead.size() - length + 1;
    return false;
  }
  hasHit_ = true;
  hit_ = start + from + at;
  return hit_ + length <= end;
}

LineReader::LineReader(const std::string& path, size_t bufferSize)
    : file_(std::fopen(path.c_str(), "rb")),
      buffer_(new char[bufferSize < 256 ? 256 : bufferSize]),
      bufferSize_(bufferSize < 256 ? 256 : bufferSize) {}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::Fill() {
  if (atEnd_ || end_ == bufferSize_) return false;
  const size_t n = std::fread(buffer_.get() + end_, 1, bufferSize_ - end_, file_);
  if (n == 0) atEnd_ = true;
  end_ += n;
  return n > 0;
}

bool LineReader::Next() {
  if (file_ == nullptr) return false;
  for (std::string_view rest; !longDone_ && NextPiece(rest);) {
  }
  whole_ = true;
  size_t searched = begin_;
  for (;;) {
    const void* feed = std::memchr(buffer_.get() + searched, '\n', end_ - searched);
    if (feed != nullptr) {
      const size_t at = static_cast<size_t>(static_cast<const char*>(feed) - buffer_.get());
      text_ = std::string_view(buffer_.get() + begin_, at - begin_);
      lineOffset_ = bufferOffset_ + begin_;
      begin_ = at + 1;
      return true;
    }
    searched = end_;
    if (atEnd_) break;
    if (begin_ > 0) {  // move the unfinished line to the front and read on behind it
      std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
      bufferOffset_ += begin_;
      end_ -= begin_;
      searched -= begin_;
      begin_ = 0;
    }
    if (end_ == bufferSize_) {  // a line longer than the buffer: hand it out in pieces
      whole_ = false;
      longDone_ = false;
      lineOffset_ = bufferOffset_;
      text_ = std::string_view(buffer_.get(), end_);
      bufferOffset_ += end_;
      begin_ = end_ = 0;
      return true;
    }
    Fill();
  }
  if (begin_ == end_) return false;
  text_ = std::string_view(buffer_.get() + begin_, end_ - begin_);  // last line, no line feed
  lineOffset_ = bufferOffset_ + begin_;
  begin_ = end_;
  return true;
}

bool LineReader::NextPiece(std::string_view& piece) {
  if (whole_ || longDone_) return false;
  bufferOffset_ += end_;
  begin_ = end_ = 0;
  while (Fill()) {
  }
  if (end_ == 0) {
    longDone_ = true;
    return false;
  }
  const void* feed = std::memchr(buffer_.get(), '\n', end_);
  if (feed == nullptr) {
    piece = std::string_view(buffer_.get(), end_);
    bufferOffset_ += end_;
    begin_ = end_ = 0;
    return true;
  }
  const size_t at = static_cast<size_t>(static_cast<const char*>(feed) - buffer_.get());
  piece = std::string_view(buffer_.get(), at);
  begin_ = at + 1;
  longDone_ = true;
  return true;
}

bool LineReader::Restart() {
  if (whole_ || file_ == nullptr) return false;
#ifdef _WIN32
  const bool sought = _fseeki64(file_, static_cast<long long>(lineOffset_), SEEK_SET) == 0;
#else
  const bool sought = fseeko(file_, static_cast<off_t>(lineOffset_), SEEK_SET) == 0;
#endif
  if (!sought) return false;
  bufferOffset_ = lineOffset_;
  begin_ = end_ = 0;
  atEnd_ = false;
  longDone_ = false;
  // The first piece is a full buffer again; the line's rest comes through NextPiece.
  while (Fill()) {
  }
  text_ = std::string_view(buffer_.get(), end_);
  const void* feed = std::memchr(buffer_.get(), '\n', end_);
  if (feed != nullptr) {  // the file changed under us: end the line at its new line feed
    const size_t at = static_cast<size_t>(static_cast<const char*>(feed) - buffer_.get());
    text_ = text_.substr(0, at);
    begin_ = at + 1;
    longDone_ = true;
    return true;
  }
  bufferOffset_ += end_;
  begin_ = end_ = 0;
  if (text_.empty()) longDone_ = true;
  return true;
}
