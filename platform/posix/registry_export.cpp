// Reading regedit exports into the in-memory registry: REGEDIT4 files in GBK and version 5.00 files in
// UTF-16LE with a byte-order mark. A file is read whole before anything of it is applied.
#include "platform/registry_export.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/posix/registry_text.h"
#include "platform/posix/registry_tree.h"

namespace {

using registry_tree::Change;
using registry_tree::Hive;
using registry_tree::Text;
using registry_tree::ParseHexNumber;
using registry_tree::StartsWithNoCase;
using registry_tree::TrimLeft;
using registry_tree::TrimRight;

// What went wrong, in Chinese and in English.
struct Fault {
  const char* chinese;
  const char* english;
};
constexpr Fault kCannotOpen = {"无法打开文件", "cannot open the file"};
constexpr Fault kBadHeader = {"不是注册表导出文件(首行应为 REGEDIT4 或 Windows Registry Editor Version 5.00)",
                              "not a registry export (the first line must be REGEDIT4 or "
                              "Windows Registry Editor Version 5.00)"};
constexpr Fault kVersion5NotUnicode = {"版本 5.00 的导出文件应为带字节序标记的 UTF-16LE",
                                       "a version 5.00 export must be UTF-16LE with a byte-order mark"};
constexpr Fault kRegedit4Unicode = {"REGEDIT4 导出文件应为 ANSI (GBK) 编码", "a REGEDIT4 export must be ANSI (GBK)"};
constexpr Fault kCutUnicode = {"文件不完整(UTF-16 字节数为奇数)", "the file is cut (odd number of UTF-16 bytes)"};
constexpr Fault kUnrecognised = {"无法识别的数据", "unrecognised data"};
constexpr Fault kBadKey = {"键名有误", "bad key name"};
constexpr Fault kValueBeforeKey = {"值出现在任何键之前", "a value before any key"};
constexpr Fault kUnterminated = {"字符串缺少结尾的引号", "unterminated string"};
constexpr Fault kBadHex = {"十六进制数据有误", "bad hex data"};
constexpr Fault kBadDword = {"dword 数据有误", "bad dword data"};
constexpr Fault kCutContinuation = {"文件在续行中途结束", "the file ends in the middle of a continued line"};

// The hives an export may name; keys under any other root are read and ignored.
struct HiveName {
  const char* name;
  Hive hive;
};
constexpr HiveName kHives[] = {
    {"HKEY_LOCAL_MACHINE", Hive::kMachine},
    {"HKEY_CURRENT_USER", Hive::kUser},
};

// The file's text as UTF-16 lines, and whether it is a version 5.00 (Unicode) export.
struct Source {
  std::vector<Text> lines;
  bool unicode = false;
};

void SplitLines(const Text& text, std::vector<Text>& lines) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(u'\n', start);
    if (end == Text::npos) end = text.size();
    Text line = text.substr(start, end - start);
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
}

const Fault* Decode(const std::string& bytes, Source& source) {
  const bool bom = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
  Text text;
  if (bom) {
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
  } else {
    text = registry_tree::GbkToUtf16(bytes);
  }
  SplitLines(text, source.lines);
  source.unicode = bom;
  const Text header = TrimRight(source.lines[0]);
  const bool version5 = header == u"Windows Registry Editor Version 5.00";
  if (!version5 && header != u"REGEDIT4") return &kBadHeader;
  if (version5 && !bom) return &kVersion5NotUnicode;
  if (!version5 && bom) return &kRegedit4Unicode;
  if (bom && bytes.size() % 2 != 0) return &kCutUnicode;
  return nullptr;
}

// The key a value line belongs to: none yet, one to ignore (deleted or outside both hives), or a key.
struct Current {
  bool seen = false;
  bool ignored = false;
  Hive hive = Hive::kMachine;
  std::vector<std::string> path;
};

