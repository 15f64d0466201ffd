// The text form of a report written out as the HTML report: the head and tail, titles, rows and
// their indents, escapes, blank rows, long lines; and the real text reports against their HTML twins.
#include "scan/text_report.h"

#include <gtest/gtest.h>

#include "scan/report_layout.h"
#include "scan/report_reader.h"
#include "scan/report_walker.h"
#include "tests/scan/report_rows.h"
#include "tests/test_support.h"

namespace {

const std::string kHead =
    "<html><head><title>CPU-Z HTML report file</title></head><body bgcolor=FFFFFF>\n"
    "<font face=\"Verdana\" color=\"#000000\">\n"
    "<table border=0 width=\"100%\" cellspacing=\"0\" cellpadding=\"5\">\n"
    "<tr align=\"left\">\n"
    "<td>\n"
    "<p><a href=\"http://www.cpuid.com\" target=blank><img src=\"http://www.cpuid.com/medias/images/en/header-logo.jpg\" "
    "border=\"0\" width=\"180\" height=\"66\"></a></p>\n"
    "</td>\n"
    "</tr>\n"
    "<tr><td><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">\n";
const std::string kTail = "</table></td></tr>\n</font></body></html>\n";
const std::string kDashes(73, '-');

std::string HtmlForm(const std::string& text) {
  TempDir dir;
  WriteFileBytes(dir.File("report.txt"), text);
  EXPECT_TRUE(WriteHtmlForm(dir.File("report.txt"), dir.File("report.htm")));
  return ReadFileBytes(dir.File("report.htm"));
}

// The rows between the head and the tail.
std::string Rows(const std::string& text) {
  const std::string html = HtmlForm(text);
  if (html.size() < kHead.size() + kTail.size()) return "head or tail missing: " + html;
  return html.substr(kHead.size(), html.size() - kHead.size() - kTail.size());
}

TEST(WriteHtmlForm, HeadRowsAndTail) {
  const std::string text = "CPU-Z TXT Report\r\n" + kDashes + "\r\n\r\nBinaries\r\n" + kDashes +
                           "\r\n\r\nCPU-Z version\t\t\t1.95.0.x64\r\n\r\n";
  EXPECT_EQ(HtmlForm(text), kHead + JoinLines({TitleRow("CPU-Z"), TitleRow("Binaries"),
                                               DataRow("CPU-Z version", "1.95.0.x64"), DataRow("&nbsp;", "&nbsp;")}) +
                                kTail);
  EXPECT_EQ(HtmlForm(""), kHead + kTail);
}

TEST(WriteHtmlForm, LinesAsRows) {
  const std::string level2 = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\t\t";
  const struct {
    const char* what;
    std::string text;
    std::vector<std::string> rows;
  } kCases[] = {
      {"key and value", "Northbridge\t\t\tIntel Z370 rev. 00\n", {DataRow("Northbridge", "Intel Z370 rev. 00")}},
      {"a sub-row", "\tName\t\t\tIntel Core i5 8400\n", {SubRow("Name", "Intel Core i5 8400")}},
      {"two levels", "\t\t-- Thread 0\t0\n", {DataRow(level2 + "-- Thread 0", "0")}},
      {"a key alone", "Socket 0\t\n", {DataRow("Socket 0", "")}},
      {"no tab at all", "JEDEC timings table\n", {DataRow("JEDEC timings table", "")}},
      {"blanks stay in key and value", "Package \t\tSocket AM2 (940) \n", {DataRow("Package ", "Socket AM2 (940) ")}},
      {"tabs inside the value", "\t0x1\t\t0x2\t0x3\n", {SubRow("0x1", "0x2\t0x3")}},
      {"markup escaped", "a<b>\tx < y > z & w\n", {DataRow("a&lt;b&gt;", "x &lt; y &gt; z & w")}},
      {"carriage return dropped", "Channels\tDual\r\n", {DataRow("Channels", "Dual")}},
      {"an empty line", "a\tb\n\nc\td\n", {DataRow("a", "b"), DataRow("&nbsp;", "&nbsp;"), DataRow("c", "d")}},
      {"a title", "Chipset\n" + kDashes + "\n\n\nNorthbridge\tx\n", {TitleRow("Chipset"), DataRow("Northbridge", "x")}},
      {"the report's own title", "CPU-Z TXT Report\n----------\n", {TitleRow("CPU-Z")}},
      {"a short rule is a row", "Chipset\n---------\n", {DataRow("Chipset", ""), DataRow("---------", "")}},
      {"a rule under nothing", "\n" + kDashes + "\n", {DataRow("&nbsp;", "&nbsp;"), DataRow(kDashes, "")}},
      {"a title escaped", "A<B\n" + kDashes + "\n", {TitleRow("A&lt;B")}},
      {"a last line without its end", "Memory Type\tDDR4", {DataRow("Memory Type", "DDR4")}},
  };
  for (const auto& c : kCases) EXPECT_EQ(Rows(c.text), JoinLines(c.rows)) << c.what;
}

TEST(WriteHtmlForm, LongLineIsOneRow) {
  const std::string line(3 << 20, 'x');
  EXPECT_EQ(Rows("a\tb\n" + line + "<\nc\td\n"),
            JoinLines({DataRow("a", "b"), DataRow("", line + "&lt;"), DataRow("c", "d")}));
}

TEST(WriteHtmlForm, UnwritableTarget) {
  TempDir dir;
  WriteFileBytes(dir.File("report.txt"), "a\tb\n");
  EXPECT_FALSE(WriteHtmlForm(dir.File("report.txt"), dir.File("missing/report.htm")));
}

// A report saved in both forms on one machine gives the same records from either.
TEST(WriteHtmlForm, TextAndHtmlTwinsGiveTheSameRecords) {
  for (const char* twin : {"cpuz_1.72_chuwi-vi8_atom-z3735f", "cpuz_1.74_chuwi-hi8_atom-z3736f"}) {
    SCOPED_TRACE(twin);
    ScanRecords records[2];
    const char* forms[] = {".html", ".txt"};
    for (int i = 0; i < 2; ++i) {
      TempDir dir;
      WriteFileBytes(dir.File("~temp.htm"), ReadFileBytes(RealFixturePath(std::string(twin) + forms[i])));
      EXPECT_TRUE(ConvertAndFilterReport(dir.path()).recognised());
      WalkReport(dir.File("pc.htm"), records[i]);
    }
    EXPECT_EQ(records[0].cpu.name + records[0].cpu.package, records[1].cpu.name + records[1].cpu.package);
    EXPECT_EQ(records[0].board.vendor + records[0].board.model, records[1].board.vendor + records[1].board.model);
    EXPECT_EQ(records[0].memory.size + records[0].memory.frequency, records[1].memory.size + records[1].memory.frequency);
    EXPECT_EQ(records[0].graphics.name + records[0].graphics.memory, records[1].graphics.name + records[1].graphics.memory);
    EXPECT_EQ(records[0].system.biosDate + records[0].system.osVersion, records[1].system.biosDate + records[1].system.osVersion);
  }
}

}  // namespace
