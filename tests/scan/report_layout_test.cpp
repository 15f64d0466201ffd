// Recognising a report's layout from its header, and the report step that converts and filters it:
// the files it leaves, the text form replaced by its HTML form, the 1.61 layout read as it is.
#include "scan/report_layout.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scan/report_reader.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"
#include "tests/scan/report_rows.h"
#include "tests/test_support.h"

namespace {

const std::string kHtmlTitle = "<html><head><title>CPU-Z HTML report file</title></head><body bgcolor=FFFFFF>";

std::string HtmlHead(const std::string& title, const std::string& versionRow) {
  return JoinLines({"<html><head><title>" + title + "</title></head><body bgcolor=FFFFFF>",
                    "<font face=\"Verdana\" color=\"#000000\">", TitleRow("CPU-Z"), DataRow("&nbsp;", "&nbsp;"),
                    TitleRow("Binaries"), versionRow, TitleRow("Processors")});
}

std::string CpuzHead(const std::string& version) { return HtmlHead("CPU-Z HTML report file", DataRow("CPU-Z version", version)); }

std::string TextHead(const std::string& version) {
  return "CPU-Z TXT Report\r\n-----------------------\r\n\r\nBinaries\r\n-----------------------\r\n\r\n"
         "CPU-Z version\t\t\t" + version + "\r\n\r\nProcessors\r\n";
}

ReportLayout LayoutOf(const std::string& bytes) {
  TempDir dir;
  WriteFileBytes(dir.File("report"), bytes);
  return LayoutOfHeader(ReadReportHeader(dir.File("report")));
}

TEST(ReportLayout, RecognisedFromTitleAndVersion) {
  const struct {
    const char* what;
    std::string report;
    const char* title;
    const char* version;
    bool known;
    Conversion conversion;
  } kCases[] = {
      {"the rules' layout", CpuzHead("1.61.3"), "CPU-Z HTML report file", "1.61.3", true, Conversion::kNone},
      {"another 1.61", CpuzHead("1.61.0"), "CPU-Z HTML report file", "1.61.0", true, Conversion::kNone},
      {"oldest newer", CpuzHead("1.72.0"), "CPU-Z HTML report file", "1.72.0", true, Conversion::kNewerHtml},
      {"32-bit build", CpuzHead("1.74.0.x32"), "CPU-Z HTML report file", "1.74.0.x32", true, Conversion::kNewerHtml},
      {"newest seen", CpuzHead("2.08.0.x64"), "CPU-Z HTML report file", "2.08.0.x64", true, Conversion::kNewerHtml},
      {"between 1.61 and 1.72", CpuzHead("1.66.1"), "CPU-Z HTML report file", "1.66.1", false, Conversion::kNewerHtml},
      {"after 2.08", CpuzHead("2.09.0.x64"), "CPU-Z HTML report file", "2.09.0.x64", false, Conversion::kNewerHtml},
      {"before 1.61", CpuzHead("1.53.1"), "CPU-Z HTML report file", "1.53.1", false, Conversion::kNewerHtml},
      {"no number", CpuzHead("beta"), "CPU-Z HTML report file", "beta", false, Conversion::kNewerHtml},
      {"no minor", CpuzHead("2"), "CPU-Z HTML report file", "2", false, Conversion::kNewerHtml},
      {"no version row", HtmlHead("CPU-Z HTML report file", DataRow("&nbsp;", "&nbsp;")), "CPU-Z HTML report file", "",
       false, Conversion::kNewerHtml},
      {"our report tool", HtmlHead("沐杉硬件报告 HTML report file", DataRow("沐杉硬件报告 version", "1.0.0")),
       "沐杉硬件报告 HTML report file", "1.0.0", true, Conversion::kNone},
      {"our tool, a later version", HtmlHead("沐杉硬件报告 HTML report file", DataRow("沐杉硬件报告 version", "1.1.0")),
       "沐杉硬件报告 HTML report file", "1.1.0", false, Conversion::kNone},
      {"another tool", HtmlHead("HWiNFO report", DataRow("HWiNFO version", "7.0")), "HWiNFO report", "7.0", false,
       Conversion::kNone},
      {"text form", TextHead("1.95.0.x64"), "CPU-Z TXT Report", "1.95.0.x64", true, Conversion::kText},
      {"text form, old", TextHead("1.53.1"), "CPU-Z TXT Report", "1.53.1", false, Conversion::kText},
      {"text title not first", "# a note\n" + TextHead("1.95.0"), "", "", false, Conversion::kNone},
      {"empty", "", "", "", false, Conversion::kNone},
      {"version row far down", kHtmlTitle + "\n" + std::string(60, '\n') + DataRow("CPU-Z version", "2.06.1"),
       "CPU-Z HTML report file", "", false, Conversion::kNewerHtml},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const ReportLayout layout = LayoutOf(c.report);
    EXPECT_EQ(U8(layout.header.title), U8(c.title));
    EXPECT_EQ(layout.header.version, c.version);
    EXPECT_EQ(layout.knownHeader, c.known);
    EXPECT_EQ(static_cast<int>(layout.conversion), static_cast<int>(c.conversion));
  }
}

// The header of every real report, as its first lines state it.
TEST(ReportLayout, RealReportHeaders) {
  const struct {
    const char* file;
    const char* title;
    const char* version;
    bool known;
  } kCases[] = {
      {"cpuz_1.72_EDITED-TEMPLATE_msi-z97-mpower_i5-4690K_rainmeter.htm", "CPU-Z HTML report file", "1.72.0", true},
      {"cpuz_1.72_chuwi-vi8_atom-z3735f.html", "CPU-Z HTML report file", "1.72.0.x32", true},
      {"cpuz_1.72_chuwi-vi8_atom-z3735f.txt", "CPU-Z TXT Report", "1.72.0.x32", true},
      {"cpuz_1.74_chuwi-hi8_atom-z3736f.html", "CPU-Z HTML report file", "1.74.0.x32", true},
      {"cpuz_1.74_chuwi-hi8_atom-z3736f.txt", "CPU-Z TXT Report", "1.74.0.x32", true},
      {"cpuz_1.95_txt_z370_i5-8400.txt", "CPU-Z TXT Report", "1.95.0.x64", true},
      {"cpuz_2.06.1_gigabyte-GA-970A-D3_phenomII-x4-955_am3_ddr3.html", "CPU-Z HTML report file", "2.06.1.x64", true},
      {"cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html", "CPU-Z HTML report file", "2.06.1.x64", true},
      {"cpuz_2.08.0_dell-latitude-e6530_i7-3520M_ddr3.html", "CPU-Z HTML report file", "2.08.0.x64", true},
      // a transcript that opens with the transcriber's notes: no report header
      {"cpuz_1.53.1_EXCERPT_txt_xfx-MI-A78U-8309_athlon64x2-5600_am2_ddr2.txt", "", "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.file);
    const ReportLayout layout = LayoutOfHeader(ReadReportHeader(RealFixturePath(c.file)));
    EXPECT_EQ(layout.header.title, c.title);
    EXPECT_EQ(layout.header.version, c.version);
    EXPECT_EQ(layout.knownHeader, c.known);
  }
}

// The report step in a program folder: which file the filter read, what is left behind.
TEST(ConvertAndFilterReport, FilesOfTheStep) {
  const struct {
    const char* what;
    std::string report;
    bool recognised;
    bool reportKept;  // "~temp.htm" byte for byte as the tool wrote it
  } kCases[] = {
      {"1.61 layout", ReadFileBytes(FixturePath("machines/lga775-g41-ddr2/report.htm")), true, true},
      {"our report tool", ReadFileBytes(FixturePath("report_tool/sample_report.htm")), true, true},
      {"newer HTML", ReadFileBytes(RealFixturePath("cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html")), true,
       true},
      {"text form", ReadFileBytes(RealFixturePath("cpuz_1.95_txt_z370_i5-8400.txt")), true, false},
      {"not a report", "plain text\n", false, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteFileBytes(dir.File("~temp.htm"), c.report);
    const ReportLayout layout = ConvertAndFilterReport(dir.path());
    EXPECT_EQ(layout.recognised(), c.recognised);
    EXPECT_EQ(ReadFileBytes(dir.File("~temp.htm")) == c.report, c.reportKept);
    EXPECT_FALSE(std::filesystem::exists(dir.File(kConvertedReportFile)));
    const std::string filtered = ReadFileBytes(dir.File("pc.htm"));
    EXPECT_EQ(filtered.substr(filtered.size() - 8), "</table>");
    if (c.recognised) {  // the filter went through all six sections
      EXPECT_NE(filtered.find("Windows Version"), std::string::npos);
      EXPECT_EQ(filtered.find("<b>ACPI</b>"), std::string::npos);
      EXPECT_EQ(filtered.find("</body>"), std::string::npos);
    }
  }
}

// A report in the rules' layout is filtered exactly as the filter alone filters it.
TEST(ConvertAndFilterReport, RulesLayoutFilteredAsItIs) {
  for (const char* machine : {"lga775-g41-ddr2", "am3-880g-ddr3", "fm1-unknown-board"}) {
    SCOPED_TRACE(machine);
    TempDir dir;
    const std::string report = FixturePath(std::string("machines/") + machine + "/report.htm");
    FilterReport(report, dir.File("alone.htm"));
    WriteFileBytes(dir.File("~temp.htm"), ReadFileBytes(report));
    EXPECT_TRUE(ConvertAndFilterReport(dir.path()).recognised());
    EXPECT_EQ(ReadFileBytes(dir.File("pc.htm")), ReadFileBytes(dir.File("alone.htm")));
  }
}

TEST(ConvertAndFilterReport, MissingReport) {
  TempDir dir;
  const ReportLayout layout = ConvertAndFilterReport(dir.path());
  EXPECT_FALSE(layout.recognised());
  EXPECT_EQ(layout.header.title, "");
  EXPECT_EQ(layout.missingBlocks.size(), 16u);  // every block, and the DMI processor row
  EXPECT_EQ(ReadFileBytes(dir.File("pc.htm")),
            "</br><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">\n"
            "</table>");
}

// A known header whose report lacks a block the reading needs is not recognised, and says which.
TEST(ConvertAndFilterReport, MissingBlocksAreNamed) {
  const std::string oldLayout = FixturePath("machines/lga775-g41-ddr2/report.htm");
  const std::string newer = RealFixturePath("cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html");
  const struct {
    std::string report;
    const char* cut;
    std::vector<std::string> missing;
  } kCases[] = {
      {oldLayout, "<b>Timers</b>", {"Timers"}},
      {oldLayout, "<b>Thread dumps</b>", {"Thread dumps"}},  // the rules' layout is read as it is
      {newer, "<b>LPCIO</b>", {"LPCIO"}},
      {newer, "<b>Chipset</b>", {"Thread dumps", "Chipset"}},  // the title it is added before is gone too
      {newer, ">DMI Processor<", {"DMI Processor"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.cut);
    TempDir dir;
    std::string report = ReadFileBytes(c.report);
    ReplaceAll(report, c.cut, ">Other<");
    WriteFileBytes(dir.File("~temp.htm"), report);
    const ReportLayout layout = ConvertAndFilterReport(dir.path());
    EXPECT_TRUE(layout.knownHeader);
    EXPECT_FALSE(layout.recognised());
    EXPECT_EQ(layout.missingBlocks, c.missing);
  }
}

TEST(DetailVersionOf, TheReportsVersionOnlyForKnownNewerLayouts) {
  const struct {
    std::string report;
    const char* version;
  } kCases[] = {
      {CpuzHead("1.61.3"), "1.61.3"},         {CpuzHead("1.61.0"), "1.61.3"},
      {CpuzHead("2.06.1.x64"), "2.06.1.x64"}, {CpuzHead("2.09.0"), "1.61.3"},
      {TextHead("1.95.0.x64"), "1.95.0.x64"}, {"", "1.61.3"},
  };
  for (const auto& c : kCases) {
    TempDir dir;
    WriteFileBytes(dir.File("report"), c.report);
    EXPECT_EQ(DetailVersionOf(dir.File("report")), c.version);
  }
}

}  // namespace
