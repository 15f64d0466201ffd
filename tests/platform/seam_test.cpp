// The platform seam against the same fixtures in both builds: natively the registry is loaded from
// the exports, under Wine the run script has imported one of them into the real registry first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/drives.h"
#include "platform/encoding.h"
#include "platform/process.h"
#include "platform/processor.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/registry_devices.h"
#include "tests/test_support.h"

namespace {

const char kSeam[] = "SOFTWARE\\hwdex-seam";

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// Natively every test sees the fixture freshly loaded (the REGEDIT4 file or the version 5.00 file,
// chosen by the test's parameter); under Wine the registry already holds it.
class Seam : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
#ifndef _WIN32
    ClearRegistry();
    std::string error;
    ASSERT_TRUE(LoadRegistryExport(FixturePath(GetParam()), error)) << U8(error);
#endif
  }
};

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Imported, Seam, ::testing::Values("imported"));
#else
INSTANTIATE_TEST_SUITE_P(Exports, Seam, ::testing::Values("registry/seam-regedit4.reg", "registry/seam-unicode.reg"));
#endif

TEST_P(Seam, SubkeysEnumerateByUpperCasedName) {
  const RegistryKey key = OpenMachineKey(std::string(kSeam) + "\\Order");
  ASSERT_TRUE(key.isOpen());
  // Digits, then letters without case, then Chinese by UTF-16 code (not GBK).
  const char* kExpected[] = {"9", "A", "a1", "b", "C", "二手", "啊", "显示设置", "誠"};
  uint32_t index = 0;
  for (const char* name : kExpected) {
    EXPECT_EQ(U8(EnumerateSubkey(key, index).value_or("(none)")), U8(name)) << "index " << index;
    ++index;
  }
  EXPECT_FALSE(EnumerateSubkey(key, index).has_value());
  EXPECT_FALSE(EnumerateSubkey(RegistryKey(), 0).has_value());
}

