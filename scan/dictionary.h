// The dictionary of the detailed page: pairs of a report term and its Chinese form, applied to a
// line in file order, each pair to its first occurrence only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TermPair {
  std::string find;
  std::string replacement;
};

// The non-empty lines of the file at path, in pairs (a last line without partner is dropped).
// A missing file gives no pairs.
std::vector<TermPair> ReadDictionary(const std::string& path);

// Applies pairs to lines held whole. A two-byte index of the terms' beginnings finds the few pairs a
// line can hold in one pass; only those are searched and replaced.
class Translator {
 public:
  explicit Translator(std::vector<TermPair> pairs);
  const std::vector<TermPair>& pairs() const { return pairs_; }
  void Apply(std::string& line) const;

 private:
  void Mark(std::string_view line, size_t from, size_t to, size_t first,
            std::vector<uint64_t>& candidates) const;

  std::vector<TermPair> pairs_;
  size_t longest_ = 0;
  std::vector<uint64_t> startsTerm_;  // bit per two-byte beginning
  std::vector<uint64_t> byStart_;     // two-byte beginning << 32 | pair index, ascending
  std::vector<uint32_t> oneByte_;     // pairs whose term is a single byte
};

// One find-and-replace of the first occurrence on a line that passes through in pieces.
class PieceReplace {
 public:
  PieceReplace(std::string_view find, std::string_view replacement)
      : find_(find), replacement_(replacement) {}
  void Feed(std::string_view piece, std::string& out);
  void Finish(std::string& out);
  bool replaced() const { return done_; }

 private:
  std::string_view find_;
  std::string_view replacement_;
  std::string held_;
  bool done_ = false;
};
