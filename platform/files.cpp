// The portable part of files.h: program paths, whole-file reading, folder listing and FileWriter.
#include "platform/files.h"

#include <algorithm>
#include <filesystem>

std::string ProgramFile(const std::string& programDir, const std::string& fileName) {
  return programDir + kPathSeparator + fileName;
}

std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::nullopt;
  std::string bytes;
  char buffer[16384];
  while (bytes.size() < limit) {
    const size_t n = std::fread(buffer, 1, std::min(sizeof buffer, limit - bytes.size()), file);
    if (n == 0) break;
    bytes.append(buffer, n);
  }
  std::fclose(file);
  return bytes;
}

std::vector<std::string> ListDirectory(const std::string& path) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
    names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  });
  return names;
}

FileWriter::FileWriter(const std::string& path) : path_(path) {
  // A device or pipe given as the target is written in place: renaming over it would replace it.
  if (ReplaceableByRename(path)) temporaryPath_ = path + ".new";
  file_ = std::fopen((temporaryPath_.empty() ? path_ : temporaryPath_).c_str(), "wb");
}

FileWriter::~FileWriter() {
  if (file_ == nullptr) return;
  std::fclose(file_);
  if (!temporaryPath_.empty()) std::remove(temporaryPath_.c_str());
}

void FileWriter::Flush() {
  if (file_ == nullptr || pending_.empty()) return;
  if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) failed_ = true;
  pending_.clear();
}

void FileWriter::Write(std::string_view bytes) {
  if (file_ == nullptr) return;
  if (pending_.size() + bytes.size() > kFileBufferSize) {
    Flush();
    if (bytes.size() > kFileBufferSize) {
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
  if (temporaryPath_.empty()) return !failed_ && closed;
  if (failed_ || !closed || !MoveFileOver(temporaryPath_, path_)) {
    std::remove(temporaryPath_.c_str());
    return false;
  }
  return true;
}
