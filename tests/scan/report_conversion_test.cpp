// Converting newer reports' rows and block titles into the layout the filter and walker read: each
// conversion on rows built here, what it leaves alone, and only looking.
#include "scan/report_conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "tests/scan/report_rows.h"
#include "tests/test_support.h"

namespace {

using Lines = std::vector<std::string>;

std::string ConvertedBytes(const std::string& bytes) {
  TempDir dir;
  WriteFileBytes(dir.File("report"), bytes);
  EXPECT_TRUE(ConvertRows(dir.File("report"), dir.File("converted")).written);
  return ReadFileBytes(dir.File("converted"));
}

std::string Converted(const Lines& lines) { return ConvertedBytes(JoinLines(lines)); }

struct Case {
  const char* what;
  Lines input;
  Lines output;
};

template <size_t N>
void CheckAll(const Case (&cases)[N]) {
  for (const Case& c : cases) EXPECT_EQ(U8(Converted(c.input)), U8(JoinLines(c.output))) << c.what;
}

// The chipset block with its size row, and the rows around it that keep the other rules quiet.
Lines Chipset(const std::string& size) {
  return {TitleRow("Chipset"), DataRow("Memory Size", size), DataRow("Channels", "Dual")};
}

TEST(ConvertRows, Sizes) {
  const Case kCases[] = {
      {"gigabytes", Chipset("4 GBytes"), Chipset("4096 MBytes")},
      {"sixteen", Chipset("16 GBytes"), Chipset("16384 MBytes")},
      {"a fraction, rounded", Chipset("7.9 GBytes"), Chipset("8090 MBytes")},
      {"the short unit", Chipset("4 GB"), Chipset("4096 MB")},
      {"megabytes already", Chipset("4096 MBytes"), Chipset("4096 MBytes")},
      {"more words", Chipset("4 GBytes (x)"), Chipset("4 GBytes (x)")},
      {"no number", Chipset("x GBytes"), Chipset("x GBytes")},
      {"two points", Chipset("1.2.3 GBytes"), Chipset("1.2.3 GBytes")},
      {"a point first", Chipset(".5 GBytes"), Chipset(".5 GBytes")},
      {"too long to be a size", Chipset("1234567890123 GBytes"), Chipset("1234567890123 GBytes")},
      {"the unit alone", Chipset("GBytes"), Chipset("GBytes")},
      {"another block", {TitleRow("DMI"), DataRow("Memory Size", "4 GBytes")},
       {TitleRow("DMI"), DataRow("Memory Size", "4 GBytes")}},
      {"a module", {TitleRow("Memory SPD"), SubRow("Size", "8 GBytes")}, {TitleRow("Memory SPD"), SubRow("Size", "8192 MBytes")}},
      {"video memory", {TitleRow("Display Adapters"), SubRow("Memory size", "8 GB")},
       {TitleRow("Display Adapters"), SubRow("Memory size", "8192 MB")}},
      {"video memory in megabytes", {TitleRow("Display Adapters"), SubRow("Memory size", "1025 MB")},
       {TitleRow("Display Adapters"), SubRow("Memory size", "1025 MB")}},
  };
  CheckAll(kCases);
}

TEST(ConvertRows, MakersAndDegrees) {
  const std::string hot = "35 degC (95 degF) [0x23] (SYSTIN)";
  const Case kCases[] = {
      {"renamed maker", {TitleRow("Memory SPD"), SubRow("Module Manufacturer(ID)", "SK Hynix (AD00000000)")},
       {TitleRow("Memory SPD"), SubRow("Module Manufacturer(ID)", "Hynix (AD00000000)")}},
      {"renamed maker alone", {TitleRow("Memory SPD"), SubRow("Manufacturer (ID)", "SK Hynix")},
       {TitleRow("Memory SPD"), SubRow("Manufacturer (ID)", "Hynix")}},
      {"a longer word", {TitleRow("Memory SPD"), SubRow("Manufacturer (ID)", "SK Hynixx (AD)")},
       {TitleRow("Memory SPD"), SubRow("Manufacturer (ID)", "SK Hynixx (AD)")}},
      {"another maker", {TitleRow("Memory SPD"), SubRow("Manufacturer (ID)", "Samsung (CE00)")},
       {TitleRow("Memory SPD"), SubRow("Manufacturer (ID)", "Samsung (CE00)")}},
      {"maker outside the modules", {TitleRow("DMI"), SubRow("manufacturer", "SK Hynix")},
       {TitleRow("DMI"), SubRow("manufacturer", "SK Hynix")}},
      {"degrees", {TitleRow("Hardware Monitors"), SubRow("Temperature 0", hot)},
       {TitleRow("Hardware Monitors"), SubRow("Temperature 0", "35 \xB0" "C (95 degF) [0x23] (SYSTIN)")}},
      {"degree sign already", {TitleRow("Hardware Monitors"), SubRow("Temperature 0", "40\xB0" "C (104\xB0" "F)")},
       {TitleRow("Hardware Monitors"), SubRow("Temperature 0", "40\xB0" "C (104\xB0" "F)")}},
      {"degrees elsewhere", {TitleRow("Processors Information"), SubRow("Temperature 0", hot)},
       {TitleRow("Processors Information"), SubRow("Temperature 0", hot)}},
  };
  CheckAll(kCases);
}

TEST(ConvertRows, MissingBlockTitles) {
  const std::string end = "</table></td></tr>";
  const Case kCases[] = {
      {"thread dumps", {TitleRow("Processors"), TitleRow("APICs"), TitleRow("Chipset")},
       {TitleRow("Processors"), TitleRow("APICs"), TitleRow("Thread dumps"), TitleRow("Chipset")}},
      {"thread dumps there", {TitleRow("Processors"), TitleRow("Thread dumps"), TitleRow("BIOS"), TitleRow("Chipset")},
       {TitleRow("Processors"), TitleRow("Thread dumps"), TitleRow("BIOS"), TitleRow("Chipset")}},
      {"no processors before", {TitleRow("APICs"), TitleRow("Chipset")}, {TitleRow("APICs"), TitleRow("Chipset")}},
      {"processors twice", {TitleRow("Processors"), TitleRow("Processors"), TitleRow("Chipset"), TitleRow("Chipset")},
       {TitleRow("Processors"), TitleRow("Processors"), TitleRow("Thread dumps"), TitleRow("Chipset"),
        TitleRow("Chipset")}},
      {"acpi at the table's end", {TitleRow("Software"), DataRow("Windows Version", "10"), end, "</body>"},
       {TitleRow("Software"), DataRow("Windows Version", "10"), TitleRow("ACPI"), end, "</body>"}},
      {"acpi before another block", {TitleRow("Software"), TitleRow("Register Spaces"), end},
       {TitleRow("Software"), TitleRow("ACPI"), TitleRow("Register Spaces"), end}},
      {"acpi at the file's end", {TitleRow("Software"), DataRow("Windows Version", "10")},
       {TitleRow("Software"), DataRow("Windows Version", "10"), TitleRow("ACPI")}},
      {"acpi there", {TitleRow("Software"), TitleRow("ACPI"), end}, {TitleRow("Software"), TitleRow("ACPI"), end}},
      {"no software", {TitleRow("Display Adapters"), end}, {TitleRow("Display Adapters"), end}},
      {"two before one title", {TitleRow("Processors"), TitleRow("Software"), TitleRow("Chipset")},
       {TitleRow("Processors"), TitleRow("Software"), TitleRow("ACPI"), TitleRow("Thread dumps"), TitleRow("Chipset")}},
  };
  CheckAll(kCases);
}

TEST(ConvertRows, RowsTheWalkerWaitsFor) {
  const std::string dimm = "DIMM #";
  const std::string date = "Manufacturing date";
  const Case kCases[] = {
      {"channels", {TitleRow("Chipset"), DataRow("Memory Size", "1988 MBytes"), DataRow("Memory Frequency", "666.7 MHz")},
       {TitleRow("Chipset"), DataRow("Memory Size", "1988 MBytes"), DataRow("Channels", ""),
        DataRow("Memory Frequency", "666.7 MHz")}},
      {"channels there", {TitleRow("Chipset"), DataRow("Memory Size", "1"), DataRow("Channels", "Dual"),
                          DataRow("Memory Frequency", "2")},
       {TitleRow("Chipset"), DataRow("Memory Size", "1"), DataRow("Channels", "Dual"), DataRow("Memory Frequency", "2")}},
      {"channels at the block's end", {TitleRow("Chipset"), DataRow("Memory Size", "1"), TitleRow("Memory SPD")},
       {TitleRow("Chipset"), DataRow("Memory Size", "1"), DataRow("Channels", ""), TitleRow("Memory SPD")}},
      {"no size before", {TitleRow("Chipset"), DataRow("Memory Frequency", "2")},
       {TitleRow("Chipset"), DataRow("Memory Frequency", "2")}},
      {"module dates",
       {TitleRow("Memory SPD"), DataRow(dimm, "1"), SubRow("Size", "8192 MBytes"), SubRow("Max bandwidth", "DDR4-2401"),
        SubRow("Part number", "CMK8"), DataRow(dimm, "2"), SubRow("Max bandwidth", "DDR4-2401"), TitleRow("Monitoring")},
       {TitleRow("Memory SPD"), DataRow(dimm, "1"), SubRow("Size", "8192 MBytes"), SubRow("Max bandwidth", "DDR4-2401"),
        SubRow("Part number", "CMK8"), SubRow(date, ""), DataRow(dimm, "2"), SubRow("Max bandwidth", "DDR4-2401"),
        SubRow(date, ""), TitleRow("Monitoring")}},
      {"module date at the file's end", {TitleRow("Memory SPD"), DataRow(dimm, "1"), SubRow("Max bandwidth", "PC3")},
       {TitleRow("Memory SPD"), DataRow(dimm, "1"), SubRow("Max bandwidth", "PC3"), SubRow(date, "")}},
      {"module dates there",
       {TitleRow("Memory SPD"), DataRow(dimm, "1"), SubRow("Max bandwidth", "PC3"), SubRow(date, "Week 12/Year 15"),
        DataRow(dimm, "2"), SubRow("Max bandwidth", "PC3"), SubRow(date, "Week 1/Year 16")},
       {TitleRow("Memory SPD"), DataRow(dimm, "1"), SubRow("Max bandwidth", "PC3"), SubRow(date, "Week 12/Year 15"),
        DataRow(dimm, "2"), SubRow("Max bandwidth", "PC3"), SubRow(date, "Week 1/Year 16")}},
      {"a register dump's group", {TitleRow("Memory SPD"), DataRow(dimm, "1"), DataRow("SPD registers", ""), TitleRow("LPCIO")},
       {TitleRow("Memory SPD"), DataRow(dimm, "1"), DataRow("SPD registers", ""), TitleRow("LPCIO")}},
      {"no modules", {TitleRow("Memory SPD"), TitleRow("Monitoring")}, {TitleRow("Memory SPD"), TitleRow("Monitoring")}},
  };
  CheckAll(kCases);
}

// A converted report converted again stays as it is: every real report, and rows out of order.
TEST(ConvertRows, ConvertingTwiceChangesNothingMore) {
  std::vector<std::string> reports;
  for (const auto& entry : std::filesystem::directory_iterator(RealFixturePath(""))) {
    if (entry.path().extension().string().rfind(".htm", 0) == 0) reports.push_back(ReadFileBytes(entry.path().string()));
  }
  reports.push_back(JoinLines({TitleRow("Software"), TitleRow("Processors"), TitleRow("Chipset"),
                               DataRow("Memory Size", "1 GB"), TitleRow("Memory SPD"), DataRow("DIMM #", "1"),
                               SubRow("Max bandwidth", "x"), "</table>", TitleRow("Software")}));
  ASSERT_GE(reports.size(), 7u);
  for (const std::string& report : reports) {
    const std::string once = ConvertedBytes(report);
    EXPECT_EQ(ConvertedBytes(once), once);
  }
}

TEST(ConvertRows, LinesThatAreNoRowsPassAsTheyAre) {
  const std::string longRow = DataRow("Memory Size", "4 GBytes" + std::string(3 << 20, ' '));
  const Lines lines = {TitleRow("Chipset"), "", "\r", "<b>Chipset</b> without its colour", longRow, "plain text",
                       DataRow("Channels", "x")};
  EXPECT_EQ(Converted(lines), JoinLines(lines));
}

// Only looking writes nothing and adds nothing: a block newer reports leave out stays missing.
TEST(ConvertRows, OnlyLooking) {
  TempDir dir;
  const Lines lines = {TitleRow("Processors"), TitleRow("Chipset"), DataRow("Memory Size", "4 GBytes")};
  WriteFileBytes(dir.File("report"), JoinLines(lines));
  const RowConversion looked = ConvertRows(dir.File("report"), "");
  EXPECT_FALSE(looked.written);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
  const RowConversion converted = ConvertRows(dir.File("report"), dir.File("converted"));
  EXPECT_TRUE(converted.written);
  auto has = [](const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
  };
  EXPECT_TRUE(has(looked.missingBlocks, "Thread dumps"));
  EXPECT_FALSE(has(converted.missingBlocks, "Thread dumps"));
  EXPECT_FALSE(has(looked.missingBlocks, "Chipset"));
  EXPECT_TRUE(has(looked.missingBlocks, "DMI Processor"));
}

TEST(ConvertRows, RowShapesAreTheReportsOwn) {
  EXPECT_EQ(ReportTitleRow("Chipset"), TitleRow("Chipset"));
  EXPECT_EQ(ReportRow(0, "Channels", "Dual"), DataRow("Channels", "Dual"));
  EXPECT_EQ(ReportRow(1, "Size", "4096 MBytes"), SubRow("Size", "4096 MBytes"));
  EXPECT_EQ(ReportRow(2, "Vendor ID", "0x10DE"),
            DataRow("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\t\tVendor ID", "0x10DE"));
}

}  // namespace