TEST_P(Seam, KeysOpenWithoutCase) {
  // clang-format off
  struct { const char* path; bool opens; } kCases[] = {
      {"SOFTWARE\\hwdex-seam", true},
      {"software\\HWDEX-SEAM\\order\\A", true},
      {"SOFTWARE\\hwdex-seam\\Order\\誠", true},  // 誠 ends in byte 0x5C, the code of "\"
      {"SOFTWARE\\hwdex-seam\\显示设置\\二手", true},
      {"SOFTWARE\\hwdex-seam\\Order\\", true},
      {"\\SOFTWARE\\hwdex-seam", false},
      {"SOFTWARE\\\\hwdex-seam", true},  // a doubled separator counts once
      {"SOFTWARE\\hwdex-seam\\Missing", false},
      {"SOFTWARE\\hwdex-seam\\Order\\二", false},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(OpenMachineKey(c.path).isOpen(), c.opens) << U8(c.path);
}

TEST_P(Seam, TextValues) {
  const RegistryKey key = OpenMachineKey(kSeam);
  ASSERT_TRUE(key.isOpen());
  // clang-format off
  struct { const char* name; const char* expected; } kCases[] = {
      {"", "默认值"},
      {"Text", "Generic USB Hub"},
      {"text", "Generic USB Hub"},
      {"显示设置", "二手"},
      {"Quote", "say \"hi\" C:\\dir\\"},
      {"Expand", "%SystemRoot%\\system32\\二手.dll"},  // not expanded
      {"HardwareID", "USB\\VID_1234&PID_5678"},        // the first string only
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(U8(ReadTextValue(key, c.name).value_or("(absent)")), U8(c.expected)) << c.name;
  const RegistryKey sub = OpenMachineKey(std::string(kSeam) + "\\显示设置\\二手");
  EXPECT_EQ(U8(ReadTextValue(sub, "名称").value_or("(absent)")), U8("二手显示器"));
}

TEST_P(Seam, AbsentValues) {
  const RegistryKey key = OpenMachineKey(kSeam);
  for (const char* name : {"Missing", "Count", "Binary"}) EXPECT_FALSE(ReadTextValue(key, name).has_value()) << name;
  for (const char* name : {"Missing", "Text", "Binary", "HardwareID"}) {
    EXPECT_FALSE(ReadDwordValue(key, name).has_value()) << name;
  }
  EXPECT_FALSE(ReadTextValue(OpenMachineKey("SOFTWARE\\hwdex-seam\\Missing"), "Text").has_value());
  EXPECT_FALSE(ReadTextValue(RegistryKey(), "Text").has_value());
}

TEST_P(Seam, DwordValues) {
  const RegistryKey key = OpenMachineKey(kSeam);
  EXPECT_EQ(ReadDwordValue(key, "Count").value_or(0), 42u);
  EXPECT_EQ(ReadDwordValue(key, "BIG").value_or(0), 0xFFFFFFFFu);
}

TEST_P(Seam, TheBufferHolds256Bytes) {
  const RegistryKey key = OpenMachineKey(kSeam);
  // Name, length of the text read (0: absent).
  // clang-format off
  struct { const char* name; size_t length; } kCases[] = {
      {"Sz255", 255},     {"Sz256", 0},     {"Expand255", 255}, {"Expand256", 0},
      {"Multi256", 250},  // 250 + NUL + 3 + NUL + NUL
      {"Multi257", 0},
      {"Gbk255", 254},  // 127 Chinese characters of two bytes each, and the NUL
      {"Gbk256", 255},
      {"Gbk257", 0},
      {"Long", 0},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const std::optional<std::string> text = ReadTextValue(key, c.name);
    EXPECT_EQ(text.has_value() ? text->size() : 0, c.length) << c.name;
  }
  EXPECT_EQ(U8(ReadTextValue(key, "Gbk256").value_or("")), U8(Repeat("显", 127) + "a"));
}

TEST_P(Seam, UserValues) {
  EXPECT_EQ(U8(ReadUserValue("版本").value_or("(absent)")), U8("二手"));
  EXPECT_FALSE(ReadUserValue("up").has_value());
  ASSERT_TRUE(WriteUserValue("up", "1"));
  EXPECT_EQ(ReadUserValue("UP").value_or("(absent)"), "1");
  ASSERT_TRUE(WriteUserValue("up", "显示设置"));
  EXPECT_EQ(U8(ReadUserValue("up").value_or("(absent)")), U8("显示设置"));
  ASSERT_TRUE(WriteUserValue("up", ""));
  EXPECT_EQ(ReadUserValue("up").value_or("(absent)"), "");
}

TEST(SeamDrives, MissingDriveHasNoGeometry) {
  EXPECT_FALSE(ReadDriveGeometry("\\\\.\\PHYSICALDRIVE97").has_value());
}

// The storage stack asked for real (on Windows and under Wine; natively the empty table answers):
// whatever drives and disk devices this machine has, the answers agree with each other. Wine may
// have no disk that answers; the drives found are printed.
TEST(SeamDrives, StorageStackAnswersAgree) {
  EXPECT_FALSE(DriveNumberOfDevice("SCSI\\Disk&Ven_None&Prod_None\\0&0&0&000000").has_value());
  EXPECT_FALSE(DriveNumberOfDevice("").has_value());
  EXPECT_FALSE(ReadDriveIdentity(97).has_value());
  std::optional<uint32_t> previous;
  for (const auto& [index, identity] : ListDriveIdentities()) {
    EXPECT_TRUE(!previous || index > *previous) << index;
    previous = index;
    const std::optional<DriveIdentity> again = ReadDriveIdentity(index);
    ASSERT_TRUE(again.has_value()) << index;
    EXPECT_EQ(again->vendor, identity.vendor);
    EXPECT_EQ(again->product, identity.product);
    EXPECT_EQ(again->bus, identity.bus);
    for (const std::string* text : {&identity.vendor, &identity.product, &identity.serial}) {
      EXPECT_TRUE(text->empty() || (text->front() != ' ' && text->back() != ' ')) << *text;
    }
    std::printf("drive %u: vendor \"%s\" product \"%s\" bus %d solid state %d\n", index, identity.vendor.c_str(),
                identity.product.c_str(), static_cast<int>(identity.bus),
                identity.solidState ? static_cast<int>(*identity.solidState) : -1);
  }
  // Every disk device the registry lists: a drive the stack names for it is a drive that answers.
  for (const std::string& instance : ReadServiceInstances("SYSTEM\\CurrentControlSet\\Services\\Disk\\Enum\\")) {
    const std::optional<uint32_t> drive = DriveNumberOfDevice(instance);
    std::printf("disk device %s: drive %d\n", instance.c_str(), drive ? static_cast<int>(*drive) : -1);
    if (drive) {
      EXPECT_TRUE(ReadDriveGeometry(PhysicalDrivePath(*drive)).has_value() || ReadDriveIdentity(*drive).has_value())
          << instance;
    }
  }
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The 48 brand bytes read here with the instruction itself, independently of the seam's code.
std::string BrandBytesByInstruction() {
  std::string bytes(48, '\0');
#if defined(__x86_64__) || defined(__i386__)
  unsigned int a = 0x80000000u, b = 0, c = 0, d = 0;
  __asm__ volatile("cpuid" : "+a"(a), "=b"(b), "=c"(c), "=d"(d) : "c"(0));
  if (a < 0x80000004u) return bytes;
  for (unsigned int leaf = 0; leaf < 3; ++leaf) {
    unsigned int regs[4] = {0x80000002u + leaf, 0, 0, 0};
    __asm__ volatile("cpuid" : "+a"(regs[0]), "=b"(regs[1]), "=c"(regs[2]), "=d"(regs[3]) : "c"(0));
    std::memcpy(&bytes[leaf * 16], regs, sizeof regs);
  }
#endif
  return bytes;
}

// What the kernel calls the processor: only for the failure message, since kernels and hypervisors
// may show another name than the processor's own brand leaves.
std::string CpuinfoModelName() {
#ifdef _WIN32
  std::ifstream file("Z:\\proc\\cpuinfo", std::ios::binary);
#else
  std::ifstream file("/proc/cpuinfo", std::ios::binary);
#endif
  for (std::string line; std::getline(file, line);) {
    if (line.rfind("model name", 0) == 0) return Trim(line.substr(line.find(':') + 1));
  }
  return "(none)";
}

// The seam gives the processor's own 48 bytes: the same as the leaves read directly, the same on a
// second call, text up to the first NUL and nothing but NULs after it.
TEST(SeamProcessor, BrandBytesAreTheBrandLeaves) {
  const std::string bytes = ReadCpuidBrandBytes();
  ASSERT_EQ(bytes.size(), 48u);
  const std::string context = "brand \"" + bytes.substr(0, bytes.find('\0')) + "\", kernel's name \"" +
                              CpuinfoModelName() + "\"";
  EXPECT_EQ(bytes, BrandBytesByInstruction()) << context;
  EXPECT_EQ(ReadCpuidBrandBytes(), bytes) << context;
  const size_t end = bytes.find('\0');
  for (size_t i = 0; i < std::min(end, bytes.size()); ++i) {
    EXPECT_TRUE(bytes[i] >= 0x20 && bytes[i] < 0x7F) << "byte " << i << ", " << context;
  }
  if (end != std::string::npos) {
    EXPECT_EQ(bytes.find_first_not_of('\0', end), std::string::npos) << context;
  }
}

TEST(SeamProcess, RunAndWaitReturnsTheExitCode) {
  const std::string directory = RunningProgramDirectory();
  for (int code : {0, 3, 200}) {
    EXPECT_EQ(RunAndWait("exit_code_helper " + std::to_string(code), directory).value_or(-1), code);
  }
  EXPECT_FALSE(RunAndWait("no_such_program_hwdex 1", directory).has_value());
}

TEST(SeamEncoding, RoundTrips) {
  // clang-format off
  struct { const char* utf8; const char* gbk; } kCases[] = {
      {u8"显示设置", "显示设置"},
      {u8"二手 USB 硬盘", "二手 USB 硬盘"},
      {u8"誠", "誠"},
      {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk) << c.utf8;
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.utf8;
  }
  // 二手 in UTF-16LE, and a Thai letter that GBK lacks.
  EXPECT_EQ(Utf16leToGbk(std::string("\x8c\x4e\x4b\x62", 4)), "二手");
  EXPECT_EQ(Utf16leToGbk(std::string("\x01\x0e\x41\x00", 4)), "?A");
}

}  // namespace
