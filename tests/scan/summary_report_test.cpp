// The summary writer's pieces, the closing rows, the summary page and the detailed page, byte for
// byte; the page failures.
#include "scan/summary_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files.h"
#include "scan/detail_page.h"
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

// Each piece of the writer in both forms: what one call appends to the text and to the page.
TEST(SummaryBlock, EveryPieceWritesBothForms) {
  struct Case {
    const char* what;
    void (*write)();
    const char* text;
    const char* html;
  };
  // clang-format off
  const Case kCases[] = {
      {"empty block", [] { SummaryBlock block("声卡"); }, "\r\n\r\n声卡:",
       "<tr valign=\"top\"><td><span class=\"type\">声卡:</span></td><td></td></tr>"},
      {"first block", [] { SummaryBlock block("CPU", SummaryBlock::Values::kReport, SummaryBlock::Opening::kFirst); },
       "CPU: ", "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td></td></tr>"},
      {"name and break",
       [] {
         SummaryBlock block("显卡");
         block.Name("A&B");
         block.Break();
       },
       "\r\n\r\n显卡:A&B\r\n",
       "<tr valign=\"top\"><td><span class=\"type\">显卡:</span></td><td><span class=\"name\">A&B</span></br></td></tr>"},
      {"registry values are escaped on the page",
       [] {
         SummaryBlock block("网卡", SummaryBlock::Values::kRegistry);
         block.Name("AT&T <W>");
         block.Item(" 类型:", "<x>");
       },
       "\r\n\r\n网卡:AT&T <W> 类型:<x>",
       "<tr valign=\"top\"><td><span class=\"type\">网卡:</span></td><td><span class=\"name\">AT&amp;T &lt;W&gt;</span>"
       "<span class=\"age\"> 类型:</span><span class=\"agevol\">&lt;x&gt;</span></td></tr>"},
      {"empty items, prices and breaks of one form",
       [] {
         SummaryBlock block("主板");
         EXPECT_FALSE(block.Item(" 北桥:", ""));
         block.ItemAlways("型号:", "");
         block.Price("");
         block.Break(Form::kPage);
         block.Break(Form::kText);
         block.Blank(Form::kPage);
         block.Blank(Form::kText);
       },
       "\r\n\r\n主板:型号:\r\n ",
       "<tr valign=\"top\"><td><span class=\"type\">主板:</span></td><td><span class=\"age\">型号:</span><span "
       "class=\"agevol\"></span></br> </td></tr>"},
      {"two spellings, label, price, total",
       [] {
         SummaryBlock block("硬盘");
         EXPECT_TRUE(block.Item({" 当前主频:", "当前主频:"}, "667"));
         block.Label("第1条");
         block.Price("250");
         block.Price("80", {" 二手估价:", "二手估价:"});
         block.Total("硬盘总数:", "2个");
       },
       "\r\n\r\n硬盘:当前主频:667第1条 二手估价:250二手估价:80\r\n硬盘总数:2个",
       "<tr valign=\"top\"><td><span class=\"type\">硬盘:</span></td><td><span class=\"age\"> 当前主频:</span><span "
       "class=\"agevol\">667</span><span class=\"age\">第1条</span><span class=\"ap\"> 二手估价:</span><span "
       "class=\"apvol\">250</span><span class=\"ap\"> 二手估价:</span><span class=\"apvol\">80</span><span "
       "class=\"ap\"><b>硬盘总数:</b></span><span class=\"apvol\">2个</span></td></tr>"},
      {"keyboard row", [] { AppendInputDeviceRow("键盘", "A&B", " ", "USB"); }, "\r\n\r\n键盘:A&B\r\n接口:USB",
       "<tr><td><span class=\"type\">键盘:</span></td><td><span class=\"name\">A&amp;B</span> </br><span "
       "class=\"age\">接口:</span><span class=\"age\">USB</span></td></tr>"},
      {"separator and closing line",
       [] {
         AppendSeparatorRow();
         AppendClosingLine();
       },
       "\r\n\r\n\r\n                      -----沐杉电脑助手", "<tr><td></td><td></td></tr>"},
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ResetScanTexts();
    c.write();
    EXPECT_EQ(U8(summaryText), U8(c.text));
    EXPECT_EQ(U8(summaryHtml), U8(c.html));
  }
}

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

// The version row loses its text, and the dictionary step follows, for the version the rules name
// and for the newer versions whose layout the program knows; any other version keeps its row and
// stops the dictionary.
TEST(WriteDetailPage, VersionRowOfTheVersionsTheProgramKnows) {
  const struct {
    const char* version;
    bool known;
  } kCases[] = {
      {"1.61.3", true},      {"1.72.0", true},  {"1.74.0.x32", true}, {"2.06.1.x64", true},
      {"2.08.0.x64", true},  {"1.61.0", false},  // the rules name 1.61.3 exactly
      {"1.70.0", false},     {"2.09.0.x64", false}, {"2.10", false},  {"", false},
  };
  const std::string emptied = "<small></small></td><td valign=\"center\"><small><font color=\"#0000A0\"></font>";
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.version);
    DetailDir d;
    std::string report = ReadFileBytes(FixturePath("pages/report.htm"));
    ReplaceAll(report, ">1.61.3<", std::string(">") + c.version + "<");
    WriteFileBytes(d.dir.File("~temp.htm"), report);
    ASSERT_TRUE(WriteDetailPage(d.dir.path()));
    const std::string view = d.View();
    EXPECT_EQ(view.find("<b>Processors</b>") == std::string::npos, c.known);
    EXPECT_EQ(view.find(emptied) != std::string::npos, c.known);
  }
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
  // clang-format off
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
  // clang-format on
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
