// hwdex-cli shop's command line: every flag, each kind of list, and every bad argument refused.
#include "cli/cli_shop.h"

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

// The parsed options as one line: list category page brand search server gbk.
std::string Summary(const ShopCliOptions& o) {
  const char* list = o.list == ShopCliOptions::List::kBrands ? "brands"
                     : o.list == ShopCliOptions::List::kSearch ? "search" : "page";
  return std::string(list) + " " + std::to_string(o.category) + " " + std::to_string(o.page) + " " +
         std::to_string(o.brand) + " [" + o.search + "] " + (o.serverGiven ? o.host + ":" + std::to_string(o.port) : "-") +
         (o.gbk ? " gbk" : "");
}

TEST(CliShop, Accepted) {
  struct { const char* line; const char* expected; } kCases[] = {
      {"--category 22", "page 22 0 0 [] -"},
      {"--category 0 --brands", "brands 0 0 0 [] -"},
      {"--brands --category 62 --gbk", "brands 62 0 0 [] - gbk"},
      {"--category 22 --page 2", "page 22 2 0 [] -"},
      {"--category 22 --page 1 --brand 2201", "page 22 1 2201 [] -"},
      {"--category 22 --brand 2201", "page 22 0 2201 [] -"},
      {"--category 62 --search 512", "search 62 0 0 [512] -"},
      {"--category 62 --search 512 --server 127.0.0.1:33061", "search 62 0 0 [512] 127.0.0.1:33061"},
      {"--server db.example.com:3306 --category 65535", "page 65535 0 0 [] db.example.com:3306"},
      {"--category 18 --page 10000000", "page 18 10000000 0 [] -"},
      // The last value given wins.
      {"--category 18 --category 19", "page 19 0 0 [] -"},
  };
  for (const auto& c : kCases) {
    ShopCliOptions o;
    std::string error;
    ASSERT_TRUE(ParseShopOptions(Args(c.line), o, error)) << c.line << ": " << U8(error);
    EXPECT_EQ(Summary(o), c.expected) << c.line;
  }
}

TEST(CliShop, Refused) {
  struct { const char* line; const char* message; } kCases[] = {
      {"", "--category N is required"},
      {"--brands", "--category N is required"},
      {"--category", "argument needs a value"},
      {"--category -1", "--category must be a number from 0 to 65535"},
      {"--category 65536", "--category must be a number from 0 to 65535"},
      {"--category 2x", "--category must be a number from 0 to 65535"},
      {"--category 22 --page 10000001", "--page must be a page number from 0"},
      {"--category 22 --page -1", "--page must be a page number from 0"},
      {"--category 22 --brand abc", "--brand must be a brand's cat_id"},
      {"--category 22 --server 127.0.0.1", "--server must be HOST:PORT"},
      {"--category 22 --server :3306", "--server must be HOST:PORT"},
      {"--category 22 --server 127.0.0.1:0", "--server must be HOST:PORT"},
      {"--category 22 --server 127.0.0.1:65536", "--server must be HOST:PORT"},
      {"--category 22 --brands --page 1", "choose one of --brands, --page and --search"},
      {"--category 22 --search a --page 1", "choose one of --brands, --page and --search"},
      {"--category 22 --brands --brand 2201", "--brand goes with --page only"},
      {"--category 22 --search a --brand 2201", "--brand goes with --page only"},
      {"--category 22 --out x", "unrecognised argument"},
      {"--category 22 extra", "unrecognised argument"},
  };
  for (const auto& c : kCases) {
    ShopCliOptions o;
    std::string error;
    EXPECT_FALSE(ParseShopOptions(Args(c.line), o, error)) << c.line;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.line << ": " << U8(error);
    EXPECT_NE(error.find(" / "), std::string::npos) << "Chinese, then English: " << U8(error);
  }
}

TEST(CliShop, EmptySearchTextIsRefused) {
  ShopCliOptions o;
  std::string error;
  EXPECT_FALSE(ParseShopOptions({"--category", "62", "--search", ""}, o, error));
  EXPECT_NE(error.find("argument needs a value"), std::string::npos) << U8(error);
}

}  // namespace
