// The closing rows, the summary page and the detailed page, byte for byte; the page failures.
#include "scan/summary_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "scan/records.h"
#include "scan/report_walker.h"
#include "scan/text_helpers.h"
#include "tests/test_support.h"

namespace {

SystemRecord FullSystem() {
  SystemRecord s;
  s.cpuTemperature = "45度";
  s.boardTemperature = "38度";
  s.caseTemperature = "30度";
  s.fanSpeed = "每分钟1054 转";
  s.manufacturer = "兼容机/组装机";
  s.model = "未知";
  s.biosDate = "07/11/2013";
  s.osVersion = "Windows 7";
  return s;
}

struct ClosingCase {
  const char* what;
  SystemRecord system;
  const char* text;
  const char* html;
};

TEST(AppendClosingRows, RowsAndItemsFollowTheFields) {
  SystemRecord fanOnly;
  fanOnly.fanSpeed = "每分钟900转";
  SystemRecord oem;
  oem.manufacturer = "兼容机/组装机";
  SystemRecord dateAndOs;
  dateAndOs.biosDate = "01/02/2010";
  dateAndOs.osVersion = "Windows XP";
  const ClosingCase kCases[] = {
      {"nothing", SystemRecord{}, "", ""},
      {"fan only", fanOnly, "温度  风扇转速:每分钟900转\r\n",
       "<tr><td><span class=\"type\">温度:</span></td><td><span class=\"age\"> 风扇转速:</span><span "
       "class=\"agevol\">每分钟900转</span>  </td></tr>"},
      {"O.E.M. maker only", oem, "\r\nBIOS信息 生产厂家:兼容机/组装机",
       "<tr><td><span class=\"type\">BIOS信息:</span></td><td><span class=\"age\">生产厂家:</span><span "
       "class=\"agevol\">兼容机/组装机</span></td></tr>"},
      {"date and system", dateAndOs, "\r\nBIOS信息 \r\nBIOS日期:01/02/2010\r\n操作系统:Windows XP",
       "<tr><td><span class=\"type\">BIOS信息:</span></td><td><span class=\"age\"> BIOS日期:</span><span "
       "class=\"agevol\">01/02/2010</span></td></tr><tr><td><span class=\"type\">操作系统:</span></td><td><span "
       "class=\"agevol\">Windows XP</span></td></tr>"},
      {"everything", FullSystem(),
       "温度 CPU:45度 主板:38度 机箱内:30度 风扇转速:每分钟1054 转\r\n\r\nBIOS信息 生产厂家:兼容机/组装机 "
       "电脑型号:未知\r\nBIOS日期:07/11/2013\r\n操作系统:Windows 7",
       nullptr},  // the page test below holds the rows
  };
  for (const ClosingCase& c : kCases) {
    SCOPED_TRACE(c.what);
    ResetScanTexts();
    summaryText = "x";
    AppendClosingRows(c.system);
    EXPECT_EQ(summaryText, std::string("x") + c.text) << U8(summaryText);
    if (c.html != nullptr) {
      EXPECT_EQ(summaryHtml, c.html) << U8(summaryHtml);
    }
  }
}

TEST(WriteSummaryPage, ByteForByte) {
  TempDir dir;
  summaryHtml =
      "<tr valign=\"top\"><td><span class=\"type\">声卡:</span></td><td><span class=\"name\">Realtek High "
      "Definition Audio</span></br></td></tr><tr><td></td><td></td></tr>";
  AppendClosingRows(FullSystem());
  ASSERT_TRUE(WriteSummaryPage(dir.path()));
  std::string expected = ReadFileBytes(FixturePath("pages/config.htm"));
  ReplaceAll(expected, "@COPY_GIF@", ProgramFile(dir.path(), "copy.gif"));
  EXPECT_EQ(ReadFileBytes(dir.File("config.htm")), expected);
  EXPECT_FALSE(std::filesystem::exists(dir.File("config.htm.new")));
}

TEST(WriteSummaryPage, MissingDirectoryFails) {
  TempDir dir;
  EXPECT_FALSE(WriteSummaryPage(dir.File("no such directory")));
}

// A program directory with the detailed page's inputs.
struct DetailDir {
  TempDir dir;
  explicit DetailDir(bool withDictionary = true, const char* report = "pages/report.htm") {
    if (report != nullptr) WriteFileBytes(dir.File("~temp.htm"), ReadFileBytes(FixturePath(report)));
    if (withDictionary) WriteFileBytes(dir.File("dic"), ReadFileBytes(FixturePath("pages/dic")));
  }
  std::string View() const { return ReadFileBytes(dir.File("view.htm")); }
};

TEST(WriteDetailPage, ByteForByte) {
  DetailDir d;
  AppendDetailRow("硬盘", "ST1000DM003 1TB");
  ASSERT_TRUE(WriteDetailPage(d.dir.path()));
  EXPECT_EQ(d.View(), ReadFileBytes(FixturePath("pages/view.htm")));
  EXPECT_FALSE(std::filesystem::exists(d.dir.File("~temp.htm")));
  EXPECT_FALSE(std::filesystem::exists(d.dir.File("view.htm.new")));
}

TEST(WriteDetailPage, WithoutDictionaryOnlyTheHeaderChanges) {
  DetailDir d(false);
  ASSERT_TRUE(WriteDetailPage(d.dir.path()));
  const std::string view = d.View();
  EXPECT_NE(view.find("<b>电脑配件详细参数</b>"), std::string::npos);
  EXPECT_NE(view.find("<b>Processors</b>"), std::string::npos);
  EXPECT_NE(view.find("AAA and AAA"), std::string::npos);
}

TEST(WriteDetailPage, MissingReportGivesAnEmptyPage) {
  DetailDir d(true, nullptr);
  WriteFileBytes(d.dir.File("view.htm"), "an older page");
  EXPECT_TRUE(WriteDetailPage(d.dir.path()));
  EXPECT_EQ(d.View(), "");
}

TEST(WriteDetailPage, UnmatchedHeaderTargetStopsTheDictionary) {
  DetailDir d;
  std::string report = ReadFileBytes(FixturePath("pages/report.htm"));
  ReplaceAll(report, "<b>Binaries</b>", "<b>Programs</b>");  // target 4 never found
  WriteFileBytes(d.dir.File("~temp.htm"), report);
  AppendDetailRow("硬盘", "never shown");
  ASSERT_TRUE(WriteDetailPage(d.dir.path()));
  const std::string view = d.View();
  EXPECT_NE(view.find("沐杉电脑助手软件</a>"), std::string::npos);  // targets 1 to 3 were replaced
  EXPECT_EQ(view.find("never shown"), std::string::npos);
  EXPECT_NE(view.find("<font color=\"#0000A0\">1.61.3</font>"), std::string::npos);
  EXPECT_NE(view.find("<b>Processors</b>"), std::string::npos);
}

TEST(WriteDetailPage, OtherToolVersionsKeepTheirVersionRowAndAreNotTranslated) {
  DetailDir d;
  std::string report = ReadFileBytes(FixturePath("pages/report.htm"));
  ReplaceAll(report, "1.61.3", "2.08.0.x64");
  WriteFileBytes(d.dir.File("~temp.htm"), report);
  ASSERT_TRUE(WriteDetailPage(d.dir.path()));
  EXPECT_NE(d.View().find("<b>Processors</b>"), std::string::npos);
}

TEST(WriteDetailPage, PageThatCannotBeWrittenKeepsTheReport) {
  DetailDir d;
  std::filesystem::create_directory(d.dir.File("view.htm.new"));  // blocks the temporary file
  EXPECT_FALSE(WriteDetailPage(d.dir.path()));
  EXPECT_TRUE(std::filesystem::exists(d.dir.File("~temp.htm")));
  EXPECT_FALSE(std::filesystem::exists(d.dir.File("view.htm")));
}

TEST(WriteDetailPage, DictionaryWithWindowsLineEnds) {
  DetailDir d;
  WriteFileBytes(d.dir.File("dic"), "<b>Processors</b>\r\n<b>处理器</b>\r\n\r\n");
  ASSERT_TRUE(WriteDetailPage(d.dir.path()));
  EXPECT_NE(d.View().find("<b>处理器</b>"), std::string::npos);
}

TEST(WriteDetailPage, LongLinesPassThroughHeaderAndDictionary) {
  DetailDir d;
  const std::string filler(3 * 1024 * 1024, 'z');
  std::string report = ReadFileBytes(FixturePath("pages/report.htm"));
  // a long line before the title, a long header line, and long lines with terms on buffer edges
  const std::string edge = std::string((1 << 20) - 5, 'e') + "Size</small>" + filler + "AAA" + filler;
  ReplaceAll(report, "<b>Binaries</b>", filler + "<b>Binaries</b>" + filler);
  report = filler + "\n" + report + edge + "\n";
  AppendDetailRow("硬盘", "ST1000DM003 1TB");
  WriteFileBytes(d.dir.File("~temp.htm"), report);
  ASSERT_TRUE(WriteDetailPage(d.dir.path()));
  std::string expected = ReadFileBytes(FixturePath("pages/view.htm"));
  ReplaceAll(expected, "<b>电脑配件详细参数</b>", filler + "<b>电脑配件详细参数</b>" + filler);
  expected = filler + "\n" + expected + std::string((1 << 20) - 5, 'e') + "容量</small>" + filler + "CCC" +
             filler + "\n";
  const std::string view = d.View();
  EXPECT_EQ(view.size(), expected.size());
  EXPECT_TRUE(view == expected);  // not EXPECT_EQ: a failure would print megabytes
}

TEST(WriteDetailPage, BadReportsAreCopiedLineByLine) {
  std::string binary;
  uint32_t seed = 99;
  for (int i = 0; i < 300000; ++i) {
    seed = seed * 1103515245 + 12345;
    binary += static_cast<char>(seed >> 24);
  }
  const std::string nul("<b>Processors</b>\0CPU\0-Z", 25);
  struct {
    const char* what;
    std::string report;
    std::string view;
  } kCases[] = {
      {"binary", binary, binary.back() == '\n' ? binary : binary + "\n"},
      {"no line end", "<b>Processors</b>", "<b>Processors</b>\n"},
      {"NUL bytes", nul + "\n\n", nul + "\n\n"},
      {"empty", "", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    DetailDir d;
    WriteFileBytes(d.dir.File("~temp.htm"), c.report);
    ASSERT_TRUE(WriteDetailPage(d.dir.path()));
    EXPECT_TRUE(d.View() == c.view);
    ScanRecords records;  // the walker takes the same bytes without harm
    WriteFileBytes(d.dir.File("pc.htm"), c.report);
    WalkReport(d.dir.File("pc.htm"), records);
  }
}

}  // namespace
