// The SMBIOS decoder on tables built here: every structure the report uses, missing strings, bad
// lengths and cut-off tables.
#include "report_tool/smbios.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace {

// One structure: its formatted area (type and length set, handle 0) and then its strings.
class Structure {
 public:
  Structure(int type, int length) : bytes_(length, 0) {
    bytes_[0] = static_cast<char>(type);
    bytes_[1] = static_cast<char>(length);
  }
  Structure& Byte(int at, int value) {
    bytes_[at] = static_cast<char>(value);
    return *this;
  }
  Structure& Word(int at, unsigned value) { return Byte(at, value & 0xFF).Byte(at + 1, (value >> 8) & 0xFF); }
  Structure& Dword(int at, std::uint32_t value) { return Word(at, value & 0xFFFF).Word(at + 2, value >> 16); }
  std::string With(std::initializer_list<const char*> strings) const {
    std::string out = bytes_;
    for (const char* s : strings) out += std::string(s) + '\0';
    if (strings.size() == 0) out += '\0';
    return out + '\0';
  }

 private:
  std::string bytes_;
};

std::string Bios() {
  return Structure(0, 0x18).Byte(0x04, 1).Byte(0x05, 2).Byte(0x08, 3).Byte(0x09, 0x3F)
      .With({"American Megatrends Inc.", "2.10", "03/14/2012"});
}
std::string System() {
  return Structure(1, 0x1B).Byte(0x04, 1).Byte(0x05, 2).Byte(0x06, 3).Byte(0x1A, 4)
      .With({"To Be Filled By O.E.M.", "To Be Filled By O.E.M.", "1.0", "Desktop"});
}
std::string Board() { return Structure(2, 0x0F).Byte(0x04, 1).Byte(0x05, 2).Byte(0x06, 3).With({"ASRock", "H61M-VS", "1.02"}); }
std::string Processor() {
  return Structure(4, 0x2A).Byte(0x04, 1).Byte(0x05, 3).Byte(0x07, 2).Byte(0x10, 3).Word(0x12, 100)
      .Word(0x14, 3800).Word(0x16, 3100).Byte(0x18, 0x41).Byte(0x19, 0x24).Byte(0x23, 4).Byte(0x25, 4)
      .With({"CPUSocket", "Intel", "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz"});
}
std::string MemoryArray() { return Structure(16, 0x17).Byte(0x05, 3).Dword(0x07, 16 * 1024 * 1024).Word(0x0D, 2).With({}); }
std::string MemoryDevice(unsigned size, const char* locator, const char* maker) {
  return Structure(17, 0x28).Word(0x0C, size).Byte(0x0E, 0x09).Byte(0x10, 1).Byte(0x11, 2).Byte(0x12, 0x18)
      .Word(0x15, 1333).Byte(0x17, 3).Byte(0x18, 4).Byte(0x1A, 5).Word(0x20, 1333)
      .With({locator, "BANK 0", maker, "0F2A3B4C", "KHX1333C9D3/4G"});
}
std::string End() { return Structure(127, 4).With({}); }

TEST(Smbios, DecodesEveryStructureTheReportUses) {
  FirmwareFacts f;
  const std::string table = Bios() + System() + Board() + Processor() + MemoryArray() +
                            MemoryDevice(4096, "ChannelA-DIMM0", "Kingston") + MemoryDevice(0, "ChannelA-DIMM1", "") +
                            MemoryDevice(0x7FFF, "ChannelB-DIMM0", "Samsung") + End();
  ASSERT_TRUE(DecodeSmbiosTable(table, 2, 7, f));
  EXPECT_TRUE(f.present);
  EXPECT_EQ(f.biosVendor, "American Megatrends Inc.");
  EXPECT_EQ(f.biosVersion, "2.10");
  EXPECT_EQ(f.biosDate, "03/14/2012");
  EXPECT_EQ(f.biosRomKb, 4096u);
  EXPECT_EQ(f.systemManufacturer, "To Be Filled By O.E.M.");
  EXPECT_EQ(f.systemFamily, "Desktop");
  EXPECT_EQ(f.boardVendor, "ASRock");
  EXPECT_EQ(f.boardModel, "H61M-VS");
  ASSERT_TRUE(f.hasProcessor);
  EXPECT_EQ(f.processorVersion, "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz");
  EXPECT_EQ(f.processorUpgrade, 0x24);
  EXPECT_EQ(f.processorMhz, 3100u);
  EXPECT_EQ(f.processorCores, 4);
  EXPECT_EQ(f.arrayMaxMb, 16384u);
  EXPECT_EQ(f.arrayDevices, 2);
  // The empty slot is left out; the extended size field is 0 here, so that device has no size either.
  ASSERT_EQ(f.memory.size(), 1u);
  EXPECT_EQ(f.memory[0].locator, "ChannelA-DIMM0");
  EXPECT_EQ(f.memory[0].manufacturer, "Kingston");
  EXPECT_EQ(f.memory[0].partNumber, "KHX1333C9D3/4G");
  EXPECT_EQ(f.memory[0].sizeMb, 4096u);
  EXPECT_EQ(f.memory[0].memoryType, 0x18);
  EXPECT_EQ(f.memory[0].speedMts, 1333u);
  EXPECT_EQ(f.memory[0].configuredMts, 1333u);
}

