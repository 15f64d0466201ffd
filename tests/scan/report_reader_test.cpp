// The key walker on fixture reports of each block and on rows built in code: every jump, every
// word-count rule, the slot carry-over.
#include "scan/report_walker.h"

#include <gtest/gtest.h>

#include "tests/scan/report_rows.h"
#include "tests/test_support.h"

namespace {

ScanRecords WalkFixture(const std::string& name) {
  ScanRecords records;
  WalkReport(FixturePath("reports/" + name), records);
  return records;
}

ScanRecords WalkLines(const std::vector<std::string>& lines) {
  TempDir dir;
  WriteFileBytes(dir.File("pc.htm"), JoinLines(lines));
  ScanRecords records;
  WalkReport(dir.File("pc.htm"), records);
  return records;
}

std::vector<std::string> Titles(int count) {
  std::vector<std::string> rows;
  for (int i = 1; i <= count; ++i) rows.push_back(TitleRow("Block " + std::to_string(i)));
  return rows;
}

TEST(WalkReport, ProcessorBlock) {
  const ScanRecords r = WalkFixture("processor.htm");
  EXPECT_EQ(r.cpu.cores, "4");
  EXPECT_EQ(r.cpu.threads, "8");  // the top row of 16 comes before "cores" and is not looked at
  EXPECT_EQ(r.cpu.name, "Intel Core i7 3770");
  EXPECT_EQ(r.cpu.specification, "Intel(R) Core(TM) i7-3770 CPU @ 3.40GHz");
  EXPECT_EQ(r.cpu.package, "1155 LGA");
  EXPECT_EQ(r.cpu.technology, "22 nm");
  EXPECT_EQ(r.cpu.clock, "3.40");  // the later 9999 MHz row is not taken
  EXPECT_EQ(r.board.northbridge, "");
}

TEST(WalkReport, ChipsetBlockAfterTheFifthTitle) {
  const ScanRecords r = WalkFixture("chipset.htm");
  EXPECT_EQ(r.cpu.cores + r.cpu.name + r.cpu.clock, "");
  EXPECT_EQ(r.board.northbridge, "Intel Ivy Bridge rev. 09");
  EXPECT_EQ(r.board.southbridge, "Intel Z77 rev. 04");
  EXPECT_EQ(r.memory.type, "DDR3");
  EXPECT_EQ(r.memory.size, "16");
  EXPECT_EQ(r.memory.channels, "Dual");
  EXPECT_EQ(r.memory.frequency, "798.7 MHz (1:6)");
}

struct ModuleCase {
  const char* manufacturer;
  const char* size;
  const char* bandwidth;
  const char* date;
};

void ExpectModules(const ScanRecords& r, const std::vector<ModuleCase>& expected) {
  ASSERT_EQ(r.modules.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("slot " + std::to_string(i + 1));
    EXPECT_EQ(r.modules[i].manufacturer, expected[i].manufacturer);
    EXPECT_EQ(r.modules[i].size, expected[i].size);
    EXPECT_EQ(r.modules[i].bandwidth, expected[i].bandwidth);
    EXPECT_EQ(r.modules[i].manufacturingDate, expected[i].date);
    EXPECT_EQ(r.modules[i].price, "");
  }
}

TEST(WalkReport, FourSlotsCarryOverAndStopAtFour) {
  ExpectModules(WalkFixture("memory_four_slots.htm"),
                {{"Kingston ", "4096", "PC3-12800", "Week 46/Year 14"},
                 {"Kingston ", "8192", "PC3-10700", "Week 12/Year 15"},  // one-word maker: slot 1's kept
                 {"Samsung ", "8192", "PC3-8500H", "Week 01/Year 12"},  // one-word size: slot 2's kept
                 {"SK ", "1024", "PC3-6400", "Week 30/Year 11"}});       // slot 4 takes a one-word size
}

TEST(WalkReport, OneSlotWithOneWordMakerStaysEmpty) {
  ExpectModules(WalkFixture("memory_one_slot.htm"), {{"", "8192", "PC3-12800", "Week 18/Year 18"}});
}

TEST(WalkReport, SlotCountFollowsTheDates) {
  for (int slots = 0; slots <= 4; ++slots) {
    std::vector<std::string> lines = Titles(6);
    for (int s = 1; s <= slots; ++s) {
      const std::string n = std::to_string(s);
      lines.push_back(SubRow("Manufacturer (ID)", "Maker" + n + " (00)"));
      lines.push_back(SubRow("Size", n + "024 MBytes"));
      lines.push_back(SubRow("Max bandwidth", "PC" + n));
      lines.push_back(SubRow("Manufacturing date", "Week " + n));
    }
    const ScanRecords r = WalkLines(lines);
    ASSERT_EQ(r.modules.size(), static_cast<size_t>(slots));
    if (slots > 0) {
      EXPECT_EQ(r.modules.back().manufacturer, "Maker" + std::to_string(slots) + " ");
      EXPECT_EQ(r.modules.back().manufacturingDate, "Week " + std::to_string(slots));
    }
  }
}

TEST(WalkReport, SensorRows) {
  const ScanRecords r = WalkFixture("sensors.htm");
  EXPECT_EQ(r.system.caseTemperature, "28度") << U8(r.system.caseTemperature);
  EXPECT_EQ(r.system.cpuTemperature, "40度") << U8(r.system.cpuTemperature);
  EXPECT_EQ(r.system.boardTemperature, "33 degC [0x42] (AUXTIN)度") << U8(r.system.boardTemperature);  // no degree bytes: kept whole
  EXPECT_EQ(r.system.fanSpeed, "每分钟1054 转") << U8(r.system.fanSpeed);
  EXPECT_TRUE(r.modules.empty());
}

TEST(WalkReport, DmiRows) {
  const ScanRecords r = WalkFixture("dmi.htm");
  EXPECT_EQ(r.system.biosDate, "07/11/2013");
  EXPECT_EQ(r.system.manufacturer, "兼容机/组装机") << U8(r.system.manufacturer);
  EXPECT_EQ(r.system.model, "未知") << U8(r.system.model);
  EXPECT_EQ(r.board.vendor, "ASRock");
  EXPECT_EQ(r.board.model, "Z77 Pro3");
}

TEST(WalkReport, DisplayAdapterRows) {
  const ScanRecords r = WalkFixture("display.htm");
  EXPECT_EQ(r.graphics.name, "NVIDIA GeForce GTX 650 Ti");
  EXPECT_EQ(r.graphics.memory, "1024MB");
  EXPECT_EQ(r.graphics.vendorId, "10DE");
  EXPECT_EQ(r.graphics.modelId, "11C6");
}

TEST(WalkReport, SoftwareRowEndsTheWalk) {
  const ScanRecords r = WalkFixture("software.htm");
  EXPECT_EQ(r.system.osVersion, "Microsoft Windows 7 (6.1) Ultimate 64-bit Service Pack 1 (Build 7601)");
}

// Brings the walker to key index `key`: the title rows of the block jump at or below it, then a
// filler row for each key of that block before it.
std::vector<std::string> RowsTo(int key) {
  static const struct {
    int titles;
    int target;
  } kBlocks[] = {{0, 0}, {5, 7}, {6, 13}, {9, 29}, {10, 33}, {11, 38}, {12, 42}};
  // clang-format off
  static const char* const kKeyRows[] = {
      "Number of cores", "Number of threads", "Name", "Specification", "Package", "Technology",
      "Stock frequency", "Northbridge", "Southbridge", "Memory Type", "Memory Size", "Channels",
      "Memory Frequency", "Manufacturer", "Size", "Max bandwidth", "Manufacturing date", "Manufacturer",
      "Size", "Max bandwidth", "Manufacturing date", "Manufacturer", "Size", "Max bandwidth",
      "Manufacturing date", "Manufacturer", "Size", "Max bandwidth", "Manufacturing date", "SYSTIN",
      "CPUTIN", "AUXTIN", "CPUFANIN", "date", "manufacturer", "product", "vendor", "model", "Name",
      "Memory", "Vendor ID", "Model ID", "Windows Version"};
  // clang-format on
  int titles = 0, from = 0;
  for (const auto& block : kBlocks) {
    if (block.target <= key) titles = block.titles, from = block.target;
  }
  std::vector<std::string> rows = Titles(titles);
  for (int k = from; k < key; ++k) rows.push_back(SubRow(kKeyRows[k], "x y z"));
  return rows;
}

struct FieldCase {
  int key;  // where the walker stands
  const char* rowKey;
  const char* value;
  std::string (*field)(const ScanRecords&);
  const char* expected;
};

std::string Cores(const ScanRecords& r) { return r.cpu.cores; }
std::string Threads(const ScanRecords& r) { return r.cpu.threads; }
std::string Package(const ScanRecords& r) { return r.cpu.package; }
std::string Clock(const ScanRecords& r) { return r.cpu.clock; }
std::string MemorySize(const ScanRecords& r) { return r.memory.size; }
std::string CaseTemperature(const ScanRecords& r) { return r.system.caseTemperature; }
std::string Fan(const ScanRecords& r) { return r.system.fanSpeed; }
std::string Maker(const ScanRecords& r) { return r.system.manufacturer; }
std::string Model(const ScanRecords& r) { return r.system.model; }
std::string Vendor(const ScanRecords& r) { return r.board.vendor; }
std::string GraphicsMemory(const ScanRecords& r) { return r.graphics.memory; }
std::string VendorId(const ScanRecords& r) { return r.graphics.vendorId; }
std::string Os(const ScanRecords& r) { return r.system.osVersion; }

TEST(WalkReport, WordRulesAndValues) {
  // clang-format off
  const FieldCase kCases[] = {
      {0, "Number of cores", "6 (max 8)", Cores, "6"},
      {0, "Number of cores", "", Cores, ""},  // an empty value is one empty word
      {1, "Number of threads", "12", Threads, "12"},
      {4, "Package (platform ID)", "Socket 775 LGA", Package, "775 LGA"},
      {4, "Package", "Socket AM3 (938)", Package, "AM3 (938)"},
      {4, "Package", "Socket AM3", Package, "AM3"},  // two words: word 2 alone
      {4, "Package", "BGA", Package, ""},
      {6, "Stock frequency", "125 MHz", Clock, "0.13"},  // single-precision factor, double product
      {6, "Stock frequency", "2125 MHz", Clock, "2.13"},
      {6, "Stock frequency", "2933.3 MHz", Clock, "2.93"},
      {6, "Stock frequency", "3000 MHz", Clock, "3.00"},
      {6, "Stock frequency", "5 MHz", Clock, "0.01"},
      // An unknown clock stays empty instead of reading 0.00.
      {6, "Stock frequency", "4 MHz", Clock, ""},
      {6, "Stock frequency", "MHz", Clock, ""},
      {6, "Stock frequency", "", Clock, ""},
      {6, "Stock frequency", "-5 MHz", Clock, ""},
      {10, "Memory Size", "8 GBytes", MemorySize, "8"},
      {29, "SYSTIN", "31\xB0" "C (87\xB0" "F)", CaseTemperature, "31度"},
      {29, "SYSTIN", "31 degC", CaseTemperature, "31 degC度"},
      {32, "CPUFANIN", "1054 RPM", Fan, "每分钟1054 转"},
      {32, "CPUFANIN", "1054", Fan, "每分钟1054转"},
      {34, "manufacturer", "To be filled by O.E.M.", Maker, "兼容机/组装机"},
      {34, "manufacturer", "To Be Filled By O.E.M.", Maker, "兼容机/组装机"},
      {34, "manufacturer", "unknown", Maker, "未知"},
      {34, "manufacturer", "ASUSTeK Computer INC.", Maker, ""},
      {34, "manufacturer", "to be filled by o.e.m.", Maker, ""},
      {35, "product", "To be filled by O.E.M.", Model, "兼容机/组装机"},
      {35, "product", "OptiPlex 7010", Model, ""},
      {36, "vendor", "ASUSTeK Computer INC.", Vendor, "ASUSTeK"},
      {36, "vendor", "To Be Filled By O.E.M.", Vendor, ""},
      {36, "vendor", "unknown", Vendor, ""},
      {39, "Memory size", "1024 MB", GraphicsMemory, "1024MB"},
      {39, "Memory size", "1024", GraphicsMemory, ""},
      {40, "Vendor ID", "NVIDIA (0x10DE)", VendorId, "10DE"},
      {40, "Vendor ID", "0x10DE", VendorId, ""},
      {42, "Windows Version", "Windows 10", Os, "Windows 10"},
  };
  // clang-format on
  for (const FieldCase& c : kCases) {
    SCOPED_TRACE(std::string(c.rowKey) + " = " + c.value);
    std::vector<std::string> lines = RowsTo(c.key);
    lines.push_back(SubRow(c.rowKey, c.value));
    const std::string value = c.field(WalkLines(lines));
    EXPECT_EQ(value, c.expected) << U8(value);
  }
}

TEST(WalkReport, StandardVgaAdapterHasNoMemory) {
  std::vector<std::string> lines = RowsTo(38);
  lines.push_back(SubRow("Name", "标准 VGA 图形适配器"));
  lines.push_back(SubRow("Memory size", "256 MB"));
  lines.push_back(SubRow("Vendor ID", "x (0x1414)"));
  const ScanRecords r = WalkLines(lines);
  EXPECT_EQ(r.graphics.memory, "");
  EXPECT_EQ(r.graphics.vendorId, "1414");  // the Memory key was used up all the same
}

std::string Northbridge(const ScanRecords& r) { return r.board.northbridge; }
std::string FirstModuleMaker(const ScanRecords& r) {
  return r.modules.empty() ? "none" : r.modules[0].manufacturer;
}
std::string BiosDate(const ScanRecords& r) { return r.system.biosDate; }
std::string GraphicsName(const ScanRecords& r) { return r.graphics.name; }

struct JumpCase {
  int titles;
  std::vector<std::string> rows;
  std::string (*field)(const ScanRecords&);
  const char* expected;
};

TEST(WalkReport, TitleCountsJumpToTheirBlocks) {
  const std::vector<std::string> slot = {SubRow("Manufacturer", "v w"), SubRow("Size", "1 MB"),
                                         SubRow("Max bandwidth", "b"), SubRow("Manufacturing date", "d")};
  const JumpCase kCases[] = {
      {4, {SubRow("Number of cores", "v")}, Cores, "v"},
      {4, {SubRow("Northbridge", "v")}, Northbridge, ""},
      {5, {SubRow("Number of cores", "v"), SubRow("Northbridge", "v")}, Cores, ""},
      {5, {SubRow("Northbridge", "v")}, Northbridge, "v"},
      {5, slot, FirstModuleMaker, "none"},
      {6, slot, FirstModuleMaker, "v "},
      {8, slot, FirstModuleMaker, "v "},
      {9, slot, FirstModuleMaker, "none"},
      {9, {SubRow("SYSTIN", "v")}, CaseTemperature, "v度"},
      {10, {SubRow("SYSTIN", "v")}, CaseTemperature, ""},
      {10, {SubRow("date", "v")}, BiosDate, "v"},
      {11, {SubRow("date", "v")}, BiosDate, ""},
      {11, {SubRow("Name", "v")}, GraphicsName, "v"},
      {12, {SubRow("Name", "v")}, GraphicsName, ""},
      {12, {SubRow("Windows Version", "v")}, Os, "v"},
      {13, {SubRow("Windows Version", "v")}, Os, "v"},  // no jump after the twelfth title
  };
  for (const JumpCase& c : kCases) {
    SCOPED_TRACE(std::to_string(c.titles) + " titles, then " + c.rows[0]);
    std::vector<std::string> lines = Titles(c.titles);
    lines.insert(lines.end(), c.rows.begin(), c.rows.end());
    const std::string value = c.field(WalkLines(lines));
    EXPECT_EQ(value, c.expected) << U8(value);
  }
}

TEST(WalkReport, MissingPackageGivesUpTheRestOfTheProcessorBlock) {
  std::vector<std::string> lines = {SubRow("Number of cores", "4"), SubRow("Number of threads", "4"),
                                    SubRow("Name", "n"), SubRow("Specification", "s"),
                                    SubRow("Technology", "22 nm"), SubRow("Stock frequency", "3000 MHz")};
  for (const std::string& title : Titles(5)) lines.push_back(title);
  lines.push_back(DataRow("Northbridge", "nb"));
  const ScanRecords r = WalkLines(lines);
  EXPECT_EQ(r.cpu.specification, "s");
  EXPECT_EQ(r.cpu.package + r.cpu.technology + r.cpu.clock, "");
  EXPECT_EQ(r.board.northbridge, "nb");
}

TEST(WalkReport, NeverMovesBackwards) {
  std::vector<std::string> lines = Titles(10);  // at "date" (33); rows up to "Memory" (39) follow
  for (const char* key : {"date", "manufacturer", "product", "vendor", "model", "Name", "Memory"}) {
    lines.push_back(SubRow(key, "x y z"));
  }
  lines.push_back(TitleRow("Display Adapters"));  // the eleventh: its target 38 lies behind
  lines.push_back(SubRow("Name", "not taken"));
  lines.push_back(SubRow("Vendor ID", "v (0x10DE)"));
  const ScanRecords r = WalkLines(lines);
  EXPECT_EQ(r.graphics.name, "x y z");
  EXPECT_EQ(r.graphics.vendorId, "10DE");
}

TEST(WalkReport, OneKeyPerLineAndTitleRowsHoldKeysToo) {
  // A line that holds two keys serves the first only.
  ScanRecords r = WalkLines({SubRow("cores", "2"), SubRow("Number of threads", "4"),
                             SubRow("Name Specification", "both"), SubRow("Specification", "spec")});
  EXPECT_EQ(r.cpu.name, "both");
  EXPECT_EQ(r.cpu.specification, "spec");
  // The jump comes first, then the title row itself is tested against the new key.
  std::vector<std::string> lines = Titles(10);
  lines.push_back(TitleRow("Name"));
  r = WalkLines(lines);
  EXPECT_EQ(r.graphics.name, "&nbsp;");
}

}  // namespace
