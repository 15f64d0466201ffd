// The update check's rules: version text, comparison, title and upload prompt.
#include "app/update_rules.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

TEST(UpdateRules, VersionTextOfTheProductVersion) {
  struct { uint16_t major, minor, third, fourth; const char* expected; } kCases[] = {
      {2, 1, 5, 0, "2.15"},
      {1, 0, 0, 0, "1.00"},
      {2, 3, 0, 7, "2.30"},      // the fourth number is not part of the text
      {2, 10, 5, 0, "2.105"},    // numbers are written whole, side by side
      {2, 1, 15, 0, "2.115"},
      {0, 0, 0, 0, "0.00"},
      {65535, 65535, 65535, 65535, "65535.6553565535"},
  };
  for (const auto& c : kCases) {
    const uint32_t ms = (uint32_t{c.major} << 16) | c.minor;
    const uint32_t ls = (uint32_t{c.third} << 16) | c.fourth;
    EXPECT_EQ(VersionTextOf(ms, ls), c.expected) << c.major << "." << c.minor << "." << c.third;
  }
}

TEST(UpdateRules, VersionNumberIsHundredthsTruncated) {
  struct { const char* text; long long expected; } kCases[] = {
      {"2.15", 215}, {"2.16", 216}, {"2.9", 290}, {"2.30", 230}, {"2.3", 230}, {"2.29", 229},
      {"2.155", 215}, {"2.159", 215}, {"2.105", 210}, {"1.00", 100}, {"0", 0}, {"10", 1000},
      // Decimal texts whose double lies just below them still give their own hundredths.
      {"1.13", 113}, {"2.01", 201}, {"4.02", 402}, {"5.10", 510}, {"8.29", 829},
      // Below a hundredth by a little: truncated.
      {"2.2999999999", 229}, {"2.299999", 229},
      // Blanks before the number are skipped; text after it is ignored; no number gives 0.
      {" 2.15", 215}, {"2.15abc", 215}, {"", 0}, {"abc", 0}, {"v2.15", 0},
      {"-1.5", -150}, {"nan", 0}, {"inf", 0}, {"1e300", 9000000000000000000LL},
  };
  for (const auto& c : kCases) EXPECT_EQ(VersionNumber(c.text), c.expected) << c.text;
}

// Every version text from 0.00 to 99.99 gives exactly its hundredths.
TEST(UpdateRules, EveryTwoDigitVersionGivesItsHundredths) {
  for (int n = 0; n < 10000; ++n) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", n / 100, n % 100);
    ASSERT_EQ(VersionNumber(text), n) << text;
  }
}

TEST(UpdateRules, ServerIsNewer) {
  struct { const char* local; const char* server; bool newer; } kCases[] = {
      {"2.15", "2.16", true},
      {"2.30", "2.30", false},
      {"2.15", "2.9", true},   // decimal numbers, not part by part: 215 < 290
      {"2.16", "2.15", false},
      {"2.29", "2.30", true},  // 2.30 is 230, not 229.99…
      {"2.15", "2.155", false},
      {"2.15", "", false},     // a server text that is no number is never newer
      {"2.15", "abc", false},
      {"1.00", "1.01", true},
  };
  for (const auto& c : kCases) EXPECT_EQ(ServerIsNewer(c.local, c.server), c.newer) << c.local << " " << c.server;
}

TEST(UpdateRules, WindowTitle) {
  EXPECT_EQ(U8(WindowTitle(std::string("2.15"))), U8("沐杉电脑助手 2.15"));
  EXPECT_EQ(U8(WindowTitle(std::nullopt)), U8("沐杉电脑助手"));
}

TEST(UpdateRules, UploadPromptDueUnlessMarkerIsOne) {
  struct { std::optional<std::string> marker; bool due; } kCases[] = {
      {std::nullopt, true}, {std::string("0"), true}, {std::string(""), true},
      {std::string("1"), false}, {std::string("1 "), true}, {std::string("11"), true},
  };
  for (const auto& c : kCases) EXPECT_EQ(UploadPromptDue(c.marker), c.due) << c.marker.value_or("(missing)");
}

}  // namespace
