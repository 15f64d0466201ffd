// Reading the dictionary and translating lines with it.
#include "scan/dictionary.h"

#include <algorithm>
#include <cstring>

#include "scan/line_reader.h"

std::vector<TermPair> ReadDictionary(const std::string& path) {
  std::vector<TermPair> pairs;
  LineReader file(path);
  std::string line;
  bool half = false;
  while (file.Next()) {
    line.clear();
    ForEachPiece(file, false, [&](std::string_view piece) { line.append(piece); });
    // A dictionary saved by a Windows editor ends its lines with CR LF; the CR is no part of a term.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (half) {
      pairs.back().replacement = line;
    } else {
      pairs.push_back({line, {}});
    }
    half = !half;
  }
  if (half) pairs.pop_back();
  return pairs;
}

namespace {

size_t StartOf(std::string_view text, size_t at) {
  return static_cast<size_t>(static_cast<unsigned char>(text[at])) << 8 |
         static_cast<unsigned char>(text[at + 1]);
}

bool TestBit(const std::vector<uint64_t>& bits, size_t i) { return (bits[i >> 6] >> (i & 63)) & 1; }
void SetBit(std::vector<uint64_t>& bits, size_t i) { bits[i >> 6] |= uint64_t{1} << (i & 63); }

}  // namespace

Translator::Translator(std::vector<TermPair> pairs)
    : pairs_(std::move(pairs)), startsTerm_(65536 / 64) {
  for (uint32_t i = 0; i < pairs_.size(); ++i) {
    const std::string& find = pairs_[i].find;
    if (find.size() > longest_) longest_ = find.size();
    if (find.size() == 1) {
      oneByte_.push_back(i);
      continue;
    }
    SetBit(startsTerm_, StartOf(find, 0));
    byStart_.push_back(static_cast<uint64_t>(StartOf(find, 0)) << 32 | i);
  }
  std::sort(byStart_.begin(), byStart_.end());
}

// Marks the pairs from index `first` on whose term begins at a position in [from, to) of line.
void Translator::Mark(std::string_view line, size_t from, size_t to, size_t first,
                      std::vector<uint64_t>& candidates) const {
  if (line.size() < 2) return;
  if (to > line.size() - 1) to = line.size() - 1;
  for (size_t at = from; at < to; ++at) {
    const size_t start = StartOf(line, at);
    if (!TestBit(startsTerm_, start)) continue;
    const uint64_t key = static_cast<uint64_t>(start) << 32;
    for (auto it = std::lower_bound(byStart_.begin(), byStart_.end(), key | first);
         it != byStart_.end() && (*it >> 32) == start; ++it) {
      const uint32_t i = static_cast<uint32_t>(*it);
      if (TestBit(candidates, i)) continue;
      const std::string& find = pairs_[i].find;
      if (find.size() <= line.size() - at && std::memcmp(line.data() + at, find.data(), find.size()) == 0) {
        SetBit(candidates, i);
      }
    }
  }
}

void Translator::Apply(std::string& line) const {
  if (pairs_.empty()) return;
  std::vector<uint64_t> candidates((pairs_.size() + 63) / 64);
  for (uint32_t i : oneByte_) SetBit(candidates, i);
  Mark(line, 0, line.size(), 0, candidates);
  for (size_t word = 0; word < candidates.size(); ++word) {
    while (candidates[word] != 0) {
      const size_t i = word * 64 + static_cast<size_t>(__builtin_ctzll(candidates[word]));
      candidates[word] &= candidates[word] - 1;
      const TermPair& pair = pairs_[i];
      const size_t at = FindBytes(line, pair.find);
      if (at == std::string::npos) continue;
      line.replace(at, pair.find.size(), pair.replacement);
      // Only a term that overlaps the new text can have come into being.
      const size_t from = at >= longest_ ? at - longest_ + 1 : 0;
      Mark(line, from, at + pair.replacement.size(), i + 1, candidates);
    }
  }
}

void PieceReplace::Feed(std::string_view piece, std::string& out) {
  if (done_) {
    out.append(piece);
    return;
  }
  held_.append(piece);
  const size_t at = FindBytes(held_, find_);
  if (at != std::string::npos) {
    out.append(held_, 0, at);
    out.append(replacement_);
    out.append(held_, at + find_.size(), std::string::npos);
    held_.clear();
    done_ = true;
    return;
  }
  const size_t keep = find_.empty() ? 0 : find_.size() - 1;
  if (held_.size() > keep) {
    out.append(held_, 0, held_.size() - keep);
    held_.erase(0, held_.size() - keep);
  }
}

void PieceReplace::Finish(std::string& out) {
  out.append(held_);
  held_.clear();
}
