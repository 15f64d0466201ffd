// hwdex-cli's command line: every flag, and every bad argument refused with a message.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/encoding.h"
#include "tests/test_support.h"

namespace {

std::vector<std::string> Args(const std::string& line) {
  std::istringstream words(line);
  std::vector<std::string> args;
  for (std::string w; words >> w;) args.push_back(w);
  return args;
}

TEST(CliOptions, DriveWithProduct) {
  CliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions({"analyse", "--report", "r", "--out", "d", "--drive",
                               "0=500107862016,Samsung SSD 970 EVO Plus 500GB", "--drive", "1=1000204886016, WDC WD10EZEX-08WN4A0 ",
                               "--drive", "2=8004304896", "--drive", "3=1,a,b"},
                              o, error))
      << U8(error);
  ASSERT_EQ(o.drives.size(), 4u);
  EXPECT_EQ(o.drives[0].bytes, 500107862016ull);
  EXPECT_EQ(o.drives[0].product, "Samsung SSD 970 EVO Plus 500GB");
  EXPECT_EQ(o.drives[1].product, "WDC WD10EZEX-08WN4A0");  // blanks around it trimmed
  EXPECT_EQ(o.drives[2].bytes, 8004304896ull);
  EXPECT_EQ(o.drives[2].product, "");
  EXPECT_EQ(o.drives[3].product, "a,b");  // everything after the first comma
}

TEST(CliOptions, Analyse) {
  CliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions(Args("analyse --report r.htm --registry a.reg --registry b.reg --drive 0=500107862016 "
                                   "--drive 12=9223372036854775808 --display 1366x768 --out d --gbk"),
                              o, error))
      << U8(error);
  EXPECT_EQ(o.command, CliOptions::Command::kAnalyse);
  EXPECT_EQ(o.report, "r.htm");
  EXPECT_EQ(o.registries, (std::vector<std::string>{"a.reg", "b.reg"}));
  ASSERT_EQ(o.drives.size(), 2u);
  EXPECT_EQ(o.drives[0].index, 0);
  EXPECT_EQ(o.drives[0].bytes, 500107862016ull);
  EXPECT_EQ(o.drives[1].index, 12);
  EXPECT_EQ(o.drives[1].bytes, 1ull << 63);
  EXPECT_TRUE(o.displayGiven);
  EXPECT_EQ(o.displayWidth, 1366);
  EXPECT_EQ(o.displayHeight, 768);
  EXPECT_EQ(o.outDir, "d");
  EXPECT_TRUE(o.gbk);
}

TEST(CliOptions, ScanAndDefaults) {
  CliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions(Args("scan --out here"), o, error));
  EXPECT_EQ(o.command, CliOptions::Command::kScan);
  EXPECT_FALSE(o.displayGiven);
  EXPECT_EQ(o.displayWidth, 1024);
  EXPECT_EQ(o.displayHeight, 768);
  EXPECT_FALSE(o.gbk);
}

TEST(CliOptions, BadArgumentsAreRefused) {
  // clang-format off
  const char* kBad[] = {
      "",
      "frobnicate --out d",
      "analyse --out d",                                // no report
      "analyse --report r",                             // no out
      "analyse --report r --out",                       // flag without value
      "analyse --report r --out d --drive 0",           // no "="
      "analyse --report r --out d --drive x=1",
      "analyse --report r --out d --drive 0=-5",
      "analyse --report r --out d --drive 0=18446744073709551616",  // over 64 bits
      "analyse --report r --out d --drive 0=1e9",
      "analyse --report r --out d --drive 0=500,",            // a comma without a product
      "analyse --report r --out d --drive 0=,WDC",            // a product without a size
      "analyse --report r --out d --display 1024",
      "analyse --report r --out d --display 0x768",
      "analyse --report r --out d --display axb",
      "analyse --report r --out d --verbose",
      "scan --out d --report r",                        // scan reads this machine only
      "scan --out d --registry x.reg",
  };
  // clang-format on
  for (const char* line : kBad) {
    CliOptions o;
    std::string error;
    EXPECT_FALSE(ParseCliOptions(Args(line), o, error)) << line;
    EXPECT_NE(error.find(" / "), std::string::npos) << "Chinese / English message for: " << line;
  }
}

