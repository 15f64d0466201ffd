// The table walks every analyser uses: which row each finds, in the table's order.
#include "analysers/rule_tables.h"

#include <gtest/gtest.h>

namespace {

struct Row { const char* key; int id; };
constexpr Row kRows[] = {{"VIA", 1}, {"NVIDIA", 2}, {"Real", 3}, {"Realtek", 4}, {"", 5}};
constexpr Row kNoEmptyKey[] = {{"VIA", 1}, {"NVIDIA", 2}, {"Real", 3}, {"Realtek", 4}};

int Id(const Row* row) { return row ? row->id : 0; }

TEST(RuleTables, EachWalkFindsItsRow) {
  // clang-format off
  struct { const char* text; int first; int last; int equal; int beginning; } kCases[] = {
      {"NVIDIA HDMI via VIA codec", 1, 2, 0, 2},  // both words: the table's order decides, not the text's
      {"Realtek PCIe GBE", 3, 4, 0, 3},
      {"Realtek", 3, 4, 4, 3},
      {"VIA", 1, 1, 1, 1},
      {"via", 0, 0, 0, 0},  // exact bytes
      {"", 0, 0, 0, 0},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(Id(FirstRowIn(kNoEmptyKey, &Row::key, c.text)), c.first) << c.text;
    EXPECT_EQ(Id(LastRowIn(kNoEmptyKey, &Row::key, c.text)), c.last) << c.text;
    EXPECT_EQ(Id(RowEqualTo(kNoEmptyKey, &Row::key, c.text)), c.equal) << c.text;
    EXPECT_EQ(Id(FirstRowBeginning(kNoEmptyKey, &Row::key, c.text)), c.beginning) << c.text;
  }
  // An empty key is found in every text, and equals only the empty text.
  EXPECT_EQ(Id(FirstRowIn(kRows, &Row::key, "x")), 5);
  EXPECT_EQ(Id(LastRowIn(kRows, &Row::key, "VIA")), 5);
  EXPECT_EQ(Id(RowEqualTo(kRows, &Row::key, "")), 5);
  EXPECT_EQ(Id(FirstRowBeginning(kRows, &Row::key, "x")), 5);
}

}  // namespace
