// Real CPU-Z reports (versions 1.72 to 2.08) through the filter and the walker, as they are and
// after the report step has converted them. Values checked by hand against each report; the empty
// fields follow from the rules and are recorded here.
#include "scan/report_reader.h"
#include "scan/report_walker.h"

#include <gtest/gtest.h>

#include "scan/report_layout.h"

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

// Read as they are: only the edited 1.72 report has the "Thread dumps" section. The others never end section 0, so
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

namespace {

// Every real report through the report step (its layout recognised, converted where needed, then
// filtered) and the walker: the values as each report states them, checked by hand against it.
struct ConvertedCase {
  const char* file;
  const char* cpu[7];     // name, cores, threads, package, clock, technology, specification's first word
  const char* bridges[2];
  const char* memory[4];  // type, size (MB), channels, frequency
  size_t modules;
  const char* module[3];  // first module: maker, size, bandwidth
  const char* board[2];   // vendor, model
  const char* system[2];  // BIOS date, manufacturer (placeholders only)
  const char* graphics[2];
  const char* os;
};

const ConvertedCase kConverted[] = {
    {"cpuz_1.72_EDITED-TEMPLATE_msi-z97-mpower_i5-4690K_rainmeter.htm",
     {"Run CPU-Z Report", "999999", "4", "CPU-Z Report", "10.00", "9999", "Intel(R)"},
     {"Run CPU-Z Report", "Run CPU-Z Report"}, {"DDR3", "8192", "Dual", "1200.2 MHz (1:9)"},
     2, {"Kingston ", "4096", "PC3-12800"}, {"XXXXXX", "Run CPU-Z Report"}, {"DD/MM/YYYY", ""},
     {"AMD Radeon R9 200 Series", "4095MB"}, "Microsoft Windows 8.1 (6.3) 64-bit   (Build 9600) "},
    {"cpuz_1.72_chuwi-vi8_atom-z3735f.html",
     {"Intel Atom Z3735F", "4", "4", "1380 BGA", "1.33", "22 nm", "Intel(R)"},
     {"Intel Bay Trail Host Bridge rev. 0F", "Intel Bay Trail LPC Bridge rev. 0F"},
     {"DDR3", "1988", "", "666.7 MHz (1:8)"}, 0, {"", "", ""}, {"Type2", "Type2 - Board Product Name"},
     {"03/19/2015", ""}, {"Intel(R) HD Graphics", "1025MB"}, "Microsoft Windows 8.1 (6.3) 32-bit   (Build 9600) "},
    {"cpuz_1.72_chuwi-vi8_atom-z3735f.txt",
     {"Intel Atom Z3735F", "4", "4", "1380 BGA", "1.33", "22 nm", "Intel(R)"},
     {"Intel Bay Trail Host Bridge rev. 0F", "Intel Bay Trail LPC Bridge rev. 0F"},
     {"DDR3", "1988", "", "666.7 MHz (1:8)"}, 0, {"", "", ""}, {"Type2", "Type2 - Board Product Name"},
     {"03/19/2015", ""}, {"Intel(R) HD Graphics", "1025MB"}, "Microsoft Windows 8.1 (6.3) 32-bit   (Build 9600) "},
    {"cpuz_1.74_chuwi-hi8_atom-z3736f.html",
     {"Intel Atom Z3736F", "4", "4", "1380 BGA", "1.33", "22 nm", "Intel(R)"},
     {"Intel Bay Trail Host Bridge rev. 0F", "Intel Bay Trail LPC Bridge rev. 0F"},
     {"DDR3", "1972", "", "666.4 MHz (1:8)"}, 0, {"", "", ""}, {"Hampoo", "BYT-PA03C"}, {"10/29/2014", ""},
     {"Intel(R) HD Graphics", "1017MB"}, "Microsoft Windows 10 (10.0) Home 32-bit   (Build 10240) "},
    {"cpuz_1.74_chuwi-hi8_atom-z3736f.txt",
     {"Intel Atom Z3736F", "4", "4", "1380 BGA", "1.33", "22 nm", "Intel(R)"},
     {"Intel Bay Trail Host Bridge rev. 0F", "Intel Bay Trail LPC Bridge rev. 0F"},
     {"DDR3", "1972", "", "666.4 MHz (1:8)"}, 0, {"", "", ""}, {"Hampoo", "BYT-PA03C"}, {"10/29/2014", ""},
     {"Intel(R) HD Graphics", "1017MB"}, "Microsoft Windows 10 (10.0) Home 32-bit   (Build 10240) "},
    {"cpuz_1.95_txt_z370_i5-8400.txt",
     {"Intel Core i5 8400", "6", "6", "1151 LGA", "2.80", "14 nm", "Intel(R)"},
     {"Intel Coffee Lake rev. 07", "Intel Z370 rev. 00"}, {"DDR4", "16384", "Dual", "1229.9 MHz (1:18)"},
     2, {"Corsair ", "8192", "DDR4-2401"}, {"ASUSTeK", "TUF Z370-PLUS GAMING"}, {"01/13/2021", ""},
     {"Radeon RX 580 Series", "8192MB"}, "Microsoft Windows 10 (10.0) Professional 64-bit   (Build 19042) "},
    {"cpuz_2.06.1_gigabyte-GA-970A-D3_phenomII-x4-955_am3_ddr3.html",
     {"AMD Phenom II X4 955", "4", "4", "AM3 (938)", "3.20", "45 nm", "AMD"},
     {"AMD RD9x0 rev. 02", "AMD SB910/950 rev. 40"}, {"DDR3", "4096", "Single", "805.3 MHz (1:4)"},
     1, {"Hynix ", "4096", "PC3-12800"}, {"Gigabyte", "GA-970A-D3"}, {"12/16/2013", ""},
     {"NVIDIA GeForce GTX 650 Ti", ""}, "Microsoft Windows 10 (10.0) Enterprise Edition 64-bit   (Build 19041) "},
    // The DQ77MK's and the Latitude's display adapters have no name row: the graphics name stays empty.
    {"cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html",
     {"Intel Core i5 3570", "4", "4", "1155 LGA", "3.40", "22 nm", "Intel(R)"},
     {"Intel Ivy Bridge rev. 09", "Intel Q77 rev. 04"}, {"DDR3", "4096", "Single", "798.7 MHz (1:6)"},
     1, {"Hynix ", "4096", "PC3-12800"}, {"Intel", "DQ77MK"}, {"11/20/2012", "未知"}, {"", ""},
     "Microsoft Windows 10 (10.0) Enterprise Edition 64-bit   (Build 19041) "},
    {"cpuz_2.08.0_dell-latitude-e6530_i7-3520M_ddr3.html",
     {"Intel Core i7 3520M", "2", "4", "988B rPGA", "2.90", "22 nm", "Intel(R)"},
     {"Intel Ivy Bridge rev. 09", "Intel QM77 rev. 04"}, {"DDR3", "16384", "Dual", "797.8 MHz (1:6)"},
     2, {"Samsung ", "8192", "PC3-12800"}, {"Dell", "07Y85M"}, {"11/30/2018", ""}, {"", ""},
     "Microsoft Windows 10 (10.0) Home 64-bit   (Build 19045) "},
};

std::string FirstWord(const std::string& text) { return text.substr(0, text.find(' ')); }

TEST(RealReports, ConvertedFilteredAndWalked) {
  for (const ConvertedCase& c : kConverted) {
    SCOPED_TRACE(c.file);
    TempDir dir;
    WriteFileBytes(dir.File("~temp.htm"), ReadFileBytes(RealFixturePath(c.file)));
    const ReportLayout layout = ConvertAndFilterReport(dir.path());
    EXPECT_TRUE(layout.recognised());
    ScanRecords r;
    WalkReport(dir.File("pc.htm"), r);
    const std::string cpu[] = {r.cpu.name,  r.cpu.cores,      r.cpu.threads,
                               r.cpu.package, r.cpu.clock, r.cpu.technology, FirstWord(r.cpu.specification)};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(cpu[i], c.cpu[i]) << i;
    EXPECT_EQ(r.board.northbridge, c.bridges[0]);
    EXPECT_EQ(r.board.southbridge, c.bridges[1]);
    const std::string memory[] = {r.memory.type, r.memory.size, r.memory.channels, r.memory.frequency};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(memory[i], c.memory[i]) << i;
    ASSERT_EQ(r.modules.size(), c.modules);
    if (c.modules > 0) {
      EXPECT_EQ(r.modules[0].manufacturer, c.module[0]);
      EXPECT_EQ(r.modules[0].size, c.module[1]);
      EXPECT_EQ(r.modules[0].bandwidth, c.module[2]);
    }
    EXPECT_EQ(r.board.vendor, c.board[0]);
    EXPECT_EQ(r.board.model, c.board[1]);
    EXPECT_EQ(r.system.biosDate, c.system[0]);
    EXPECT_EQ(U8(r.system.manufacturer), U8(c.system[1]));
    EXPECT_EQ(r.graphics.name, c.graphics[0]);
    EXPECT_EQ(r.graphics.memory, c.graphics[1]);
    EXPECT_EQ(r.system.osVersion, c.os);
  }
}

// The transcript that opens with its transcriber's notes is not placed: read by the rules as it is,
// it gives nothing, and nothing is made up.
TEST(RealReports, TranscriptWithNotesIsNotPlaced) {
  TempDir dir;
  const std::string file = "cpuz_1.53.1_EXCERPT_txt_xfx-MI-A78U-8309_athlon64x2-5600_am2_ddr2.txt";
  WriteFileBytes(dir.File("~temp.htm"), ReadFileBytes(RealFixturePath(file)));
  const ReportLayout layout = ConvertAndFilterReport(dir.path());
  EXPECT_FALSE(layout.recognised());
  EXPECT_FALSE(layout.knownHeader);
  EXPECT_EQ(ReadFileBytes(dir.File("~temp.htm")), ReadFileBytes(RealFixturePath(file)));
  ScanRecords r;
  WalkReport(dir.File("pc.htm"), r);
  EXPECT_EQ(r.cpu.name + r.board.northbridge + r.memory.type + r.graphics.name + r.system.osVersion, "");
}

}  // namespace
