// The regedit-export reader of the POSIX registry: every rule that can break, in both formats.
#ifndef _WIN32
#include <gtest/gtest.h>

#include "platform/encoding.h"
#include "platform/posix/registry_text.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "tests/test_support.h"

namespace {

const char kRegedit4[] = "REGEDIT4\r\n\r\n";
const char kVersion5[] = "Windows Registry Editor Version 5.00\r\n\r\n";
const char kKey[] = "[HKEY_LOCAL_MACHINE\\T]\r\n";

// A GBK text as a version 5.00 file: UTF-16LE after a byte-order mark.
std::string Unicode(const std::string& gbk) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : registry_tree::GbkToUtf16(gbk)) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// "hex(N):" followed by the bytes of data, wrapped with continuations every 16 bytes.
std::string HexLine(const std::string& prefix, const std::string& data) {
  std::string line = prefix;
  static const char kDigits[] = "0123456789abcdef";
  for (size_t i = 0; i < data.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(data[i]);
    line += kDigits[b >> 4];
    line += kDigits[b & 15];
    if (i + 1 < data.size()) line += (i % 16 == 15) ? ",\\\r\n  " : ",";
  }
  return line + "\r\n";
}

std::string Utf16(const std::string& gbk) { return Unicode(gbk).substr(2); }

class RegistryExport : public ::testing::Test {
 protected:
  void SetUp() override { ClearRegistry(); }
  void TearDown() override { ClearRegistry(); }

  // Loads bytes as the file "t.reg"; the test fails when it is rejected.
  void Load(const std::string& bytes) {
    std::string error;
    ASSERT_TRUE(LoadRegistryExportText(bytes, "t.reg", error)) << U8(error);
    EXPECT_EQ(error, "");
  }
  static std::string Text(const char* path, const char* name) {
    return ReadTextValue(OpenMachineKey(path), name).value_or("(absent)");
  }
};

