// Files: the program folder's paths, reading a file whole, listing a folder, and writing a file so
// that it is replaced in one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The platform's path separator, used to join the program directory with a file name, in paths and
// in the page text that embeds them.
#ifdef _WIN32
constexpr const char* kPathSeparator = "\\";
#else
constexpr const char* kPathSeparator = "/";
#endif

// The buffer files are read and written through. The fuzzing build uses a small one, so that short
// inputs take the paths of long lines and long writes too.
#ifdef HWDEX_LINE_BUFFER_SIZE
constexpr size_t kFileBufferSize = HWDEX_LINE_BUFFER_SIZE;
#else
constexpr size_t kFileBufferSize = size_t{1} << 20;
#endif

// programDir + separator + fileName.
std::string ProgramFile(const std::string& programDir, const std::string& fileName);

// The bytes of the file at path, at most limit of them; nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path, size_t limit = SIZE_MAX);

// The entry names of a folder (without "." and ".."), shortest first and then by name, so that sdb
// comes before sdaa and hwmon2 before hwmon10; empty when the folder cannot be read.
std::vector<std::string> ListDirectory(const std::string& path);

// Renames from to to, replacing a file already there; false when it could not be done.
bool MoveFileOver(const std::string& from, const std::string& to);

// Whether path names nothing yet or an ordinary file, which a finished file may replace by a rename.
// A device, pipe or directory must be written in place instead.
bool ReplaceableByRename(const std::string& path);

// Writes a file under a temporary name and moves it into place on Commit(), so that a failure never
// leaves a half-written file; without Commit() the temporary file is removed. A target that is no
// ordinary file (a device, a pipe) is written in place.
class FileWriter {
 public:
  explicit FileWriter(const std::string& path);
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  bool isOpen() const { return file_ != nullptr; }
  void Write(std::string_view bytes);
  // Flushes, closes and renames; false when anything failed (the old file then stays).
  bool Commit();

 private:
  void Flush();

  std::string path_;
  std::string temporaryPath_;  // empty when writing in place
  std::FILE* file_ = nullptr;
  std::string pending_;
  bool failed_ = false;
};
