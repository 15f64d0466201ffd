// The report writer on fixed results: the whole report byte for byte, the names it gives, and the
// program's own reader walking it into the records.
#include "report_tool/report_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "report_tool/device_names.h"
#include "report_tool/processor_names.h"
#include "scan/detail_page.h"
#include "scan/report_reader.h"
#include "scan/report_walker.h"
#include "tests/report_tool/sample_facts.h"
#include "tests/test_support.h"

namespace {

// Set HX_UPDATE_EXPECTED=1 to rewrite the expected report after an intended change (then check it).
TEST(ReportWriter, SampleMachineByteForByte) {
  const std::string report = WriteReport(SampleFacts());
  const std::string path = FixturePath("report_tool/sample_report.htm");
  if (std::getenv("HX_UPDATE_EXPECTED")) WriteFileBytes(path, report);
  EXPECT_EQ(U8(report), U8(ReadFileBytes(path)));
  EXPECT_EQ(report, ReadFileBytes(path));
}

TEST(ReportWriter, EmptyResultsStillHaveEveryBlockTitle) {
  const std::string report = WriteReport(ReportFacts());
  const char* kTitles[] = {"Processors", "APICs", "Timers", "Processors Information", "Thread dumps", "Chipset",
                           "Memory SPD", "Monitoring", "LPCIO", "Hardware Monitors", "PCI Devices", "DMI",
                           "Graphics", "Display Adapters", "Software", "ACPI"};
  size_t at = 0;
  for (const char* title : kTitles) {
    size_t found = report.find(std::string("<b>") + title + "</b>", at);
    ASSERT_NE(found, std::string::npos) << title;
    at = found;
  }
  for (const char* group : {"DMI BIOS", "DMI System Information", "DMI Baseboard", "DMI Processor"}) {
    EXPECT_NE(report.find(std::string(">") + group + "<"), std::string::npos) << group;
  }
  // Nothing the machine did not give: no vendor rows, no sizes, no sensor rows.
  EXPECT_EQ(report.find(">vendor<"), std::string::npos);
  EXPECT_EQ(report.find("MBytes"), std::string::npos);
  EXPECT_EQ(report.find("Hardware monitor<"), std::string::npos);
}

TEST(ReportWriter, ValuesCannotEndTheirRow) {
  ReportFacts f;
  f.osVersion = "A<b>&</font>";
  const std::string report = WriteReport(f);
  EXPECT_NE(report.find("A&lt;b&gt;&amp;&lt;/font&gt;</font>"), std::string::npos);
}

// The program's filter and walker on our report: every key lands in its field.
TEST(ReportWriter, TheProgramReadsEveryKey) {
  TempDir dir;
  WriteFileBytes(dir.File("~temp.htm"), WriteReport(SampleFacts()));
  FilterReport(dir.File("~temp.htm"), dir.File("pc.htm"));
  ScanRecords r;
  WalkReport(dir.File("pc.htm"), r);
  EXPECT_EQ(r.cpu.cores, "4");
  EXPECT_EQ(r.cpu.threads, "4");
  EXPECT_EQ(r.cpu.name, "Intel Core i5 2400");
  EXPECT_EQ(r.cpu.specification, "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz");
  EXPECT_EQ(r.cpu.package, "1155 LGA");
  EXPECT_EQ(r.cpu.technology, "32 nm");
  EXPECT_EQ(r.cpu.clock, "3.10");
  EXPECT_EQ(r.board.northbridge, "Intel Sandy Bridge rev. 09");
  EXPECT_EQ(r.board.southbridge, "Intel H61 rev. B3");
  EXPECT_EQ(r.memory.type, "DDR3");
  EXPECT_EQ(r.memory.size, "6144");
  EXPECT_EQ(r.memory.channels, "Dual");
  EXPECT_EQ(r.memory.frequency, "666.7 MHz");
  ASSERT_EQ(r.modules.size(), 2u);
  EXPECT_EQ(r.modules[0].manufacturer, "Kingston ");
  EXPECT_EQ(r.modules[0].size, "4096");
  EXPECT_EQ(r.modules[0].bandwidth, "PC3-10700");
  EXPECT_EQ(r.modules[1].manufacturer, "Kingston ");  // "Samsung" alone is one word: the slot keeps the last maker
  EXPECT_EQ(r.modules[1].size, "2048");
  EXPECT_EQ(r.system.caseTemperature, "28度");
  EXPECT_EQ(r.system.cpuTemperature, "40度");
  EXPECT_EQ(r.system.boardTemperature, "33度");
  EXPECT_EQ(r.system.fanSpeed, "每分钟1054 转");
  EXPECT_EQ(r.system.biosDate, "03/14/2012");
  EXPECT_EQ(r.system.manufacturer, "兼容机/组装机");
  EXPECT_EQ(r.system.model, "兼容机/组装机");
  EXPECT_EQ(r.board.vendor, "ASRock");
  EXPECT_EQ(r.board.model, "H61M-VS");
  EXPECT_EQ(r.graphics.name, "NVIDIA GeForce GTX 650 Ti");
  EXPECT_EQ(r.graphics.memory, "1024MB");
  EXPECT_EQ(r.graphics.vendorId, "1458");  // the board maker's id, as adapters have always been listed
  EXPECT_EQ(r.graphics.modelId, "3557");
  EXPECT_EQ(r.system.osVersion, "Microsoft Windows 7 旗舰版 (6.1) 64-bit (Build 7601)");
}

// The detailed page puts the program's header in place of ours and translates the rest.
TEST(ReportWriter, DetailPageFindsOurHeader) {
  TempDir dir;
  WriteFileBytes(dir.File("~temp.htm"), WriteReport(SampleFacts()));
  WriteFileBytes(dir.File("dic"), "Northbridge\n北桥\n");
  detailRows = "<tr><td>extra</td></tr>";
  ASSERT_TRUE(WriteDetailPage(dir.path()));
  const std::string page = ReadFileBytes(dir.File("view.htm"));
  EXPECT_NE(page.find("<title>沐杉 HTML report file</title>"), std::string::npos);
  EXPECT_NE(page.find("<p></p>"), std::string::npos);
  EXPECT_NE(page.find("target=blank>沐杉电脑助手软件</a>"), std::string::npos);
  EXPECT_NE(page.find("<b>电脑配件详细参数</b></small></td><td valign=\"center\"><small><small><font "
                      "color=\"#0000A0\">&nbsp;</font></small></small></td></tr><tr><td>extra</td></tr>\n"),
            std::string::npos);
  EXPECT_EQ(page.find("沐杉硬件报告"), std::string::npos) << U8(page.substr(0, 1500));
  EXPECT_NE(page.find(">北桥<"), std::string::npos);  // the dictionary step ran
}

TEST(HardwareNames, ShortProcessorNames) {
  constexpr const char* kIntel = "GenuineIntel";
  constexpr const char* kAmd = "AuthenticAMD";
  // clang-format off
  struct { const char* brand; const char* vendor; const char* name; } kCases[] = {
      {"Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz", kIntel, "Intel Core i5 2400"},
      {"Intel(R) Core(TM) i7-3520M CPU @ 2.90GHz", kIntel, "Intel Core i7 3520M"},
      {"12th Gen Intel(R) Core(TM) i5-12400F", kIntel, "Intel Core i5 12400F"},
      {"Intel(R) Core(TM)2 Duo CPU     E7500  @ 2.93GHz", kIntel, "Intel Core 2 Duo E7500"},
      {"Pentium(R) Dual-Core  CPU      E5400  @ 2.70GHz", kIntel, "Intel Pentium E5400"},
      {"Intel(R) Atom(TM) CPU  Z3735F @ 1.33GHz", kIntel, "Intel Atom Z3735F"},
      {"Intel(R) Pentium(R) CPU G2030 @ 3.00GHz", kIntel, "Intel Pentium G2030"},
      {"Intel(R) Celeron(R) CPU E3300 @ 2.50GHz", kIntel, "Intel Celeron E3300"},
      {"AMD Phenom(tm) II X4 955 Processor", kAmd, "AMD Phenom II X4 955"},
      {"AMD Athlon(tm) II X2 250 Processor", kAmd, "AMD Athlon II X2 250"},
      {"AMD Ryzen 5 3600 6-Core Processor", kAmd, "AMD Ryzen 5 3600"},
      {"AMD A10-7850K Radeon R7, 12 Compute Cores 4C+8G", kAmd, "AMD A10-7850K"},
      {"AMD A8-3870 APU with Radeon(tm) HD Graphics", kAmd, "AMD A8-3870"},
      {"AMD Ryzen 5 5600G with Radeon Graphics", kAmd, "AMD Ryzen 5 5600G"},
      {"", kIntel, ""},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(ShortProcessorName(c.brand, c.vendor), c.name) << c.brand;
}

TEST(HardwareNames, GenerationsSocketsAndClocks) {
  // clang-format off
  struct { const char* vendor; int family, model, stepping; const char* codename; const char* technology; } kCases[] = {
      {"GenuineIntel", 6, 0x2A, 7, "Sandy Bridge", "32 nm"}, {"GenuineIntel", 6, 0x3A, 9, "Ivy Bridge", "22 nm"},
      {"GenuineIntel", 6, 0x9E, 9, "Kaby Lake", "14 nm"},    {"GenuineIntel", 6, 0x9E, 10, "Coffee Lake", "14 nm"},
      {"AuthenticAMD", 0x10, 0x04, 2, "Deneb", "45 nm"},     {"AuthenticAMD", 0x17, 0x71, 0, "Matisse", "7 nm"},
      {"AuthenticAMD", 6, 0x2A, 7, "", ""},                  {"GenuineIntel", 6, 0x01, 1, "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuFacts cpu;
    cpu.vendor = c.vendor;
    cpu.family = c.family;
    cpu.model = c.model;
    cpu.stepping = c.stepping;
    ProcessorGeneration g = FindProcessorGeneration(cpu);
    EXPECT_STREQ(g.codename, c.codename) << c.model;
    EXPECT_STREQ(g.technology, c.technology) << c.model;
  }
  EXPECT_EQ(SocketName(0x24), "Socket 1155 LGA");
  EXPECT_EQ(SocketName(0x1B), "Socket AM3 (938)");
  EXPECT_EQ(SocketName(0x01), "");  // "other": no socket named
  EXPECT_EQ(BrandStockMhz("Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz"), 3100);
  EXPECT_EQ(BrandStockMhz("Intel(R) Celeron(R) M processor @ 900MHz"), 900);
  EXPECT_EQ(BrandStockMhz("AMD Ryzen 5 3600 6-Core Processor"), 0);
  EXPECT_EQ(BrandStockMhz("x @ GHz"), 0);
}

TEST(HardwareNames, MemoryNames) {
  // clang-format off
  struct { int type; unsigned speed; const char* bandwidth; } kCases[] = {
      {0x18, 1333, "PC3-10700 (667 MHz)"}, {0x18, 1600, "PC3-12800 (800 MHz)"}, {0x13, 800, "PC2-6400 (400 MHz)"},
      {0x13, 667, "PC2-5300 (333 MHz)"},   {0x12, 400, "PC3200 (200 MHz)"},     {0x1A, 2400, "PC4-19200 (1200 MHz)"},
      {0x18, 1066, "PC3-8500 (533 MHz)"},  {0x1A, 2666, "PC4-21300 (1333 MHz)"},
      {0x18, 0, ""},                       {0x02, 1333, ""},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(BandwidthName(c.type, c.speed), c.bandwidth) << c.type << " " << c.speed;
  EXPECT_EQ(MemoryTypeName(0x18), "DDR3");
  EXPECT_EQ(MemoryTypeName(0x00), "");
  EXPECT_EQ(FormFactorName(0x0D), "SO-DIMM");
}

TEST(HardwareNames, BridgesAndAdaptersFromTheIdTable) {
  EXPECT_EQ(ChipsetName(0x8086, 0x1C5C), "Intel H61");
  EXPECT_EQ(ChipsetName(0x8086, 0x1E47), "Intel Q77");
  EXPECT_EQ(ChipsetName(0x1002, 0x5A14), "AMD RD9x0/RX980");
  EXPECT_EQ(ChipsetName(0x1002, 0x439D), "AMD SB7x0/SB8x0/SB9x0");
  EXPECT_EQ(ChipsetName(0x10DE, 0xFFFF), "NVIDIA IDFFFF");  // a bridge the table does not know
  EXPECT_EQ(ChipsetName(0x1AF4, 0x1000), "");                // not a chipset vendor
  EXPECT_EQ(DisplayAdapterName(0x10DE, 0x11C6), "NVIDIA GeForce GTX 650 Ti");
  EXPECT_EQ(DisplayAdapterName(0x8086, 0xFFFF), "");
  EXPECT_EQ(PciDeviceName(0x8086, 0x0000), "");
}

}  // namespace
