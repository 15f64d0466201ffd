// Ini values read the way GetPrivateProfileStringA reads them: case-insensitive section and key
// names, blanks around names and values trimmed, a matching pair of quotes around a value removed,
// the first match wins.
#include "platform/profile.h"

#include <fstream>

#include "scan/text_helpers.h"

namespace {

// Compares two GBK texts ignoring the case of ASCII letters only: a double-byte character (lead byte
// 0x81..0xFE) is compared exactly, so a trail byte that happens to be a letter is never folded.
bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const unsigned char ca = static_cast<unsigned char>(a[i]);
    const unsigned char cb = static_cast<unsigned char>(b[i]);
    if (ca >= 0x81 && ca <= 0xFE && i + 1 < a.size()) {
      if (ca != cb || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    const auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; };
    if (fold(ca) != fold(cb)) return false;
  }
  return true;
}

}  // namespace

std::string ReadProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                              const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return defaultValue;
  const std::string wantedSection = TrimBlanks(section);
  const std::string wantedKey = TrimBlanks(key);
  bool inSection = false;
  for (std::string line; std::getline(file, line);) {
    const std::string text = TrimBlanks(line);
    if (text.empty() || text[0] == ';') continue;
    if (text[0] == '[') {
      const size_t close = text.find(']');
      const std::string name = TrimBlanks(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      inSection = EqualIgnoringCase(name, wantedSection);
      continue;
    }
    if (!inSection) continue;
    const size_t equals = text.find('=');
    const std::string name = TrimBlanks(text.substr(0, equals));
    if (!EqualIgnoringCase(name, wantedKey)) continue;
    if (equals == std::string::npos) return {};
    std::string value = TrimBlanks(text.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }
  return defaultValue;
}
