// Registry names on POSIX: GBK to UTF-16 and back, names as the registry compares them, key paths,
// and the UTF-16 text helpers the export reader uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace registry_tree {

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
