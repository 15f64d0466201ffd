// The text helpers, rule by rule.
#include "scan/text_helpers.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

TEST(Between, Cases) {
  // clang-format off
  struct { const char* text; const char* start; const char* end; const char* expected; } kCases[] = {
      {"abc", "x", "c", ""},                                   // start missing
      {"<font color=\"#0000A0\">4</font>", "0A0\">", "</f", "4"},
      {"<font color=\"#0000A0\">4", "0A0\">", "</f", ""},        // end missing
      {"0A0\">one</f 0A0\">two</f", "0A0\">", "</f", "one"},     // first start wins
      {"NVIDIA (0x10DE)", "(0x", ")", "10DE"},
      {"NVIDIA 10DE", "(0x", ")", ""},
      {"(0x)", "(0x", ")", ""},                                // empty between
      {"ab", "ab", "b", ""},                                   // end inside start is not taken
      {"abxb", "ab", "b", "x"},
      {"", "a", "b", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(Between(c.text, c.start, c.end), c.expected) << c.text;
  }
}

TEST(Between, ValueHoldingGbkAndNul) {
  const std::string text = std::string("0A0\">金士顿\0x</f", 16);
  EXPECT_EQ(Between(text, "0A0\">", "</f"), std::string("金士顿\0x", 8));
}

TEST(SplitWords, Cases) {
  // clang-format off
  struct { std::string text; std::vector<std::string> expected; } kCases[] = {
      {"Socket 775 LGA", {"Socket", "775", "LGA"}},
      {"  a\tb ", {"a", "b"}},
      {"a", {"a"}},
      {" ", {}},
      {"", {""}},                       // an empty text gives one empty word
      {"\t\t", {}},
      {"a  b", {"a", "b"}},
      {"3100 MHz", {"3100", "MHz"}},
      {std::string("ab\0 cd", 6), {"ab"}},  // NUL ends the text
      {std::string("\0", 1), {""}},
      {"a\r", {"a\r"}},                 // only blanks and tabs separate
  };
  // clang-format on
  for (const auto& c : kCases) {
    std::vector<std::string> words{"stale"};
    SplitWords(c.text, words);
    EXPECT_EQ(words, c.expected) << "[" << c.text << "]";
  }
}

TEST(SplitWords, LongWordsAreKeptWhole) {
  const std::string longWord(5000, 'x');
  std::vector<std::string> words;
  SplitWords(longWord + " y", words);
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0], longWord);
  EXPECT_EQ(words[1], "y");
}

TEST(ReplaceAll, Cases) {
  // clang-format off
  struct { const char* text; const char* pattern; const char* replacement; const char* expected; } kCases[] = {
      {"aaa", "a", "aa", "aaaaaa"},  // the replacement is not searched again
      {"Intel Core Intel", "Intel", "英特尔", "英特尔 Core 英特尔"},
      {"abc", "x", "y", "abc"},
      {"a_b_c", "_", " ", "a b c"},
      {"abab", "ab", "", ""},
      {"", "a", "b", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    std::string text = c.text;
    EXPECT_EQ(&ReplaceAll(text, c.pattern, c.replacement), &text);
    EXPECT_EQ(U8(text), U8(c.expected)) << c.text;
  }
}

TEST(FormatTrimmed, Cases) {
  // clang-format off
  struct { float x; const char* expected; } kCases[] = {
      {2.5f, "2.5"},     {3.0f, "3"},      {100.0f, "100"},   {0.0f, "0"},
      {1.25f, "1.25"},   {1.2346f, "1.235"}, {-0.5f, "-0.5"}, {0.25f, "0.25"},
      {4096.0f / 1024, "4"}, {512.0f * (1.0f / 1024), "0.5"}, {10.0f, "10"}, {-0.0f, "-0"},
      {1000000.0f, "1000000"}, {0.0004f, "0"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(FormatTrimmed(c.x), c.expected) << c.x;
  }
}

TEST(FormatTrimmed, HugeNumberIsPrintedWhole) {
  EXPECT_EQ(FormatTrimmed(3.0e38f).size(), 39u);
}

TEST(TextTests, StartsEndsContains) {
  // clang-format off
  struct { const char* text; const char* piece; bool starts; bool ends; bool contains; } kCases[] = {
      {"USBSTOR\\Disk", "USBSTOR", true, false, true},
      {"abc", "abc", true, true, true},
      {"abc", "", true, true, true},
      {"", "a", false, false, false},
      {"ab", "abc", false, false, false},    // longer than the text
      {"xabcx", "abc", false, false, true},
      {"Intel", "intel", false, false, false},  // exact bytes
      {"金士顿", "顿", false, true, true},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(StartsWith(c.text, c.piece), c.starts) << U8(c.text) << " / " << U8(c.piece);
    EXPECT_EQ(EndsWith(c.text, c.piece), c.ends) << U8(c.text) << " / " << U8(c.piece);
    EXPECT_EQ(Contains(c.text, c.piece), c.contains) << U8(c.text) << " / " << U8(c.piece);
  }
}

TEST(LeadingNumber, Cases) {
  // clang-format off
  struct { const char* text; int32_t expected; } kCases[] = {
      {"", 0},          {"x1", 0},        {"0", 0},          {"500G", 500},   {"12.9", 12},
      {"-3", 0},        {"007", 7},       {"2147483647", INT32_MAX},
      {"2147483648", INT32_MAX},          {"99999999999999999999999", INT32_MAX},  // held, not wrapped
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(TrimBlanks, Cases) {
  // clang-format off
  struct { const char* text; const char* expected; } kCases[] = {
      {"", ""}, {" \t\r\n", ""}, {"  a b \r\n", "a b"}, {"\tx", "x"}, {"a\tb", "a\tb"}, {"显示设置 ", "显示设置"},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(TrimBlanks(c.text), c.expected) << c.text;
}

TEST(UpperCased, OnlyTheBytesAToZChange) {
  EXPECT_EQ(UpperCased("Gigabyte Technology"), "GIGABYTE TECHNOLOGY");
  EXPECT_EQ(UpperCased("j&w-1_z~@[`{"), "J&W-1_Z~@[`{");
  EXPECT_EQ(UpperCased(""), "");
  // Bytes, not characters: the second byte of 瑄 is the code of "u".
  std::string expected = "瑄";
  ASSERT_EQ(expected[1], 'u');
  expected[1] = 'U';
  EXPECT_EQ(UpperCased("瑄"), expected);
}

TEST(EscapeHtml, Cases) {
  // clang-format off
  struct { const char* text; const char* expected; } kCases[] = {
      {"AT&T <Wireless> Adapter", "AT&amp;T &lt;Wireless&gt; Adapter"},
      {"&amp;", "&amp;amp;"},  // escaped again: the text is plain
      {"\"quoted\" 'x'", "\"quoted\" 'x'"},
      {"声卡", "声卡"},
      {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(EscapeHtml(c.text), c.expected) << c.text;
}

}  // namespace
