// The section filter: each section's start and end rule, the short sub-row skip, bad and long input;
// and starting the report tool.
#include "scan/report_reader.h"
#include "scan/report_walker.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "platform/notice.h"
#include "scan/report_layout.h"
#include "scan/summary_report.h"
#include "tests/scan/report_rows.h"
#include "tests/test_support.h"

namespace {

const std::string kOpening =
    "</br><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">\n";

std::string Filter(const std::string& report) {
  TempDir dir;
  WriteFileBytes(dir.File("~temp.htm"), report);
  FilterReport(dir.File("~temp.htm"), dir.File("pc.htm"));
  return ReadFileBytes(dir.File("pc.htm"));
}

struct FilterLine {
  std::string text;
  bool copied;
};

void ExpectFilter(const std::vector<FilterLine>& lines) {
  std::string report, expected = kOpening;
  for (const FilterLine& line : lines) {
    report += line.text + "\n";
    if (line.copied) expected += line.text + "\n";
  }
  EXPECT_EQ(Filter(report), expected + "</table>");
}

TEST(FilterReport, SectionsStartAndEnd) {
  ExpectFilter({
      {TitleRow("CPU-Z"), false},
      {DataRow("before", "the first section"), false},
      {TitleRow("Processors"), true},
      {DataRow("Number of threads", "4"), true},
      {TitleRow("Thread dumps"), false},  // ends section 0, not copied
      {DataRow("in the thread dumps", "x"), false},
      {TitleRow("Chipset"), true},
      {TitleRow("Memory SPD"), true},  // ends section 1 and is copied: it opens section 2
      {DataRow("DIMM #", "1"), true},
      {TitleRow("PCI Devices"), false},
      {DataRow("a PCI row mentioning DMI Processor", "x"), false},  // section 3 has not started
      {TitleRow("DMI"), true},
      {DataRow("vendor", "v"), true},
      {TitleRow("DMI Processor"), false},
      {TitleRow("Graphics"), false},
      {TitleRow("Display Adapters"), true},
      {TitleRow("Software"), true},  // ends section 4 and is copied
      {DataRow("Windows Version", "w"), true},
      {TitleRow("ACPI"), false},
      {TitleRow("Processors"), false},  // after the sixth section nothing more is read
      {DataRow("Name", "after the end"), false},
  });
}

TEST(FilterReport, EndMarkerBeforeItsStartIsSkipped) {
  ExpectFilter({
      {TitleRow("Thread dumps"), false},
      {DataRow("x", "y"), false},
      {TitleRow("Processors"), true},
      {TitleRow("Thread dumps"), false},
      {TitleRow("Memory SPD"), false},  // section 1 has not started: skipped, no step taken
      {TitleRow("Chipset"), true},
      {TitleRow("Memory SPD"), true},
      {TitleRow("PCI Devices"), false},
  });
}

TEST(FilterReport, StartAndEndOnOneLine) {
  // Start is tested before end: the line opens and closes section 0 and is not copied.
  ExpectFilter({
      {"<b>Processors</b><b>Thread dumps</b>", false},
      {DataRow("between", "sections"), false},
      {"<b>Chipset</b> and <b>Memory SPD</b>", true},
      {DataRow("DIMM #", "1"), true},
  });
}

TEST(FilterReport, NoSectionEndCopiesToTheEnd) {
  // Reports without thread dumps (most real ones) stay in section 0 to their end.
  ExpectFilter({
      {TitleRow("Processors"), true},
      {TitleRow("Chipset"), true},
      {TitleRow("Memory SPD"), true},
      {TitleRow("ACPI"), true},
  });
}

TEST(FilterReport, ShortSubRowsAreSkipped) {
  ExpectFilter({
      {TitleRow("Processors"), true},
      {SubRow("0", "one-character key: kept"), true},
      {SubRow("00", "dump row"), false},
      {SubRow("000", "dump row"), false},
      {SubRow("0000", "four characters: kept"), true},
      {SubRow("Name", "n"), true},
      // "<" at position 85 without the indent mark is no sub-row
      {std::string(85, 'a') + "<b>", true},
      // the indent mark with a short key anywhere in a shorter line: position 85 is beyond its end
      {"<small>&nbsp;&nbsp;&nbsp;&nbsp;\t00<", true},
      {"", false},  // empty lines are dropped
      {"\r", true},  // a carriage return is part of the line
  });
}

TEST(FilterReport, MissingReportGivesOpeningAndClosingOnly) {
  TempDir dir;
  FilterReport(dir.File("~temp.htm"), dir.File("pc.htm"));
  EXPECT_EQ(ReadFileBytes(dir.File("pc.htm")), kOpening + "</table>");
  EXPECT_FALSE(std::filesystem::exists(dir.File("pc.htm.new")));
}

TEST(FilterReport, BadInputFollowsTheSameRules) {
  std::string binary;
  uint32_t seed = 12345;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245 + 12345;
    binary += static_cast<char>(seed >> 24);
  }
  const std::string nul("<b>Processors</b>\0tail", 22);
  struct {
    const char* what;
    std::string report;
    std::string copied;
  } kCases[] = {
      {"no markers", "just text\nmore text\n", ""},
      {"no line end at all", "<b>Processors</b> then no line feed", "<b>Processors</b> then no line feed\n"},
      {"NUL bytes stay in the line", nul + "\n" + nul + "\n", nul + "\n" + nul + "\n"},
      {"truncated inside a row", "<b>Processors</b>\n<tr valign=\"top\" bgcol", "<b>Processors</b>\n<tr valign=\"top\" bgcol\n"},
      {"repeated markers", "<b>Processors</b>\n<b>Processors</b>\n<b>Thread dumps</b>\n<b>Thread dumps</b>\n",
       "<b>Processors</b>\n<b>Processors</b>\n"},
      {"only line feeds", std::string(1000, '\n'), ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Filter(c.report), kOpening + c.copied + "</table>");
  }
  const std::string filtered = Filter(binary);
  EXPECT_EQ(filtered.substr(0, kOpening.size()), kOpening);
  EXPECT_EQ(filtered.substr(filtered.size() - 8), "</table>");
}

