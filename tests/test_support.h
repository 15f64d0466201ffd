// Helpers shared by the tests: fixture paths, GBK/UTF-8 for readable messages, files.
#pragma once

#include <string>

// Directories set by the build.
std::string FixturePath(const std::string& name);      // tests/fixtures/NAME
std::string RealFixturePath(const std::string& name);  // the real reports and ids written by others
std::string ResourcePath(const std::string& name);     // resources/NAME, as shipped

// GBK bytes as UTF-8, so that a failing comparison reads as Chinese.
std::string U8(const std::string& gbk);

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// A fresh empty directory for one test, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};