// Value lines under [HKEY_LOCAL_MACHINE\T] that read the same in both formats.
TEST_F(RegistryExport, ValueLines) {
  // clang-format off
  struct { const char* line; const char* name; const char* expected; } kCases[] = {
      {"\"A\"=\"plain\"", "A", "plain"},
      {"\"A\"=\"say \\\"hi\\\"\"", "A", "say \"hi\""},
      {"\"A\"=\"C:\\\\dir\\\\\"", "A", "C:\\dir\\"},
      {"\"A\"=\"{4D36E97D}\\0030\"", "A", "{4D36E97D}\\0030"},  // a lone backslash stays
      {"\"na\\\"me\"=\"x\"", "na\"me", "x"},
      {"@=\"default\"", "", "default"},
      {"  \"A\" = \"blanks\"  ", "A", "blanks"},
      {"\"A\"=\"\"", "A", ""},
      {"\"显示设置\"=\"二手\"", "显示设置", "二手"},
      {"\"誠\"=\"誠\\\\\"", "誠", "誠\\"},  // 誠 ends in byte 0x5C
      {"\"A\"=dword:0000002a", "A", "(absent)"},
      {"\"A\"=hex:41,42,00", "A", "(absent)"},  // binary is not text
      {"\"A\"=\"x\"\r\n\"A\"=-", "A", "(absent)"},
      {"\"Case\"=\"x\"\r\n\"CASE\"=\"y\"", "case", "y"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    for (bool unicode : {false, true}) {
      ClearRegistry();
      const std::string text = std::string(unicode ? kVersion5 : kRegedit4) + kKey + c.line + "\r\n";
      Load(unicode ? Unicode(text) : text);
      EXPECT_EQ(U8(Text("T", c.name)), U8(c.expected)) << U8(c.line) << (unicode ? " (version 5)" : " (REGEDIT4)");
    }
  }
}

TEST_F(RegistryExport, Dwords) {
  // clang-format off
  struct { const char* line; uint32_t expected; } kCases[] = {
      {"\"D\"=dword:0000002a", 42},     {"\"D\"=dword:FFFFFFFF", 0xFFFFFFFFu},
      {"\"D\"=DWORD:7", 7},             {"\"D\"=hex(4):01,02,00,00", 0x201},
      {"\"D\"=hex(4):01,02,00", 0},     // three bytes are no dword
      {"\"D\"=\"12\"", 0},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ClearRegistry();
    Load(std::string(kRegedit4) + kKey + c.line + "\r\n");
    EXPECT_EQ(ReadDwordValue(OpenMachineKey("T"), "d").value_or(0), c.expected) << c.line;
  }
}

// Loads one value line "V" under [HKEY_LOCAL_MACHINE\T]: a string, or hex data of the given prefix
// ("hex(2):" and the like) whose bytes are data in GBK (REGEDIT4) or UTF-16LE (version 5.00).
void LoadValue(const std::string& prefix, const std::string& data, bool unicode) {
  const std::string head = std::string(unicode ? kVersion5 : kRegedit4) + kKey;
  const std::string body = prefix.empty() ? "\"V\"=\"" + data + "\"\r\n"
                                          : HexLine("\"V\"=" + prefix, unicode ? Utf16(data) : data);
  std::string error;
  ASSERT_TRUE(LoadRegistryExportText(unicode ? Unicode(head + body) : head + body, "t.reg", error)) << U8(error);
}

// hex(1), hex(2) and hex(7) hold UTF-16 in version 5.00 files and ANSI (GBK) in REGEDIT4 files.
TEST_F(RegistryExport, TextTypesInHex) {
  // clang-format off
  struct { const char* prefix; const char* data; size_t size; const char* expected; } kCases[] = {
      {"hex(1):", "二手", 5, "二手"},
      {"hex(2):", "%SystemRoot%\\显示设置", 22, "%SystemRoot%\\显示设置"},
      {"hex(7):", "USB\\VID_1\0二手\0", 16, "USB\\VID_1"},  // the literal's own NUL ends the list
      {"hex(7):", "\0", 2, ""},
      {"hex(2):", "no NUL", 6, "no NUL"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    for (bool unicode : {false, true}) {
      ClearRegistry();
      LoadValue(c.prefix, std::string(c.data, c.size), unicode);
      EXPECT_EQ(U8(Text("T", "V")), U8(c.expected)) << c.prefix << U8(c.data) << (unicode ? " (version 5)" : "");
    }
  }
}

// The buffer holds 256 bytes: the GBK text and its NUL, or a whole multi-string with its final NULs.
TEST_F(RegistryExport, TheBufferHolds256Bytes) {
  // Type prefix ("" for a string), the text as piece repeated count times, then tail of tailSize bytes.
  // clang-format off
  struct { const char* prefix; const char* piece; size_t count; const char* tail; size_t tailSize; bool fits; } kCases[] = {
      {"", "a", 255, "", 0, true},            {"", "a", 256, "", 0, false},
      {"", "显", 127, "a", 1, true},          {"", "显", 128, "", 0, false},
      {"hex(2):", "e", 255, "", 1, true},     {"hex(2):", "e", 256, "", 1, false},
      {"hex(2):", "显", 127, "", 1, true},    {"hex(2):", "显", 128, "", 1, false},
      {"hex(7):", "m", 252, "\0n\0", 4, true},  // 252 + NUL + 1 + NUL + NUL
      {"hex(7):", "m", 253, "\0n\0", 4, false},
      {"hex(7):", "显", 126, "\0n\0", 4, true},
      {"hex(7):", "显", 127, "\0n\0", 4, false},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const std::string tail(c.tail, c.tailSize);
    for (bool unicode : {false, true}) {
      ClearRegistry();
      LoadValue(c.prefix, Repeat(c.piece, c.count) + tail, unicode);
      const std::optional<std::string> text = ReadTextValue(OpenMachineKey("T"), "V");
      EXPECT_EQ(text.has_value(), c.fits) << c.prefix << U8(c.piece) << " x" << c.count << (unicode ? " (version 5)" : "");
      if (text && c.fits) {
        EXPECT_EQ(*text, Repeat(c.piece, c.count) + tail.substr(0, tail.find('\0')));
      }
    }
  }
}

TEST_F(RegistryExport, VeryLongValuesLoadAndReadAsAbsent) {
  const std::string text = std::string(kVersion5) + kKey + "\"Long\"=\"" + Repeat("长", 10000) + "\"\r\n\"Short\"=\"ok\"\r\n";
  Load(Unicode(text));
  EXPECT_EQ(Text("T", "Long"), "(absent)");
  EXPECT_EQ(Text("T", "Short"), "ok");
}

TEST_F(RegistryExport, SubkeysEnumerateByUpperCasedUtf16) {
  Load(std::string(kRegedit4) +
       "[HKEY_LOCAL_MACHINE\\E\\b]\r\n[HKEY_LOCAL_MACHINE\\E\\显示]\r\n[HKEY_LOCAL_MACHINE\\E\\_x]\r\n"
       "[HKEY_LOCAL_MACHINE\\E\\A]\r\n[HKEY_LOCAL_MACHINE\\E\\啊]\r\n[HKEY_LOCAL_MACHINE\\E\\二]\r\n"
       "[HKEY_LOCAL_MACHINE\\E\\a1]\r\n[HKEY_LOCAL_MACHINE\\E\\9]\r\n[HKEY_LOCAL_MACHINE\\E\\ｂ]\r\n"
       "[HKEY_LOCAL_MACHINE\\E\\Ａ]\r\n[HKEY_LOCAL_MACHINE\\E\\β]\r\n[HKEY_LOCAL_MACHINE\\E\\Α]\r\n"
       "[HKEY_LOCAL_MACHINE\\e\\B]\r\n");  // the same key as "b": nothing new
  // "_" sorts after the letters because names are upper-cased, as Windows orders them (Wine puts it
  // before the letters); Chinese by UTF-16 code, not GBK bytes.
  const char* kExpected[] = {"9", "A", "a1", "b", "_x", "Α", "β", "二", "啊", "显示", "Ａ", "ｂ"};
  const RegistryKey key = OpenMachineKey("e");
  uint32_t index = 0;
  for (const char* name : kExpected) EXPECT_EQ(U8(EnumerateSubkey(key, index++).value_or("(none)")), U8(name));
  EXPECT_FALSE(EnumerateSubkey(key, index).has_value());
}

TEST_F(RegistryExport, NamesMatchWithoutCaseAndKeepTheirs) {
  Load(std::string(kRegedit4) + "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet]\r\n\"DeviceDesc\"=\"Hub\"\r\n"
       "[hkey_local_machine\\system\\CURRENTCONTROLSET\\Ａβ]\r\n\"devicedesc\"=\"HUB\"\r\n");
  EXPECT_EQ(Text("system\\currentcontrolset", "DEVICEDESC"), "Hub");
  EXPECT_EQ(Text("SYSTEM\\CurrentControlSet\\ａΒ", "DeviceDesc"), "HUB");
  EXPECT_EQ(EnumerateSubkey(OpenMachineKey(""), 0).value_or(""), "SYSTEM");
  EXPECT_EQ(U8(EnumerateSubkey(OpenMachineKey("SYSTEM\\CurrentControlSet"), 0).value_or("")), U8("Ａβ"));
}

TEST_F(RegistryExport, KeyPaths) {
  Load(std::string(kRegedit4) + "[HKEY_LOCAL_MACHINE\\K\\誠\\二手\\]\r\n\"V\"=\"1\"\r\n");
  // clang-format off
  struct { const char* path; bool opens; } kCases[] = {
      {"K\\誠\\二手", true}, {"K\\誠\\二手\\", true}, {"", true}, {"K\\誠", true},
      {"\\K", false},         {"K\\\\誠", true},      {"K\\誠\\二", false},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(OpenMachineKey(c.path).isOpen(), c.opens) << U8(c.path);
}

TEST_F(RegistryExport, DeletionsAndMergeOrder) {
  Load(std::string(kRegedit4) + "[HKEY_LOCAL_MACHINE\\M\\Gone\\Child]\r\n\"V\"=\"1\"\r\n"
       "[HKEY_LOCAL_MACHINE\\M\\Kept]\r\n\"V\"=\"1\"\r\n\"W\"=\"1\"\r\n");
  Load(Unicode(std::string(kVersion5) + "[-HKEY_LOCAL_MACHINE\\M\\Gone]\r\n\"Ignored\"=\"x\"\r\n"
               "[HKEY_LOCAL_MACHINE\\M\\Kept]\r\n\"V\"=\"2\"\r\n\"w\"=-\r\n\"Missing\"=-\r\n"
               "[-HKEY_LOCAL_MACHINE\\M\\NeverThere]\r\n"));
  EXPECT_FALSE(OpenMachineKey("M\\Gone").isOpen());
  EXPECT_FALSE(OpenMachineKey("M\\Gone\\Child").isOpen());
  EXPECT_EQ(Text("M\\Kept", "V"), "2");
  EXPECT_EQ(Text("M\\Kept", "W"), "(absent)");
  EXPECT_EQ(EnumerateSubkey(OpenMachineKey("M"), 0).value_or(""), "Kept");
  // A key deleted while open answers as missing.
  const RegistryKey open = OpenMachineKey("M\\Kept");
  Load(std::string(kRegedit4) + "[-HKEY_LOCAL_MACHINE\\M]\r\n");
  EXPECT_FALSE(ReadTextValue(open, "V").has_value());
}

TEST_F(RegistryExport, HivesAndUserValues) {
  Load(std::string(kRegedit4) + "[HKEY_CURRENT_USER\\Software\\hwdex]\r\n\"up\"=\"1\"\r\n"
       "[HKEY_CLASSES_ROOT\\x]\r\n\"V\"=\"ignored\"\r\n[SYSTEM\\ControlSet001\\Enum]\r\n\"V\"=\"ignored\"\r\n");
  EXPECT_EQ(ReadUserValue("UP").value_or("(absent)"), "1");
  EXPECT_FALSE(OpenMachineKey("SYSTEM").isOpen());
  EXPECT_FALSE(OpenMachineKey("Software\\hwdex").isOpen());  // the user's key is not the machine's
  EXPECT_TRUE(WriteUserValue("up", "显示"));
  EXPECT_EQ(U8(ReadUserValue("up").value_or("")), U8("显示"));
}

TEST_F(RegistryExport, Builders) {
  SetMachineText("A\\B", "T", "二手");
  SetMachineMultiText("A\\B", "M", "USB\\VID_1");
  SetMachineDword("a\\b", "D", 7);
  CreateMachineKey("A\\C\\D");
  const RegistryKey key = OpenMachineKey("A\\B");
  EXPECT_EQ(U8(ReadTextValue(key, "t").value_or("")), U8("二手"));
  EXPECT_EQ(ReadTextValue(key, "M").value_or(""), "USB\\VID_1");
  EXPECT_EQ(ReadDwordValue(key, "D").value_or(0), 7u);
  EXPECT_EQ(EnumerateSubkey(OpenMachineKey("A"), 1).value_or(""), "C");
  SetMachineText("A\\B", "Long", std::string(256, 'x'));  // 257 bytes with the NUL
  EXPECT_FALSE(ReadTextValue(key, "Long").has_value());
  ClearRegistry();
  EXPECT_FALSE(OpenMachineKey("A").isOpen());
}

TEST_F(RegistryExport, RealFragmentShapes) {
  std::string error;
  for (const char* file : {"registry/fragments-regedit4.reg", "registry/fragments-unicode.reg"}) {
    ClearRegistry();
    ASSERT_TRUE(LoadRegistryExport(FixturePath(file), error)) << U8(error);
    const RegistryKey acpi = OpenMachineKey("SYSTEM\\CurrentControlSet\\Enum\\ACPI\\PNP0D40\\0");
    EXPECT_EQ(ReadTextValue(acpi, "HardwareID").value_or(""), "ACPI\\PNP0D40") << file;
    EXPECT_EQ(ReadDwordValue(acpi, "Capabilities").value_or(0), 0x30u);
    const RegistryKey hal = OpenMachineKey("SYSTEM\\ControlSet001\\Enum\\Root\\ACPI_HAL\\0000");
    EXPECT_EQ(ReadTextValue(hal, "CompatibleIDs").value_or(""), "DETECTEDInternal\\ACPI_HAL");
    EXPECT_EQ(EnumerateSubkey(hal, 0).value_or(""), "Control");
    EXPECT_EQ(EnumerateSubkey(hal, 1).value_or(""), "LogConf");
    EXPECT_EQ(U8(Text("SYSTEM\\ControlSet001\\Enum\\Root\\RDPDR\\0000", "DeviceDesc")), U8("终端服务器设备重定向器"));
    EXPECT_EQ(Text("SYSTEM\\CurrentControlSet\\Services\\Cdrom\\Enum", "0"), "Root\\LEGACY_CDROM\\0000");
  }
}

// A malformed file is rejected whole, naming the file and line in Chinese and English.
TEST_F(RegistryExport, MalformedFilesAreRejectedWhole) {
  // Text after the header line "REGEDIT4" (or the whole file when header is false), line, fault.
  // clang-format off
  struct { bool header; const char* text; int line; const char* fault; } kCases[] = {
      {false, "", 1, "not a registry export"},
      {false, "REGEDIT5\r\n", 1, "not a registry export"},
      {false, "\xEF\xBB\xBFREGEDIT4\r\n", 1, "not a registry export"},  // UTF-8 byte-order mark
      {false, "Windows Registry Editor Version 5.00\r\n", 1, "must be UTF-16LE"},
      {false, " REGEDIT4\r\n", 1, "not a registry export"},
      {true, "\"V\"=\"x\"\r\n", 2, "a value before any key"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=\"open\r\n", 3, "unterminated string"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V=\"x\"\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\r\n", 3, "unterminated string"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:4g\r\n", 3, "bad hex data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:123\r\n", 3, "bad hex data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:41,,42\r\n", 3, "bad hex data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:41,\\\r\n  4x\r\n", 3, "bad hex data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex(zz):00\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex(7)00\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=dword:xyz\r\n", 3, "bad dword data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=dword:123456789\r\n", 3, "bad dword data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=dword:\r\n", 3, "bad dword data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=text\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=\"x\" y\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\ngarbage\r\n", 3, "unrecognised data"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:41,\\\r\n", 4, "ends in the middle of a continued line"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:41,\\", 3, "ends in the middle of a continued line"},
      {true, "[HKEY_LOCAL_MACHINE\\T]\r\n\"V\"=hex:41,\\\r\n\r\n\"W\"=\"x\"\r\n", 4,
       "ends in the middle of a continued line"},
      {true, "[HKEY_LOCAL_MACHINE\\T\r\n", 2, "bad key name"},
      {true, "[\\HKEY_LOCAL_MACHINE\\T]\r\n", 2, "bad key name"},
      {true, "[]\r\n", 2, "bad key name"},
      {true, "[-]\r\n", 2, "bad key name"},
      // A line whose breaks were lost, as copied from a web page.
      {true, "[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Enum\\USB\\Vid_073d&Pid_0025\\5&6d75465&0&1] "
             "\"ClassGUID\"=\"{36FC9E60-C465-11CF-8056-444553540000}\" \"Service\"=\"DRIVERNAME\"\r\n", 2, "bad key name"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ClearRegistry();
    SetMachineText("Before", "V", "kept");
    // Every file starts with good lines, which must not be kept either.
    const std::string text = c.header ? std::string("REGEDIT4\r\n") + c.text : std::string(c.text);
    std::string error;
    EXPECT_FALSE(LoadRegistryExportText(text, "x.reg", error)) << U8(c.text);
    const std::string line = std::to_string(c.line);
    EXPECT_EQ(error.find("文件 x.reg 第 " + line + " 行: "), 0u) << U8(error);
    EXPECT_NE(error.find(" / x.reg line " + line + ": "), std::string::npos) << U8(error);
    EXPECT_NE(error.find(c.fault), std::string::npos) << U8(error);
    EXPECT_FALSE(OpenMachineKey("T").isOpen()) << U8(c.text);
    EXPECT_EQ(Text("Before", "V"), "kept");
  }
}

TEST_F(RegistryExport, MalformedUnicodeFiles) {
  const std::string good = Unicode(std::string(kVersion5) + kKey + "\"V\"=\"x\"\r\n");
  // clang-format off
  struct { std::string bytes; int line; const char* fault; } kCases[] = {
      {good.substr(2), 1, "not a registry export"},                      // UTF-16 without its byte-order mark
      {good.substr(0, good.size() - 1), 4, "odd number of UTF-16 bytes"},  // cut in the middle of a character
      {Unicode("REGEDIT4\r\n"), 1, "must be ANSI"},
      {Unicode(std::string(kVersion5) + kKey + "\"V\"=\"二手\r\n"), 4, "unterminated string"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    std::string error;
    EXPECT_FALSE(LoadRegistryExportText(c.bytes, "u.reg", error));
    EXPECT_EQ(error.find("文件 u.reg 第 " + std::to_string(c.line) + " 行: "), 0u) << U8(error);
    EXPECT_NE(error.find(c.fault), std::string::npos) << U8(error);
    EXPECT_FALSE(OpenMachineKey("T").isOpen());
  }
}

TEST_F(RegistryExport, ErrorTextsInFull) {
  std::string error;
  EXPECT_FALSE(LoadRegistryExportText("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\T]\r\nbad\r\n", "x.reg", error));
  EXPECT_EQ(U8(error), U8("文件 x.reg 第 3 行: 无法识别的数据 / x.reg line 3: unrecognised data"));
  EXPECT_FALSE(LoadRegistryExport(FixturePath("registry/no-such.reg"), error));
  EXPECT_EQ(U8(error), U8("文件 " + FixturePath("registry/no-such.reg") + ": 无法打开文件 / " +
                          FixturePath("registry/no-such.reg") + ": cannot open the file"));
}

// Cuts and damaged bytes all through real-shaped exports load or are rejected with a message; a
// rejected file leaves the registry as it was.
TEST_F(RegistryExport, DamagedFilesNeverHalfLoad) {
  for (const char* file : {"registry/fragments-regedit4.reg", "registry/fragments-unicode.reg"}) {
    const std::string bytes = ReadFileBytes(FixturePath(file));
    ASSERT_FALSE(bytes.empty()) << file;
    std::vector<std::string> damaged;
    for (size_t cut = 0; cut < bytes.size(); cut += 3) damaged.push_back(bytes.substr(0, cut));
    for (size_t at = 0; at < bytes.size(); at += 7) {
      for (char c : {'"', '\\', '[', '\n', '\0', '\xB6'}) {
        damaged.push_back(bytes);
        damaged.back()[at] = c;
      }
    }
    for (const std::string& text : damaged) {
      ClearRegistry();
      SetMachineText("Before", "V", "kept");
      std::string error;
      if (LoadRegistryExportText(text, "d.reg", error)) continue;
      ASSERT_EQ(error.find("文件 d.reg 第 "), 0u) << U8(error);
      ASSERT_EQ(EnumerateSubkey(OpenMachineKey(""), 1), std::nullopt) << U8(error);
      ASSERT_EQ(Text("Before", "V"), "kept");
    }
  }
}

}  // namespace
#endif