TEST(Smbios, MemoryDeviceSizes) {
  // clang-format off
  struct { unsigned field; std::uint32_t extended; unsigned expectedMb; } kCases[] = {
      {2048, 0, 2048},          {0x8000 | 512, 0, 0},      // 512 KB is under a megabyte
      {0x8000 | 2048, 0, 2},    {0x7FFF, 32768, 32768},    {0xFFFF, 0, 0},  // unknown size
  };
  // clang-format on
  for (const auto& c : kCases) {
    FirmwareFacts f;
    std::string device = Structure(17, 0x28).Word(0x0C, c.field).Dword(0x1C, c.extended).With({});
    DecodeSmbiosTable(device + End(), 3, 0, f);
    EXPECT_EQ(f.memory.empty() ? 0u : f.memory[0].sizeMb, c.expectedMb) << std::hex << c.field;
  }
}

TEST(Smbios, MissingStringsStayEmpty) {
  FirmwareFacts f;
  // String numbers 0 and 9 of a set of one, and a structure with no strings at all.
  std::string bios = Structure(0, 0x12).Byte(0x04, 0).Byte(0x05, 9).Byte(0x08, 1).With({"01/01/2010"});
  std::string board = Structure(2, 0x08).Byte(0x04, 1).Byte(0x05, 2).With({});
  ASSERT_TRUE(DecodeSmbiosTable(bios + board + End(), 2, 4, f));
  EXPECT_EQ(f.biosVendor, "");
  EXPECT_EQ(f.biosVersion, "");
  EXPECT_EQ(f.biosDate, "01/01/2010");
  EXPECT_EQ(f.boardVendor, "");
  EXPECT_EQ(f.boardModel, "");
}

TEST(Smbios, ShortStructuresGiveOnlyWhatTheyHold) {
  FirmwareFacts f;
  // A system structure of version 2.0 (no family byte), a processor too short for core counts,
  // an unpopulated socket and a memory device too short to hold a size.
  std::string system = Structure(1, 0x08).Byte(0x04, 1).Byte(0x05, 2).Byte(0x06, 3).Byte(0x07, 4)
                           .With({"Dell Inc.", "Latitude E6530", "01", "Family?"});
  std::string emptySocket = Structure(4, 0x1A).Byte(0x05, 3).Byte(0x18, 0x00).Byte(0x19, 0x15).With({});
  std::string oldProcessor = Structure(4, 0x1A).Byte(0x05, 3).Byte(0x18, 0x41).Byte(0x19, 0x21).With({});
  std::string shortDevice = Structure(17, 0x0C).With({});
  ASSERT_TRUE(DecodeSmbiosTable(system + emptySocket + oldProcessor + shortDevice + End(), 2, 0, f));
  EXPECT_EQ(f.systemProduct, "Latitude E6530");
  EXPECT_EQ(f.systemFamily, "");
  EXPECT_TRUE(f.hasProcessor);
  EXPECT_EQ(f.processorUpgrade, 0x21);
  EXPECT_EQ(f.processorCores, 0);
  EXPECT_TRUE(f.memory.empty());
}

