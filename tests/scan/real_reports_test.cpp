// Real CPU-Z reports (versions 1.72 to 2.08) through the filter and the walker. Values checked by
// hand against each report; the empty fields follow from the rules and are recorded here.
#include "scan/report_reader.h"
#include "scan/report_walker.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

struct RealCase {
  const char* file;
  const char* cpuName;
  const char* cores;
  const char* package;
  const char* clock;
  const char* memorySize;
  size_t modules;
  const char* firstModuleMaker;
  const char* caseTemperature;
  const char* boardVendor;
  const char* biosDate;
  const char* graphicsName;
  const char* osVersion;
};

// Only the edited 1.72 report has the "Thread dumps" section. The others never end section 0, so
// "pc.htm" holds all of the report from "Processors" on; their PCI Devices title is then the tenth
// title row (jump to "date") and DMI the eleventh (jump to the display "Name"), so their DMI values
// and, but for the 1.72 tablet, their adapter name stay empty. The 1.72 tablet's adapter name is
// the first "Name" after the jump: its DMI baseboard model "Type2 - Board Product Name".
const RealCase kReports[] = {
    {"cpuz_1.72_EDITED-TEMPLATE_msi-z97-mpower_i5-4690K_rainmeter.htm", "Run CPU-Z Report", "999999",
     "CPU-Z Report", "10.00", "8", 2, "Kingston ", "28度", "XXXXXX", "DD/MM/YYYY", "AMD Radeon R9 200 Series",
     "Microsoft Windows 8.1 (6.3) 64-bit   (Build 9600) "},
    {"cpuz_1.72_chuwi-vi8_atom-z3735f.html", "Intel Atom Z3735F", "4", "1380 BGA", "1.33", "1988", 0, "", "",
     "", "", "Type2 - Board Product Name", "Microsoft Windows 8.1 (6.3) 32-bit   (Build 9600) "},
    {"cpuz_1.74_chuwi-hi8_atom-z3736f.html", "Intel Atom Z3736F", "4", "1380 BGA", "1.33", "1972", 0, "", "",
     "", "", "", "Microsoft Windows 10 (10.0) Home 32-bit   (Build 10240) "},
    {"cpuz_2.06.1_gigabyte-GA-970A-D3_phenomII-x4-955_am3_ddr3.html", "AMD Phenom II X4 955", "4",
     "AM3 (938)", "3.20", "4", 1, "SK ", "", "", "", "",
     "Microsoft Windows 10 (10.0) Enterprise Edition 64-bit   (Build 19041) "},
    {"cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html", "Intel Core i5 3570", "4", "1155 LGA", "3.40", "4",
     1, "SK ", "", "", "", "", "Microsoft Windows 10 (10.0) Enterprise Edition 64-bit   (Build 19041) "},
    {"cpuz_2.08.0_dell-latitude-e6530_i7-3520M_ddr3.html", "Intel Core i7 3520M", "2", "988B rPGA", "2.90",
     "16", 2, "Samsung ", "", "", "", "", "Microsoft Windows 10 (10.0) Home 64-bit   (Build 19045) "},
};

TEST(RealReports, FilterAndWalk) {
  for (const RealCase& c : kReports) {
    SCOPED_TRACE(c.file);
    TempDir dir;
    FilterReport(RealFixturePath(c.file), dir.File("pc.htm"));
    const std::string filtered = ReadFileBytes(dir.File("pc.htm"));
    EXPECT_EQ(filtered.substr(filtered.size() - 8), "</table>");
    EXPECT_EQ(filtered.find("<b>PCI Devices</b>") == std::string::npos,
              std::string(c.file).find("EDITED") != std::string::npos);
    ScanRecords r;
    WalkReport(dir.File("pc.htm"), r);
    EXPECT_EQ(r.cpu.name, c.cpuName);
    EXPECT_EQ(r.cpu.cores, c.cores);
    EXPECT_EQ(r.cpu.package, c.package);
    EXPECT_EQ(r.cpu.clock, c.clock);
    EXPECT_EQ(r.memory.size, c.memorySize);
    ASSERT_EQ(r.modules.size(), c.modules);
    if (c.modules > 0) {
      EXPECT_EQ(r.modules[0].manufacturer, c.firstModuleMaker);
    }
    EXPECT_EQ(r.system.caseTemperature, c.caseTemperature) << U8(r.system.caseTemperature);
    EXPECT_EQ(r.board.vendor, c.boardVendor);
    EXPECT_EQ(r.system.biosDate, c.biosDate);
    EXPECT_EQ(r.graphics.name, c.graphicsName);
    EXPECT_EQ(r.system.osVersion, c.osVersion);
    EXPECT_EQ(r.system.manufacturer + r.system.model, "");  // no placeholder values in these reports
  }
}

TEST(RealReports, EditedTemplateInDetail) {
  TempDir dir;
  FilterReport(RealFixturePath("cpuz_1.72_EDITED-TEMPLATE_msi-z97-mpower_i5-4690K_rainmeter.htm"),
               dir.File("pc.htm"));
  ScanRecords r;
  WalkReport(dir.File("pc.htm"), r);
  EXPECT_EQ(r.cpu.specification, "Intel(R) Core(TM) i5-4690K CPU @ 3.50GHz");
  EXPECT_EQ(r.cpu.threads, "4");
  EXPECT_EQ(r.memory.type, "DDR3");
  EXPECT_EQ(r.memory.channels, "Dual");
  EXPECT_EQ(r.memory.frequency, "1200.2 MHz (1:9)");
  ASSERT_EQ(r.modules.size(), 2u);
  EXPECT_EQ(r.modules[1].size, "4096");
  EXPECT_EQ(r.modules[1].bandwidth, "PC3-12800");
  EXPECT_EQ(r.modules[1].manufacturingDate, "Week 46/Year 14");
  EXPECT_EQ(r.system.cpuTemperature, "40度");
  EXPECT_EQ(r.system.boardTemperature + r.system.fanSpeed, "");  // no AUXTIN or CPUFANIN row
  EXPECT_EQ(r.board.model, "Run CPU-Z Report");
  EXPECT_EQ(r.graphics.memory, "4095MB");
  EXPECT_EQ(r.graphics.vendorId, "174B");  // the value is "0x1002 (0x174B)": the digits after "(0x"
  EXPECT_EQ(r.graphics.modelId, "E285");
}

}  // namespace