const Fault* ParseKeyLine(const Text& line, Current& current, std::vector<Change>& changes) {
  const size_t close = line.rfind(u']');
  if (close == Text::npos || !TrimLeft(line.substr(close + 1)).empty()) return &kBadKey;
  Text path = line.substr(1, close - 1);
  const bool remove = !path.empty() && path[0] == u'-';
  if (remove) path.erase(0, 1);
  std::vector<std::string> names;
  if (path.empty() || !registry_tree::SplitKeyPath(registry_tree::Utf16ToGbk(path), names)) return &kBadKey;
  current = Current();
  current.seen = true;
  current.ignored = true;
  for (const HiveName& h : kHives) {
    if (registry_tree::FoldName(names[0]) != registry_tree::FoldName(h.name)) continue;
    current.ignored = remove;
    current.hive = h.hive;
    current.path.assign(names.begin() + 1, names.end());
    Change change;
    change.kind = remove ? Change::kDeleteKey : Change::kCreateKey;
    change.hive = h.hive;
    change.path = current.path;
    changes.push_back(change);
  }
  return nullptr;
}

// Reads a quoted string starting at text[pos] == '"'; pos ends after the closing quote. A backslash
// escapes a quote or a backslash; before any other character it stays as it is.
bool ParseQuoted(const Text& text, size_t& pos, Text& out) {
  out.clear();
  for (++pos; pos < text.size(); ++pos) {
    const char16_t c = text[pos];
    if (c == u'"') {
      ++pos;
      return true;
    }
    if (c == u'\\' && pos + 1 < text.size() && (text[pos + 1] == u'"' || text[pos + 1] == u'\\')) ++pos;
    out += text[pos];
  }
  return false;
}

// Comma-separated bytes of one or two hex digits; a trailing comma is allowed.
const Fault* ParseHexBytes(Text list, std::string& bytes) {
  list = TrimRight(list);
  if (!list.empty() && list.back() == u',') list.pop_back();
  if (TrimLeft(list).empty()) return nullptr;
  for (size_t start = 0;;) {
    const size_t comma = list.find(u',', start);
    uint32_t byte = 0;
    if (!ParseHexNumber(TrimRight(TrimLeft(list.substr(start, comma - start))), 2, byte)) return &kBadHex;
    bytes += static_cast<char>(byte);
    if (comma == Text::npos) return nullptr;
    start = comma + 1;
  }
}

// Texts stored by a version 5.00 export as UTF-16 become the GBK bytes RegQueryValueExA returns.
std::string TextData(const std::string& raw, uint32_t type, bool unicode) {
  const bool text = type == registry_tree::kRegSz || type == registry_tree::kRegExpandSz ||
                    type == registry_tree::kRegMultiSz;
  return text && unicode ? Utf16leToGbk(raw) : raw;
}

// Parses what follows "=": a string, "-", dword:, hex: or hex(N):. Sets change.kind, type and data.
const Fault* ParseData(const Text& data, bool unicode, Change& change) {
  if (!data.empty() && data[0] == u'"') {
    size_t pos = 0;
    Text text;
    if (!ParseQuoted(data, pos, text)) return &kUnterminated;
    if (!TrimLeft(data.substr(pos)).empty()) return &kUnrecognised;
    change.type = registry_tree::kRegSz;
    change.data = registry_tree::Utf16ToGbk(text) + '\0';
    return nullptr;
  }
  if (data == u"-") {
    change.kind = Change::kDeleteValue;
    return nullptr;
  }
  if (StartsWithNoCase(data, "dword:")) {
    uint32_t number = 0;
    if (!ParseHexNumber(TrimRight(data.substr(6)), 8, number)) return &kBadDword;
    change.type = registry_tree::kRegDword;
    for (int i = 0; i < 4; ++i) change.data += static_cast<char>((number >> (8 * i)) & 0xFF);
    return nullptr;
  }
  if (!StartsWithNoCase(data, "hex")) return &kUnrecognised;
  size_t colon = 3;
  change.type = registry_tree::kRegBinary;
  if (data.size() > 3 && data[3] == u'(') {
    const size_t close = data.find(u')');
    if (close == Text::npos || !ParseHexNumber(data.substr(4, close - 4), 8, change.type)) return &kUnrecognised;
    colon = close + 1;
  }
  if (colon >= data.size() || data[colon] != u':') return &kUnrecognised;
  std::string raw;
  if (const Fault* fault = ParseHexBytes(data.substr(colon + 1), raw)) return fault;
  change.data = TextData(raw, change.type, unicode);
  return nullptr;
}

