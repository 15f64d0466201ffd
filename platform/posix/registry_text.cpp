// Registry names on POSIX: GBK to UTF-16 and back, the upper-casing names are compared by, splitting
// key paths, and the UTF-16 text helpers the export reader uses.
#include "platform/posix/registry_text.h"

#include "platform/encoding.h"

namespace registry_tree {
namespace {

// Lower-case letters that can occur in GBK texts and how the registry upper-cases them:
// first and last code unit, step (2: every other one from first), offset to the capital.
struct CaseRange {
  uint16_t first;
  uint16_t last;
  uint16_t step;
  int offset;
};
// clang-format off
constexpr CaseRange kCaseRanges[] = {
    {0x0061, 0x007A, 1, -32},   // a-z
    {0x00E0, 0x00F6, 1, -32},   // à-ö
    {0x00F8, 0x00FE, 1, -32},   // ø-þ
    {0x00FF, 0x00FF, 1, 0x79},  // ÿ to Ÿ (U+0178)
    {0x0101, 0x012F, 2, -1},    // ā ... į: capital just below
    {0x0133, 0x0137, 2, -1},
    {0x013A, 0x0148, 2, -1},
    {0x014B, 0x0177, 2, -1},
    {0x017A, 0x017E, 2, -1},
    {0x01CE, 0x01DC, 2, -1},    // pinyin ǎ ǐ ǒ ǔ ǖ ǘ ǚ ǜ
    {0x01F9, 0x01F9, 1, -1},    // ǹ
    {0x03B1, 0x03C1, 1, -32},   // α-ρ
    {0x03C2, 0x03C2, 1, -31},   // final ς to Σ
    {0x03C3, 0x03C9, 1, -32},   // σ-ω
    {0x0430, 0x044F, 1, -32},   // а-я
    {0x0450, 0x045F, 1, -80},   // ѐ-џ
    {0x2170, 0x217F, 1, -16},   // small roman numerals ⅰ-ⅿ
    {0xFF41, 0xFF5A, 1, -32},   // full-width ａ-ｚ
};
// clang-format on

char16_t UpperCase(char16_t c) {
  for (const CaseRange& r : kCaseRanges) {
    if (c < r.first || c > r.last) continue;
    if ((c - r.first) % r.step != 0) return c;
    return static_cast<char16_t>(c + r.offset);
  }
  return c;
}

// Decodes UTF-8 into UTF-16; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    uint32_t code = length == 1 ? c : length == 2 ? (c & 0x1Fu) : length == 3 ? (c & 0x0Fu) : (c & 0x07u);
    bool ok = length != 0 && i + length <= utf8.size();
    for (size_t k = 1; ok && k < length; ++k) {
      const unsigned char t = static_cast<unsigned char>(utf8[i + k]);
      ok = (t >> 6) == 2;
      code = (code << 6) | (t & 0x3Fu);
    }
    if (!ok) {
      out += u'\xFFFD';
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (code >> 10));
      out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += length;
  }
  return out;
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

}  // namespace

std::u16string GbkToUtf16(const std::string& gbk) {
  // Most names are ASCII: they need no trip through the converter.
  bool ascii = true;
  for (char c : gbk) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return std::u16string(gbk.begin(), gbk.end());
  return Utf8ToUtf16(GbkToUtf8(gbk));
}

std::string Utf16ToGbk(const std::u16string& text) {
  bool ascii = true;
  for (char16_t c : text) ascii = ascii && c < 0x80;
  if (ascii) return std::string(text.begin(), text.end());
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return Utf16leToGbk(bytes);
}

std::u16string FoldName(const std::string& gbk) {
  std::u16string name = GbkToUtf16(gbk);
  for (char16_t& c : name) c = UpperCase(c);
  return name;
}

bool SplitKeyPath(const std::string& gbk, std::vector<std::string>& names) {
  // Split in UTF-16: a GBK trail byte may be 0x5C, the code of "\".
  const std::u16string path = GbkToUtf16(gbk);
  names.clear();
  if (!path.empty() && path[0] == u'\\') return false;
  for (size_t start = 0; start < path.size();) {
    size_t end = path.find(u'\\', start);
    if (end == std::u16string::npos) end = path.size();
    if (end > start) names.push_back(Utf16ToGbk(path.substr(start, end - start)));
    start = end + 1;
  }
  return true;
}

Text TrimLeft(const Text& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

Text TrimRight(Text text) {
  while (!text.empty() && IsBlank(text.back())) text.pop_back();
  return text;
}

bool StartsWithNoCase(const Text& text, const char* prefix) {
  size_t i = 0;
  for (; prefix[i]; ++i) {
    if (i >= text.size()) return false;
    char16_t c = text[i];
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    char16_t p = static_cast<unsigned char>(prefix[i]);
    if (p >= 'a' && p <= 'z') p = static_cast<char16_t>(p - 32);
    if (c != p) return false;
  }
  return true;
}

bool ParseHexNumber(const Text& text, size_t maxDigits, uint32_t& number) {
  if (text.empty() || text.size() > maxDigits) return false;
  number = 0;
  for (char16_t c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return false;
    number = (number << 4) | static_cast<uint32_t>(digit);
  }
  return true;
}

}  // namespace registry_tree
