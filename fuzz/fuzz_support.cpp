// Scratch files, checks and input splitting of the fuzz entries.
#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz_entries.h"
#include "platform/files.h"

namespace fs = std::filesystem;

namespace {

void RemoveScratch() {
  std::error_code ec;
  fs::remove_all(ScratchDir(), ec);
}

}  // namespace

const std::string& ScratchDir() {
  // Never destroyed: the exit handler that removes the folder runs after static destructors would.
  static const std::string* const dir = [] {
    std::error_code ec;
    const bool shm = fs::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0;
    std::string pattern = (shm ? std::string("/dev/shm") : fs::temp_directory_path().string()) +
                          "/hwdex-fuzz.XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    std::atexit(RemoveScratch);
    return new std::string(pattern);
  }();
  return *dir;
}

std::string ScratchFile(const std::string& name) { return ScratchDir() + "/" + name; }

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path) { return ReadWholeFile(path).value_or(std::string()); }

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

void FuzzCheck(bool ok, const char* rule) {
  if (ok) return;
  std::fprintf(stderr, "hwdex fuzz: broken rule: %s\n", rule);
  std::abort();
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (from < text.size()) {
    const size_t at = text.find(separator, from);
    if (at == std::string::npos) {
      parts.push_back(text.substr(from));
      break;
    }
    parts.push_back(text.substr(from, at - from));
    from = at + separator.size();
  }
  return parts;
}
