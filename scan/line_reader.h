// Reading a file line by line through one fixed buffer: a line that fits is handed out whole, a
// longer one in pieces that can be read again from the line's start. Memory stays flat.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

// First occurrence of needle in haystack, or npos.
size_t FindBytes(std::string_view haystack, std::string_view needle);
inline bool HasBytes(std::string_view haystack, std::string_view needle) {
  return FindBytes(haystack, needle) != std::string_view::npos;
}

// Finds a pattern in a text that arrives in pieces; the last pattern.size() - 1 bytes are kept
// across pieces so a match that straddles two pieces is found.
class PieceSearch {
 public:
  explicit PieceSearch(std::string_view pattern) : pattern_(pattern) {}
  // The offset in piece just past the first match that ends in it, or npos (also after a match).
  size_t Feed(std::string_view piece);
  bool found() const { return found_; }

 private:
  std::string_view pattern_;
  std::string tail_;
  bool found_ = false;
};

// Lines end at a line feed (not part of the line); a carriage return stays in the line. A last line
// without a line feed is a line too.
class LineReader {
 public:
  static constexpr size_t kBufferSize = kFileBufferSize;

  explicit LineReader(const std::string& path, size_t bufferSize = kBufferSize);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  // Moves to the next line (skipping what is left of a long one); false at the end of the file.
  bool Next();
  // The current line is held whole, and text() is all of it.
  bool whole() const { return whole_; }
  // The whole line, or the first piece of a long line (never shorter than the buffer).
  std::string_view text() const { return text_; }
  // A long line's pieces after text(), in order; false after the last one.
  bool NextPiece(std::string_view& piece);
  // Reads the current long line again from its start: text() is its first piece again.
  bool Restart();
  // File offset of the current line's first byte.
  uint64_t lineOffset() const { return lineOffset_; }
  // For a line held whole: the bytes read so far from its start on (the line and what follows).
  std::string_view ahead() const {
    return std::string_view(text_.data(), static_cast<size_t>(buffer_.get() + end_ - text_.data()));
  }

 private:
  bool Fill();  // reads more bytes after end_; false when none came

  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;  // left uninitialised: a small file touches only what it fills
  size_t bufferSize_;
  uint64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  size_t begin_ = 0;           // unread bytes are buffer_[begin_, end_)
  size_t end_ = 0;
  bool atEnd_ = false;
  bool whole_ = true;
  bool longDone_ = true;     // the long line's line feed (or the file's end) has been read
  uint64_t lineOffset_ = 0;  // file offset of the current line
  std::string_view text_;
};

// Tells whether lines held whole contain a marker, searching the reader's buffer ahead of the line
// once rather than each line again, so that a rare marker costs next to nothing per line. What it
// remembers are facts about the file (offsets), so buffer moves and long lines do not disturb it.
class AheadSearch {
 public:
  explicit AheadSearch(std::string_view marker) { Reset(marker); }
  void Reset(std::string_view marker);
  bool InLine(const LineReader& reader);

 private:
  std::string_view marker_;
  bool hasHit_ = false;
  uint64_t hit_ = 0;    // offset of the first match at or after clear_, when hasHit_
  uint64_t clear_ = 0;  // no match starts before this offset
};

// Calls fn(piece) for every piece of the current line (the whole line is one piece); starts the
// line again first when it is long and restart is true.
template <typename Fn>
void ForEachPiece(LineReader& reader, bool restart, Fn fn) {
  if (reader.whole()) {
    fn(reader.text());
    return;
  }
  if (restart && !reader.Restart()) return;
  fn(reader.text());
  for (std::string_view piece; reader.NextPiece(piece);) fn(piece);
}
