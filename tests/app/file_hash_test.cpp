// SHA-256: the published test vectors, every length around the block and padding edges, files, and
// natively the answers of sha256sum for the same files.
#include "app/file_hash.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/test_support.h"

namespace {

// A deterministic byte pattern of the given length.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  uint32_t x = 2463534242u;
  for (char& b : bytes) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    b = static_cast<char>(x);
  }
  return bytes;
}

TEST(FileHash, PublishedVectors) {
  struct { std::string input; const char* expected; } kCases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
       "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& c : kCases) EXPECT_EQ(Sha256Hex(c.input), c.expected) << c.input.size() << " bytes";
}

// Fed in pieces of every size, the digest is that of the whole.
TEST(FileHash, PiecesGiveTheSameDigest) {
  const std::string bytes = Pattern(300);
  const std::string whole = Sha256Hex(bytes);
  for (size_t piece = 1; piece <= 130; ++piece) {
    Sha256 hash;
    for (size_t at = 0; at < bytes.size(); at += piece) hash.Update(bytes.data() + at, std::min(piece, bytes.size() - at));
    ASSERT_EQ(hash.FinishHex(), whole) << "pieces of " << piece;
  }
}

TEST(FileHash, FileDigestIsTheBytesDigest) {
  TempDir dir;
  for (size_t size : {0, 1, 55, 56, 63, 64, 65, 119, 120, 65535, 65536, 65537, 200000}) {
    const std::string bytes = Pattern(size);
    WriteFileBytes(dir.File("f"), bytes);
    EXPECT_EQ(FileSha256(dir.File("f")).value_or("(none)"), Sha256Hex(bytes)) << size;
  }
  EXPECT_FALSE(FileSha256(dir.File("missing")).has_value());
  EXPECT_FALSE(FileSha256(dir.path()).has_value()) << "a folder has no digest";
}

TEST(FileHash, HashMatchesOnlyTheNamedFile) {
  TempDir dir;
  WriteFileBytes(dir.File("hx_setup.exe"), "abc");
  const std::string good = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
  struct { std::string expected; bool matches; } kCases[] = {
      {good, true},
      {"BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD", true},
      {"", false},
      {good.substr(0, 63), false},
      {good + "0", false},
      {good.substr(0, 63) + "e", false},           // one digit differs
      {good.substr(0, 63) + "g", false},           // not a hexadecimal digit
      {" " + good.substr(1), false},
      {std::string(64, '0'), false},
  };
  for (const auto& c : kCases) EXPECT_EQ(FileHashMatches(dir.File("hx_setup.exe"), c.expected), c.matches) << c.expected;
  EXPECT_FALSE(FileHashMatches(dir.File("missing.exe"), good));
}

#ifndef _WIN32
std::string Sha256sumOf(const std::string& path) {
  const std::string command = "sha256sum '" + path + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "";
  char line[256] = {};
  const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
  pclose(pipe);
  return read ? std::string(line).substr(0, 64) : "";
}

// The same files as sha256sum sees them: every length from 0 to 300 bytes and a few large ones.
TEST(FileHash, AgreesWithSha256sum) {
  TempDir dir;
  std::vector<size_t> sizes;
  for (size_t size = 0; size <= 300; ++size) sizes.push_back(size);
  for (size_t size : {4095, 4096, 65536, 1048577, 5000000}) sizes.push_back(size);
  for (size_t size : sizes) {
    WriteFileBytes(dir.File("f.bin"), Pattern(size));
    ASSERT_EQ(FileSha256(dir.File("f.bin")).value_or("(none)"), Sha256sumOf(dir.File("f.bin"))) << size << " bytes";
  }
}
#endif

}  // namespace
