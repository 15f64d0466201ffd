// The shipped dictionary (pairing, order, markup left alone on real reports) and the translator
// against the plain rule: each pair in file order, first occurrence only.
#include "scan/dictionary.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/encoding.h"
#include "tests/test_support.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t from = 0;
  for (size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1) {
    lines.push_back(text.substr(from, at - from));
  }
  if (from < text.size()) lines.push_back(text.substr(from));
  return lines;
}

TEST(ShippedDictionary, PairsOnConsecutiveLines) {
  const std::string bytes = ReadFileBytes(ResourcePath("dic"));
  EXPECT_EQ(bytes.find('\r'), std::string::npos);
  EXPECT_EQ(GbkToUtf8(bytes), ReadFileBytes(ResourcePath("dic.utf8.txt")));  // GBK form is current
  const std::vector<std::string> lines = SplitLines(bytes);
  size_t kept = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    ++kept;
    if (kept % 2 == 1) {
      ASSERT_TRUE(i + 1 < lines.size() && !lines[i + 1].empty()) << "term without its Chinese form: " << lines[i];
    }
  }
  EXPECT_EQ(kept % 2, 0u);
  const std::vector<TermPair> pairs = ReadDictionary(ResourcePath("dic"));
  EXPECT_EQ(pairs.size() * 2, kept);
  EXPECT_GE(pairs.size(), 120u);
}

TEST(ShippedDictionary, LongerTermsComeFirst) {
  const std::vector<TermPair> pairs = ReadDictionary(ResourcePath("dic"));
  for (size_t i = 0; i < pairs.size(); ++i) {
    EXPECT_NE(pairs[i].find, pairs[i].replacement);
    for (size_t j = i + 1; j < pairs.size(); ++j) {
      EXPECT_EQ(pairs[j].find.find(pairs[i].find), std::string::npos)
          << pairs[i].find << " comes before " << pairs[j].find << ", which holds it";
    }
  }
}

std::vector<std::string> Tags(const std::string& line) {
  std::vector<std::string> tags;
  for (size_t from = 0;;) {
    const size_t open = line.find('<', from);
    if (open == std::string::npos) break;
    const size_t close = line.find('>', open);
    if (close == std::string::npos) break;
    tags.push_back(line.substr(open, close - open + 1));
    from = close + 1;
  }
  return tags;
}

TEST(ShippedDictionary, LeavesTheMarkupOfRealReportsAlone) {
  const Translator translator(ReadDictionary(ResourcePath("dic")));
  for (const char* file : {"cpuz_1.72_EDITED-TEMPLATE_msi-z97-mpower_i5-4690K_rainmeter.htm",
                           "cpuz_1.72_chuwi-vi8_atom-z3735f.html", "cpuz_1.74_chuwi-hi8_atom-z3736f.html",
                           "cpuz_2.06.1_gigabyte-GA-970A-D3_phenomII-x4-955_am3_ddr3.html",
                           "cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html",
                           "cpuz_2.08.0_dell-latitude-e6530_i7-3520M_ddr3.html"}) {
    SCOPED_TRACE(file);
    size_t changed = 0;
    for (const std::string& line : SplitLines(ReadFileBytes(RealFixturePath(file)))) {
      std::string translated = line;
      translator.Apply(translated);
      if (translated == line) continue;
      ++changed;
      ASSERT_EQ(Tags(translated), Tags(line)) << line;
    }
    EXPECT_GT(changed, 100u);
  }
}

TEST(Translator, TranslatesLikeThePlainRule) {
  std::mt19937 random(7);
  const char alphabet[] = "ab<>";
  auto text = [&](size_t maxLength) {
    std::string s(random() % (maxLength + 1), 'a');
    for (char& c : s) c = alphabet[random() % 4];
    return s;
  };
  for (int round = 0; round < 2000; ++round) {
    std::vector<TermPair> pairs;
    for (int i = 0, n = 1 + random() % 8; i < n; ++i) {
      std::string find = text(4);
      if (find.empty()) find = "a";
      pairs.push_back({find, text(4)});
    }
    const Translator translator(pairs);
    const std::string line = text(40);
    std::string expected = line;
    for (const TermPair& pair : pairs) {
      const size_t at = expected.find(pair.find);
      if (at != std::string::npos) expected.replace(at, pair.find.size(), pair.replacement);
    }
    std::string got = line;
    translator.Apply(got);
    ASSERT_EQ(got, expected) << "line " << line;
  }
}

TEST(ReadDictionary, PairingRules) {
  TempDir dir;
  WriteFileBytes(dir.File("dic"), "\n\none\n\n1\r\ntwo\n2\nodd");
  const std::vector<TermPair> pairs = ReadDictionary(dir.File("dic"));
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].find + "=" + pairs[0].replacement, "one=1");
  EXPECT_EQ(pairs[1].find + "=" + pairs[1].replacement, "two=2");
  EXPECT_TRUE(ReadDictionary(dir.File("missing")).empty());
}

}  // namespace
