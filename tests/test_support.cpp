// Helpers shared by the tests.
#include "tests/test_support.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/encoding.h"

#ifdef _WIN32
#include <process.h>
#define HWDEX_GETPID _getpid
#else
#include <unistd.h>
#define HWDEX_GETPID getpid
#endif

std::string FixturePath(const std::string& name) { return std::string(HWDEX_FIXTURES) + "/" + name; }
std::string RealFixturePath(const std::string& name) { return std::string(HWDEX_REAL_FIXTURES) + "/" + name; }
std::string ResourcePath(const std::string& name) { return std::string(HWDEX_RESOURCES) + "/" + name; }

std::string U8(const std::string& gbk) { return GbkToUtf8(gbk); }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  namespace fs = std::filesystem;
  fs::path base = fs::temp_directory_path();
  for (;;) {
    fs::path candidate = base / ("hwdex-test-" + std::to_string(HWDEX_GETPID()) + "-" + std::to_string(counter++));
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const {
  return (std::filesystem::path(path_) / name).string();
}
