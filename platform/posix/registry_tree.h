// The in-memory registry behind platform/registry.h on POSIX: names as the registry compares them,
// and the changes an export makes, applied all at once.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace registry_tree {

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegExpandSz = 2;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;
constexpr uint32_t kRegMultiSz = 7;

enum class Hive { kMachine, kUser };

// One change read from an export. Names are GBK; data is what RegQueryValueExA returns (texts in
// GBK with their NULs, a dword as four little-endian bytes).
struct Change {
  enum Kind { kCreateKey, kDeleteKey, kSetValue, kDeleteValue };
  Kind kind = kCreateKey;
  Hive hive = Hive::kMachine;
  std::vector<std::string> path;
  std::string name;
  uint32_t type = 0;
  std::string data;
};

// Applies the changes in order (a value's key is created when missing).
void Apply(const std::vector<Change>& changes);

// Texts between the program's GBK and UTF-16 (characters GBK lacks become "?").
std::u16string GbkToUtf16(const std::string& gbk);
std::string Utf16ToGbk(const std::u16string& text);

// A name as the registry compares it: UTF-16 upper-cased; ordering these orders subkeys as Windows
// enumerates them.
std::u16string FoldName(const std::string& gbk);

// Splits a "\"-separated GBK path into key names as RegOpenKeyExA reads it: doubled and trailing
// separators are dropped; false for a leading separator.
bool SplitKeyPath(const std::string& gbk, std::vector<std::string>& names);

// Helpers of the export reader on UTF-16 text: blanks (space, tab) trimmed; an ASCII prefix compared
// without case; a hexadecimal number of 1 to maxDigits digits filling the whole text.
using Text = std::u16string;
Text TrimLeft(const Text& text);
Text TrimRight(Text text);
bool StartsWithNoCase(const Text& text, const char* prefix);
bool ParseHexNumber(const Text& text, size_t maxDigits, uint32_t& number);

}  // namespace registry_tree
