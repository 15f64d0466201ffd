// The uploaded articles' texts: plain text made safe, the titles, the assembly article, the machine
// article piece by piece on small files and whole for a fixture machine scanned by the engine.
#include "assembly/upload.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/drives.h"
#include "platform/registry.h"
#include "scan/records.h"
#include "tests/assembly/upload_fixture.h"
#include "tests/test_support.h"

namespace {

TEST(UploadContent, PlainTextBecomesEntities) {
  struct { const char* text; const char* expected; } kCases[] = {
      {"", ""},
      {"求全新报价", "求全新报价"},
      {"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"a & b", "a &amp; b"},
      {"&amp;", "&amp;amp;"},  // typed text is never taken for an entity
      {"\"quoted\"", "&quot;quoted&quot;"},
      {"<a href=\"x\">", "&lt;a href=&quot;x&quot;&gt;"},
      {"it's \\ 誠運", "it's \\ 誠運"},  // the statement, not the page, deals with these
  };
  for (const auto& c : kCases) EXPECT_EQ(ArticleText(c.text), c.expected) << c.text;
}

TEST(UploadContent, TitleIsTitleThenTypeInParentheses) {
  struct { UploadTexts texts; const char* expected; } kCases[] = {
      {{"求二手估价", "i5-3570/英特尔 DQ77MK", ""}, "i5-3570/英特尔 DQ77MK(求二手估价)"},
      {{"求性能", "", ""}, "(求性能)"},
      {{"", "", ""}, "()"},
      {{"自己<b>打的</b>", "\"新\"&旧", ""}, "&quot;新&quot;&amp;旧(自己&lt;b&gt;打的&lt;/b&gt;)"},
  };
  for (const auto& c : kCases) EXPECT_EQ(U8(ArticleTitle(c.texts)), U8(c.expected));
}

TEST(UploadContent, AssemblyTitleIsMainboardThenCpu) {
  AssemblyTexts rows{};
  EXPECT_EQ(AssemblyUploadTitle(rows), "");
  rows[FindAssemblyRow("处理器")].model = "Intel 酷睿 i5-12400F 盒装";
  EXPECT_EQ(U8(AssemblyUploadTitle(rows)), U8("Intel 酷睿 i5-12400F 盒装"));
  rows[FindAssemblyRow("主板")].model = "华硕 PRIME B660M-K D4";
  rows[FindAssemblyRow("内存")].model = "金士顿 8G";
  EXPECT_EQ(U8(AssemblyUploadTitle(rows)), U8("华硕 PRIME B660M-K D4Intel 酷睿 i5-12400F 盒装"));
  // Each box is read up to 255 bytes, never parting a character.
  std::string board(200, 'b');
  for (int i = 0; i < 30; ++i) board += "板";
  rows[FindAssemblyRow("主板")].model = board;
  rows[FindAssemblyRow("处理器")].model = std::string(256, 'c');
  // 200 bytes and 27 characters make 254 bytes: the 28th character would pass 255.
  EXPECT_EQ(AssemblyUploadTitle(rows), board.substr(0, 254) + std::string(255, 'c'));
}

TEST(UploadContent, AssemblyArticleIsTheTableThenTheDescription) {
  AssemblyTexts rows{};
  rows[FindAssemblyRow("处理器")].model = "Intel 酷睿 i5-12400F 盒装";
  rows[FindAssemblyRow("处理器")].newPrice = "999";
  rows[FindAssemblyRow("主板")].model = "华硕 PRIME B660M-K D4";
  const Article article = AssemblyArticle({"求全新报价", AssemblyUploadTitle(rows), "邮箱 a@b.cn <i>"}, rows);
  EXPECT_EQ(U8(article.title), U8("华硕 PRIME B660M-K D4Intel 酷睿 i5-12400F 盒装(求全新报价)"));
  EXPECT_EQ(U8(article.content),
            U8("<table width=\"550\" border=\"0\" cellspacing=\"8\"><tr><td width=\"70\"><b>类型</b></td>"
               "<td width=\"300\"><b>型号</b></td></tr>"
               "<tr><td><b>处理器:</b></td> <td>Intel 酷睿 i5-12400F 盒装</td></tr>"
               "<tr><td><b>主板:</b></td> <td>华硕 PRIME B660M-K D4</td></tr></table>"
               "邮箱 a@b.cn &lt;i&gt;"));
}

class MachineContent : public ::testing::Test {
 protected:
  void SetUp() override {
    summaryHtml = "<tr><td>CPU</td></tr>\r\n";
    detailRows = "<tr><td>USB</td></tr>";
  }
  void TearDown() override { ResetScanTexts(); }
  std::string Content(const std::string& description = "说明") {
    return MachineArticle({"求升级", "标题", description}, dir.path(), "http://site.test", "2.15").content;
  }
  TempDir dir;
};

const std::string kHead =
    "<table><tr><td>CPU</td></tr>\r\n</table>说明</br><a href=\"http://site.test/up/hx_setup.exe\" "
    "target=blank><b>沐杉电脑助手 2.15</b></a></br><h3>本机详细信息：</h3>";

TEST_F(MachineContent, WithoutReportOrDictionaryOnlyTheHeadIsSent) {
  EXPECT_EQ(U8(Content()), U8(kHead));
}

TEST_F(MachineContent, ReportLinesJoinedWithDetailRowsAfterTheFirst) {
  struct { const char* what; std::string report; std::string dic; std::string expected; } kCases[] = {
      {"one line, no dictionary", "<html>", "", "<html><tr><td>USB</td></tr>"},
      {"line ends dropped, CR LF too", "<a>\r\n<b>\n<c>\r\n", "",
       "<a><tr><td>USB</td></tr><b><c>"},
      {"last line without line end", "<a>\n<b>", "", "<a><tr><td>USB</td></tr><b>"},
      {"an empty first line still takes the rows", "\n<b>\n", "", "<tr><td>USB</td></tr><b>"},
      {"each pair replaces its first find on every line, in file order",
       "Cores Cores\nThreads Cores\n", "Cores\r\n核心数\r\nThreads\r\n线程数\r\n",
       "核心数 Cores<tr><td>USB</td></tr>线程数 核心数"},
      {"a later pair sees the earlier pair's replacement", "Size\n", "Size\nSizeX\nX\n大小\n",
       "Size大小<tr><td>USB</td></tr>"},
      {"the rows are not translated", "x\n", "USB\n通用串行总线\n", "x<tr><td>USB</td></tr>"},
  };
  for (const auto& c : kCases) {
    WriteFileBytes(dir.File("pc.htm"), c.report);
    WriteFileBytes(dir.File("dic"), c.dic);
    EXPECT_EQ(U8(Content()), U8(kHead + c.expected)) << c.what;
  }
}

TEST_F(MachineContent, DescriptionIsPlainText) {
  std::string expected = kHead;
  expected.replace(expected.find("说明"), 4, "&lt;img src=x onerror=&quot;y&quot;&gt;&amp;");
  EXPECT_EQ(U8(Content("<img src=x onerror=\"y\">&")), U8(expected));
}

// The whole article of a fixture machine, byte for byte, against expected/article.htm (checked by
// hand once; HWDEX_REGENERATE_GOLDEN=1 rewrites it when a rule change is intended).
TEST(MachineArticleGolden, Dq77mk) {
  TempDir dir;
  ScanFixtureMachine("dq77mk", dir.path());
  ASSERT_FALSE(detailRows.empty());
  const Article article = MachineArticle(kGoldenTexts, dir.path(), "https://www.mushan-pc.cn", "2.15");
  ClearRegistry();
  ClearDriveGeometries();
  const std::string golden = FixturePath("machines/dq77mk/expected/article.htm");
  if (std::getenv("HWDEX_REGENERATE_GOLDEN") != nullptr) WriteFileBytes(golden, article.content);
  EXPECT_EQ(U8(article.title), U8("i5-3570/英特尔 DQ77MK(求二手估价)"));
  const std::string expected = ReadFileBytes(golden);
  ASSERT_EQ(article.content.size(), expected.size());
  EXPECT_TRUE(article.content == expected) << "the article differs from " << golden;
}

}  // namespace
