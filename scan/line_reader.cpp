// Buffered line reading, piece-wise search and page writing of line_reader.h.
#include "scan/line_reader.h"

#include <cstring>

#include "platform/files.h"

size_t FindBytes(std::string_view haystack, std::string_view needle) {
#ifdef __GLIBC__
  if (needle.empty()) return 0;
  const void* hit = memmem(haystack.data(), haystack.size(), needle.data(), needle.size());
  return hit == nullptr ? std::string_view::npos
                        : static_cast<size_t>(static_cast<const char*>(hit) - haystack.data());
#else
  return haystack.find(needle);
#endif
}

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

LineReader::LineReader(const std::string& path, size_t bufferSize)
    : file_(std::fopen(path.c_str(), "rb")), buffer_(bufferSize < 256 ? 256 : bufferSize) {}

LineReader::~LineReader() {
  if (file_ != nullptr) std::fclose(file_);
}

bool LineReader::Fill() {
  if (atEnd_ || end_ == buffer_.size()) return false;
  const size_t n = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
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
    const void* feed = std::memchr(buffer_.data() + searched, '\n', end_ - searched);
    if (feed != nullptr) {
      const size_t at = static_cast<size_t>(static_cast<const char*>(feed) - buffer_.data());
      text_ = std::string_view(buffer_.data() + begin_, at - begin_);
      lineOffset_ = bufferOffset_ + begin_;
      begin_ = at + 1;
      return true;
    }
    searched = end_;
    if (atEnd_) break;
    if (begin_ > 0) {  // move the unfinished line to the front and read on behind it
      std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
      bufferOffset_ += begin_;
      end_ -= begin_;
      searched -= begin_;
      begin_ = 0;
    }
    if (end_ == buffer_.size()) {  // a line longer than the buffer: hand it out in pieces
      whole_ = false;
      longDone_ = false;
      lineOffset_ = bufferOffset_;
      text_ = std::string_view(buffer_.data(), end_);
      bufferOffset_ += end_;
      begin_ = end_ = 0;
      return true;
    }
    Fill();
  }
  if (begin_ == end_) return false;
  text_ = std::string_view(buffer_.data() + begin_, end_ - begin_);  // last line, no line feed
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
  const void* feed = std::memchr(buffer_.data(), '\n', end_);
  if (feed == nullptr) {
    piece = std::string_view(buffer_.data(), end_);
    bufferOffset_ += end_;
    begin_ = end_ = 0;
    return true;
  }
  const size_t at = static_cast<size_t>(static_cast<const char*>(feed) - buffer_.data());
  piece = std::string_view(buffer_.data(), at);
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
  text_ = std::string_view(buffer_.data(), end_);
  const void* feed = std::memchr(buffer_.data(), '\n', end_);
  if (feed != nullptr) {  // the file changed under us: end the line at its new line feed
    const size_t at = static_cast<size_t>(static_cast<const char*>(feed) - buffer_.data());
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

FileWriter::FileWriter(const std::string& path) : path_(path), temporaryPath_(path + ".new") {
  file_ = std::fopen(temporaryPath_.c_str(), "wb");
}

FileWriter::~FileWriter() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  std::remove(temporaryPath_.c_str());
}

void FileWriter::Flush() {
  if (file_ == nullptr || pending_.empty()) return;
  if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) failed_ = true;
  pending_.clear();
}

void FileWriter::Write(std::string_view bytes) {
  if (file_ == nullptr) return;
  if (pending_.size() + bytes.size() > LineReader::kBufferSize) {
    Flush();
    if (bytes.size() > LineReader::kBufferSize) {
      if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) failed_ = true;
      return;
    }
  }
  pending_.append(bytes);
}

bool FileWriter::Commit() {
  if (file_ == nullptr) return false;
  Flush();
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (failed_ || !closed || !MoveFileOver(temporaryPath_, path_)) {
    std::remove(temporaryPath_.c_str());
    return false;
  }
  return true;
}
