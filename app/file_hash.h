// SHA-256 of bytes and of files, written as lowercase hexadecimal: the version file names the hash of
// every program it offers, and nothing downloaded is run unless its hash is that one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Sha256 {
 public:
  Sha256();
  void Update(const void* data, size_t size);
  // The 64 lowercase hexadecimal digits of the digest; the object is spent afterwards.
  std::string FinishHex();

 private:
  void Block(const unsigned char* block);

  uint32_t state_[8];
  unsigned char pending_[64];
  size_t pendingSize_ = 0;
  uint64_t totalSize_ = 0;
};

std::string Sha256Hex(std::string_view bytes);

// The hash of the file at path, read in pieces; nothing when it cannot be opened or read.
std::optional<std::string> FileSha256(const std::string& path);

// Whether the file at path is the one expected names: expected is 64 hexadecimal digits (either
// case); an empty or malformed expectation and an unreadable file never match.
bool FileHashMatches(const std::string& path, const std::string& expected);