TEST(Smbios, BadLengthsAndCutTablesStopTheWalk) {
  // clang-format off
  struct { const char* what; std::string table; bool any; const char* vendor; const char* board; } kCases[] = {
      {"empty", "", false, "", ""},
      {"three bytes", std::string("\x00\x18\x00", 3), false, "", ""},
      {"length below the header", std::string("\x00\x02\x00\x00\x00\x00", 6), false, "", ""},
      {"length past the end", Structure(0, 0x18).With({"AMI"}).substr(0, 0x10), false, "", ""},
      {"strings cut off", Bios().substr(0, Bios().size() - 3), false, "", ""},
      {"no double NUL at the end", Bios() + Board().substr(0, Board().size() - 1), true, "American Megatrends Inc.", ""},
      {"bad structure after a good one", Bios() + std::string("\x02\x01\x00\x00", 4) + Board(), true,
       "American Megatrends Inc.", ""},
      {"end of table before the board", Bios() + End() + Board(), true, "American Megatrends Inc.", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    FirmwareFacts f;
    EXPECT_EQ(DecodeSmbiosTable(c.table, 2, 7, f), c.any) << c.what;
    EXPECT_EQ(f.biosVendor, c.vendor) << c.what;
    EXPECT_EQ(f.boardVendor, c.board) << c.what;
    EXPECT_TRUE(f.memory.empty()) << c.what;
  }
}

// Every cut and every single-byte change of a whole table: the decoder reads only inside the table and
// every text it gives stands in the table's bytes.
TEST(Smbios, CutAndDamagedTablesGiveOnlyTheirOwnTexts) {
  const std::string whole = Bios() + System() + Board() + Processor() + MemoryArray() +
                            MemoryDevice(4096, "ChannelA-DIMM0", "Kingston") + End();
  auto check = [](const std::string& table, const std::string& what) {
    FirmwareFacts f;
    DecodeSmbiosTable(table, 2, 7, f);
    std::vector<std::string> texts = {f.biosVendor, f.biosVersion, f.biosDate, f.systemManufacturer,
                                      f.systemProduct, f.boardVendor, f.boardModel, f.processorVersion};
    for (const ::MemoryDevice& d : f.memory) texts.insert(texts.end(), {d.locator, d.manufacturer, d.partNumber});
    for (const std::string& text : texts) EXPECT_NE(table.find(text), std::string::npos) << what << ": " << text;
    EXPECT_LE(f.memory.size(), 1u) << what;
  };
  for (size_t size = 0; size <= whole.size(); ++size) check(whole.substr(0, size), "cut at " + std::to_string(size));
  for (size_t at = 0; at < whole.size(); ++at) {
    for (int value : {0x00, 0x01, 0x04, 0x7F, 0xFF}) {
      std::string damaged = whole;
      damaged[at] = static_cast<char>(value);
      check(damaged, "byte " + std::to_string(at) + " = " + std::to_string(value));
    }
  }
}

TEST(Smbios, RawFirmwareTableBlob) {
  const std::string table = Bios() + End();
  std::string blob = std::string("\x00\x02\x07\x00", 4);
  for (int i = 0; i < 4; ++i) blob += static_cast<char>((table.size() >> (8 * i)) & 0xFF);
  FirmwareFacts f;
  ASSERT_TRUE(DecodeRawSmbiosData(blob + table + "trailing bytes", f));
  EXPECT_EQ(f.major, 2);
  EXPECT_EQ(f.minor, 7);
  EXPECT_EQ(f.biosDate, "03/14/2012");

  FirmwareFacts cut;
  EXPECT_FALSE(DecodeRawSmbiosData(blob.substr(0, 6), cut));
  // A header that claims more than the blob holds: the table is what there is.
  std::string claims = std::string("\x00\x03\x00\x00\xFF\xFF\x00\x00", 8) + table;
  FirmwareFacts more;
  EXPECT_TRUE(DecodeRawSmbiosData(claims, more));
  EXPECT_EQ(more.major, 3);
}

TEST(Smbios, EntryPointVersions) {
  // clang-format off
  struct { std::string entry; bool ok; int major; int minor; } kCases[] = {
      {std::string("_SM_\x1f\x1f\x02\x08", 8) + std::string(23, '\0'), true, 2, 8},
      {std::string("_SM3_\x00\x18\x03\x02", 9) + std::string(15, '\0'), true, 3, 2},
      {"_DMI_", false, 0, 0},
      {"", false, 0, 0},
  };
  // clang-format on
  for (const auto& c : kCases) {
    int major = 0, minor = 0;
    EXPECT_EQ(ReadSmbiosEntryVersion(c.entry, major, minor), c.ok);
    EXPECT_EQ(major, c.major);
    EXPECT_EQ(minor, c.minor);
  }
}

}  // namespace