// A command-line argument as the system hands it over: UTF-8 natively, the ANSI code page (GBK) on
// Windows.
std::string Arg(const char* utf8) {
#ifdef _WIN32
  return Utf8ToGbk(utf8);
#else
  return utf8;
#endif
}

// --upload with its texts, in GBK whatever the command line's encoding; the server as for shop.
TEST(CliOptions, Upload) {
  CliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions({"scan", "--out", "d", "--upload", Arg(u8"求二手估价"), "--title",
                               Arg(u8"i5/英特尔 DQ77MK"), "--description", Arg(u8"邮箱 a@b.cn"), "--server",
                               "127.0.0.1:3307"},
                              o, error))
      << U8(error);
  EXPECT_EQ(U8(o.uploadType), U8("求二手估价"));
  EXPECT_EQ(U8(o.uploadTitle), U8("i5/英特尔 DQ77MK"));
  EXPECT_EQ(U8(o.uploadDescription), U8("邮箱 a@b.cn"));
  EXPECT_TRUE(o.serverGiven);
  EXPECT_EQ(o.serverHost, "127.0.0.1");
  EXPECT_EQ(o.serverPort, 3307);

  CliOptions plain;
  ASSERT_TRUE(ParseCliOptions(Args("analyse --report r --out d --upload x --title t"), plain, error));
  EXPECT_EQ(plain.uploadDescription, "");
  EXPECT_FALSE(plain.serverGiven);
  // Each text as long as the upload dialog's box takes: 29, 59 and 249 bytes, a Chinese character two.
  std::string title;
  for (int i = 0; i < 29; ++i) title += Arg(u8"板");  // 58 bytes in GBK
  CliOptions longest;
  EXPECT_TRUE(ParseCliOptions({"scan", "--out", "d", "--upload", std::string(29, 't'), "--title", title + "x",
                               "--description", std::string(249, 'd')},
                              longest, error))
      << U8(error);
}

TEST(CliOptions, UploadRefusals) {
  std::string title30;
  for (int i = 0; i < 30; ++i) title30 += Arg(u8"板");  // 60 bytes in GBK
  struct { std::vector<std::string> args; const char* message; } kCases[] = {
      {{"scan", "--out", "d", "--upload", "x"}, "--upload needs --title"},
      {{"scan", "--out", "d", "--title", "t"}, "go with --upload"},
      {{"scan", "--out", "d", "--description", "t"}, "go with --upload"},
      {{"scan", "--out", "d", "--server", "h:1"}, "go with --upload"},
      {{"scan", "--out", "d", "--upload", "x", "--title", "t", "--server", "h"}, "HOST:PORT"},
      {{"scan", "--out", "d", "--upload", "x", "--title", "t", "--server", "h:0"}, "HOST:PORT"},
      {{"scan", "--out", "d", "--upload", "x", "--title", "t", "--server", "h:65536"}, "HOST:PORT"},
      {{"scan", "--out", "d", "--upload", "x", "--title", "t", "--server", ":80"}, "HOST:PORT"},
      {{"scan", "--out", "d", "--upload", "x", "--title", ""}, "needs a value"},
      {{"scan", "--out", "d", "--upload", std::string(30, 't'), "--title", "t"}, "--upload takes at most 29 bytes"},
      {{"scan", "--out", "d", "--upload", "x", "--title", title30}, "--title takes at most 59 bytes"},
      {{"scan", "--out", "d", "--upload", "x", "--title", "t", "--description", std::string(250, 'd')},
       "--description takes at most 249 bytes"},
  };
  for (const auto& c : kCases) {
    CliOptions o;
    std::string error;
    EXPECT_FALSE(ParseCliOptions(c.args, o, error)) << c.message;
    EXPECT_NE(error.find(c.message), std::string::npos) << U8(error);
  }
}

TEST(CliOptions, LargestDriveSizeIsAccepted) {
  CliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions(Args("analyse --report r --out d --drive 3=18446744073709551615 --drive 4=0"), o, error));
  EXPECT_EQ(o.drives[0].bytes, UINT64_MAX);
  EXPECT_EQ(o.drives[1].bytes, 0u);
}

}  // namespace
