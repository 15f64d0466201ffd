// hwdex-cli assemble: its arguments, and configuration files good and bad (UTF-8 and GBK).
#include "cli/cli_assemble.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/test_support.h"

namespace {

std::vector<std::string> Args(const std::string& line) {
  std::istringstream words(line);
  std::vector<std::string> args;
  for (std::string w; words >> w;) args.push_back(w);
  return args;
}

TEST(CliAssemble, Arguments) {
  struct {
    const char* line;
    bool ok;
    bool secondHand, newPrice, html, gbk;
  } kCases[] = {
      {"assemble --config c.txt", true, true, true, false, false},
      {"assemble --config c.txt --new-only", true, false, true, false, false},
      {"assemble --old-only --config c.txt --html --gbk", true, true, false, true, true},
      {"assemble --config c.txt --new-only --new-only", true, false, true, false, false},
      {"assemble --config c.txt --new-only --old-only", false, true, true, false, false},
      {"assemble", false, true, true, false, false},
      {"assemble --config", false, true, true, false, false},
      {"assemble --html", false, true, true, false, false},
      {"assemble --config c.txt --out d", false, true, true, false, false},
      {"assemble --config c.txt new", false, true, true, false, false},
      {"assemble --config c.txt --picture", false, true, true, false, false},
  };
  for (const auto& c : kCases) {
    AssembleOptions o;
    std::string error;
    ASSERT_EQ(ParseAssembleOptions(Args(c.line), o, error), c.ok) << c.line << " " << U8(error);
    if (!c.ok) {
      EXPECT_NE(error.find(" / "), std::string::npos) << "Chinese, then English: " << U8(error);
      continue;
    }
    EXPECT_EQ(o.config, "c.txt");
    EXPECT_EQ(o.columns.secondHand, c.secondHand) << c.line;
    EXPECT_EQ(o.columns.newPrice, c.newPrice) << c.line;
    EXPECT_EQ(o.html, c.html) << c.line;
    EXPECT_EQ(o.gbk, c.gbk) << c.line;
  }
}

TEST(CliAssemble, PictureOnlyOnWindows) {
  AssembleOptions o;
  std::string error;
  const bool ok = ParseAssembleOptions(Args("assemble --config c.txt --picture p.png"), o, error);
#ifdef _WIN32
  EXPECT_TRUE(ok) << U8(error);
  EXPECT_EQ(o.picture, "p.png");
#else
  EXPECT_FALSE(ok);
  EXPECT_NE(error.find("Windows"), std::string::npos) << U8(error);
#endif
}

TEST(CliAssemble, ConfigurationRows) {
  AssemblyTexts rows;
  std::string error;
  // UTF-8 with a byte-order mark, "\r\n" and "\n" line ends, empty and blank lines, missing fields.
  const std::string text = "\xEF\xBB\xBF" + U8("处理器\tIntel Core i5-2400\t450\t1200元\r\n\r\n \t \n"
                                                "键鼠套装\t双飞燕 KK-5520\n"
                                                " 其它 \t\t\t25\n"
                                                "内存\t金士顿  4G \t 80\t");
  ASSERT_TRUE(ReadAssemblyConfig(text, false, rows, error)) << U8(error);
  struct { size_t row; const char* model; const char* secondHand; const char* newPrice; } kExpected[] = {
      {0, "Intel Core i5-2400", "450", "1200元"}, {9, "双飞燕 KK-5520", "", ""}, {16, "", "", "25"},
      {2, "金士顿  4G ", " 80", ""},  // fields are kept as written
  };
  for (const auto& e : kExpected) {
    EXPECT_EQ(U8(rows[e.row].model), U8(e.model)) << e.row;
    EXPECT_EQ(U8(rows[e.row].secondHand), U8(e.secondHand)) << e.row;
    EXPECT_EQ(U8(rows[e.row].newPrice), U8(e.newPrice)) << e.row;
  }
  EXPECT_EQ(rows[1].model + rows[1].secondHand + rows[1].newPrice, "");
  // The same file in GBK.
  AssemblyTexts gbkRows;
  ASSERT_TRUE(ReadAssemblyConfig("处理器\tIntel Core i5-2400\t450\t1200元\r\n", true, gbkRows, error)) << U8(error);
  EXPECT_EQ(gbkRows[0].newPrice, "1200元");
  // An empty file is an empty form.
  ASSERT_TRUE(ReadAssemblyConfig("", false, rows, error));
  EXPECT_EQ(BuildAssemblyHtml(rows), BuildAssemblyHtml(AssemblyTexts{}));
}

TEST(CliAssemble, BadConfigurationsNameTheLine) {
  struct { std::string bytes; bool gbk; std::string message; } kCases[] = {
      {U8("处理器\ta\n\n主机\tb\n"), false, "第 3 行: 未知的类型: 主机 / line 3: unknown row: 主机"},
      {U8("处理器：\ta\n"), false, "第 1 行: 未知的类型: 处理器： / line 1: unknown row: 处理器："},
      {U8("鼠标键盘\ta\n"), false, "第 1 行: 未知的类型: 鼠标键盘 / line 1: unknown row: 鼠标键盘"},
      {U8("内存\ta\n主板\tb\n内存\tc\n"), false, "第 3 行: 类型重复: 内存 / line 3: row given twice: 内存"},
      {U8("显卡\ta\t1\t2\t3\n"), false,
       "第 1 行: 字段过多(最多四个,以 Tab 分隔) / line 1: too many fields (at most four, tab-separated)"},
      // A GBK file read as UTF-8: refused with a hint instead of turned into question marks.
      {"显卡\t七彩虹\n", false, "第 1 行: 不是 UTF-8 文字(GBK 文件请加 --gbk) / line 1: not UTF-8 (add --gbk for a GBK file)"},
      {"\n\n" + U8("显卡\t") + "\xC0\xAF\n", false, "第 3 行: 不是 UTF-8 文字(GBK 文件请加 --gbk) / line 3: not UTF-8 (add --gbk for a GBK file)"},
      {U8("显卡\t") + "\xED\xA0\x80\n", false, "第 1 行: 不是 UTF-8 文字(GBK 文件请加 --gbk) / line 1: not UTF-8 (add --gbk for a GBK file)"},
      {U8("显卡\t") + "\xE6\x98", false, "第 1 行: 不是 UTF-8 文字(GBK 文件请加 --gbk) / line 1: not UTF-8 (add --gbk for a GBK file)"},
      // A UTF-8 file read as GBK: its labels are unknown.
      {U8("显卡\ta\n"), true, "第 1 行: 未知的类型: " + U8("显卡") + " / line 1: unknown row: " + U8("显卡")},
      {std::string("\0\t\n", 3), false, std::string("第 1 行: 未知的类型: ") + '\0' + " / line 1: unknown row: " + '\0'},
  };
  for (const auto& c : kCases) {
    AssemblyTexts rows;
    std::string error;
    EXPECT_FALSE(ReadAssemblyConfig(c.bytes, c.gbk, rows, error)) << U8(c.bytes);
    EXPECT_EQ(U8(error), U8(c.message)) << U8(c.bytes);
  }
}

}  // namespace
