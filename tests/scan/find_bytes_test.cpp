// FindBytes against the plain search it must equal, at every length and alignment around its
// sixteen-byte blocks, and on report lines.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "scan/line_reader.h"

namespace {

TEST(FindBytes, EqualsPlainSearchOnEveryLengthAndPosition) {
  std::mt19937 random(7);
  // Two letters only, so partial matches (first and last byte right, middle wrong) are common.
  auto text = [&](size_t n) {
    std::string s(n, 'a');
    for (char& c : s) c = random() % 3 == 0 ? 'b' : 'a';
    return s;
  };
  for (size_t haystackSize = 0; haystackSize < 80; ++haystackSize) {
    for (size_t needleSize = 0; needleSize < 20; ++needleSize) {
      for (int round = 0; round < 8; ++round) {
        const std::string haystack = text(haystackSize);
        std::string needle = text(needleSize);
        if (round % 2 == 1 && needleSize <= haystackSize) {  // a needle that does occur
          needle = haystack.substr(random() % (haystackSize - needleSize + 1), needleSize);
        }
        ASSERT_EQ(FindBytes(haystack, needle), std::string_view(haystack).find(needle))
            << "haystack " << haystack << " needle " << needle;
      }
    }
  }
}

TEST(FindBytes, FindsMarkersInReportLines) {
  const std::string row =
      "<tr valign=\"top\" bgcolor=\"#FFFFFF\"><td width=\"300\"><small>Name</small></td>"
      "<td valign=\"center\"><small><font color=\"#0000A0\">Intel Core i5</font></small></td></tr>";
  struct Case {
    const char* needle;
    size_t at;
  } cases[] = {
      {"0A0\">", row.find("0A0\">")},
      {"</f", row.find("</f")},
      {"#E0E0FF", std::string::npos},
      {"Name", row.find("Name")},
      {"</tr>", row.size() - 5},  // at the very end, behind the last full block
      {"<tr", 0},
      {"\xB0" "C", std::string::npos},
  };
  for (const Case& c : cases) EXPECT_EQ(FindBytes(row, c.needle), c.at) << c.needle;
  EXPECT_EQ(FindBytes(std::string_view("a\0b\0c", 5), std::string_view("b\0c", 3)), 2u);
}

}  // namespace