// A value line, with its continuation lines (hex data ending in "\") joined; line is advanced past them.
const Fault* ParseValueLine(const Source& source, size_t& line, const Current& current, std::vector<Change>& changes) {
  const Text text = TrimLeft(source.lines[line]);
  Change change;
  size_t pos = 0;
  Text name;
  if (text[0] == u'@') {
    pos = 1;
  } else if (!ParseQuoted(text, pos, name)) {
    return &kUnterminated;
  }
  Text rest = TrimLeft(text.substr(pos));
  if (rest.empty() || rest[0] != u'=') return &kUnrecognised;
  if (!current.seen) return &kValueBeforeKey;
  rest = TrimRight(TrimLeft(rest.substr(1)));
  if (StartsWithNoCase(rest, "hex")) {
    while (!rest.empty() && rest.back() == u'\\') {
      // The continued line must exist and hold data: a blank line there means the value was cut.
      if (line + 1 >= source.lines.size() || TrimRight(TrimLeft(source.lines[line + 1])).empty()) {
        line = std::min(line + 1, source.lines.size() - 1);
        return &kCutContinuation;
      }
      rest.pop_back();
      rest += TrimRight(TrimLeft(source.lines[++line]));
    }
  }
  change.kind = Change::kSetValue;
  change.hive = current.hive;
  change.path = current.path;
  change.name = registry_tree::Utf16ToGbk(name);
  if (const Fault* fault = ParseData(rest, source.unicode, change)) return fault;
  if (!current.ignored) changes.push_back(change);
  return nullptr;
}

std::string Describe(const std::string& fileName, size_t line, const Fault& fault) {
  if (line == 0) return "文件 " + fileName + ": " + fault.chinese + " / " + fileName + ": " + fault.english;
  const std::string number = std::to_string(line);
  return "文件 " + fileName + " 第 " + number + " 行: " + fault.chinese + " / " + fileName + " line " + number + ": " +
         fault.english;
}

}  // namespace

bool LoadRegistryExportText(const std::string& bytes, const std::string& fileName, std::string& error) {
  Source source;
  if (const Fault* fault = Decode(bytes, source)) {
    error = Describe(fileName, fault == &kCutUnicode ? source.lines.size() : 1, *fault);
    return false;
  }
  std::vector<Change> changes;
  Current current;
  for (size_t line = 1; line < source.lines.size(); ++line) {
    const size_t first = line;
    const Text text = TrimLeft(source.lines[line]);
    const Fault* fault = nullptr;
    if (text.empty() || text[0] == u';') continue;
    if (text[0] == u'[') {
      fault = ParseKeyLine(TrimRight(text), current, changes);
    } else if (text[0] == u'"' || text[0] == u'@') {
      fault = ParseValueLine(source, line, current, changes);
    } else {
      fault = &kUnrecognised;
    }
    if (fault) {
      error = Describe(fileName, (fault == &kCutContinuation ? line : first) + 1, *fault);
      return false;
    }
  }
  registry_tree::Apply(changes);
  error.clear();
  return true;
}

bool LoadRegistryExport(const std::string& path, std::string& error) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) {
    error = Describe(path, 0, kCannotOpen);
    return false;
  }
  return LoadRegistryExportText(*bytes, path, error);
}