TEST(FilterReport, LongLinesAreCopiedWhole) {
  const std::string filler(3 * 1024 * 1024 + 17, 'x');
  // a marker that straddles the reader's 1 MiB buffer, far into a long line
  const std::string straddling = std::string((1 << 20) - 7, 'y') + "<b>Processors</b>" + filler;
  const std::string longSubRow = SubRow("00", filler);  // still a dump row: skipped
  const std::string longEnd = filler + "<b>Thread dumps</b>";
  const std::string report = "head\n" + straddling + "\n" + longSubRow + "\nshort\n" + longEnd + "\nafter\n";
  EXPECT_EQ(Filter(report), kOpening + straddling + "\nshort\n</table>");
}

TEST(WalkReport, LongLinesKeepTheirValues) {
  TempDir dir;
  const std::string filler(2 * 1024 * 1024, 'f');
  const std::string longName((1 << 20) + 3, 'N');
  std::string pc = SubRow("Number of cores", "8") + "\n" + filler + "Number of threads" + filler +
                   "0A0\">16 threads</f\n" + SubRow("Name", longName) + "\n" + filler + "\n" +
                   std::string((1 << 20) - 2, 's') + "Specification 0A0\">" + filler + "</f" + filler + "\n";
  WriteFileBytes(dir.File("pc.htm"), pc);
  ScanRecords r;
  WalkReport(dir.File("pc.htm"), r);
  EXPECT_EQ(r.cpu.cores, "8");
  EXPECT_EQ(r.cpu.threads, "16");
  EXPECT_EQ(r.cpu.name, longName);
  EXPECT_EQ(r.cpu.specification, filler);
}

TEST(FilterReport, OnlyOrdinaryFilesAreReplacedByRename) {
  TempDir dir;
  WriteFileBytes(dir.File("old"), "x");
  EXPECT_TRUE(ReplaceableByRename(dir.File("missing")));
  EXPECT_TRUE(ReplaceableByRename(dir.File("old")));
  EXPECT_FALSE(ReplaceableByRename(dir.path()));
#ifndef _WIN32
  EXPECT_FALSE(ReplaceableByRename("/dev/null"));  // written in place, never renamed over
#endif
}

// Notices go to this list while a test runs.
std::vector<std::string> notices;
void CollectNotice(const std::string& text, const std::string& caption) { notices.push_back(caption + ":" + text); }

TEST(RunReportTool, MissingToolTellsTheUser) {
  TempDir dir;
  notices.clear();
  SetNoticeSink(CollectNotice);
  EXPECT_FALSE(RunReportTool(dir.path()));
  SetNoticeSink(nullptr);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "提示:无法取得部份硬件信息,可能硬件驱动给杀毒软件拦截，或需重新下载软件安装!");
  EXPECT_FALSE(std::filesystem::exists(dir.File("pc.htm")));  // the filter is skipped
}

#ifndef _WIN32
TEST(RunReportTool, RunsTheToolThenTheReportIsFiltered) {
  TempDir dir;
  WriteFileBytes(dir.File("hx.dll"),
                 "#!/bin/sh\n[ \"$1\" = \"-html=~temp\" ] && printf '<b>Processors</b>\\nrow\\n' > ~temp.htm\n");
  std::filesystem::permissions(dir.File("hx.dll"), std::filesystem::perms::owner_all);
  EXPECT_TRUE(RunReportTool(dir.path()));
  EXPECT_FALSE(std::filesystem::exists(dir.File("pc.htm")));  // the scan's report step filters
  ConvertAndFilterReport(dir.path());
  EXPECT_EQ(ReadFileBytes(dir.File("pc.htm")), kOpening + "<b>Processors</b>\nrow\n</table>");
  EXPECT_TRUE(std::filesystem::exists(dir.File("~temp.htm")));  // kept for the detailed page
}
#endif

}  // namespace
