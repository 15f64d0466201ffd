// The byte-string routines of text_helpers.h.
#include "scan/text_helpers.h"

#include <cstdio>

std::string Between(std::string_view text, std::string_view start, std::string_view end) {
  const size_t from = text.find(start);
  if (from == std::string_view::npos) return {};
  // The end marker is looked for after the whole start marker, so overlapping markers can never
  // give a negative length.
  const size_t valueStart = from + start.size();
  const size_t to = text.find(end, valueStart);
  if (to == std::string_view::npos) return {};
  return std::string(text.substr(valueStart, to - valueStart));
}

void SplitWords(std::string_view text, std::vector<std::string>& words) {
  words.clear();
  const size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  size_t wordStart = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ' ' && text[i] != '\t') continue;
    if (i > wordStart) words.emplace_back(text.substr(wordStart, i - wordStart));
    wordStart = i + 1;
  }
  const bool endsInBlank = !text.empty() && (text.back() == ' ' || text.back() == '\t');
  if (!endsInBlank) words.emplace_back(text.substr(wordStart));
}

std::string& ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
  if (pattern.empty()) return text;
  size_t pos = 0;
  while ((pos = text.find(pattern, pos)) != std::string::npos) {
    text.replace(pos, pattern.size(), replacement);
    pos += replacement.size();
  }
  return text;
}

std::string FormatTrimmed(float x) {
  // The largest float prints as 39 digits, a sign, a point and 3 decimals: 64 bytes always suffice.
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(x));
  std::string text(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  while (text.size() > 1) {
    const char last = text.back();
    if (last == '0') {
      text.pop_back();
    } else {
      if (last == '.') text.pop_back();
      break;
    }
  }
  return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool Contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

int32_t LeadingNumber(std::string_view text) {
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return INT32_MAX;
  }
  return static_cast<int32_t>(value);
}

std::string TrimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

std::string UpperCased(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}
