// hwdex-cli's command line: every flag, and every bad argument refused with a message.
#include "cli/cli_options.h"

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

TEST(CliOptions, LargestDriveSizeIsAccepted) {
  CliOptions o;
  std::string error;
  ASSERT_TRUE(ParseCliOptions(Args("analyse --report r --out d --drive 3=18446744073709551615 --drive 4=0"), o, error));
  EXPECT_EQ(o.drives[0].bytes, UINT64_MAX);
  EXPECT_EQ(o.drives[1].bytes, 0u);
}

}  // namespace
