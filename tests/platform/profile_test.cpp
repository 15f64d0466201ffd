// The ini reader follows GetPrivateProfileStringA; the same cases run natively and under Wine.
#include "platform/profile.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

TEST(Profile, Rules) {
  TempDir dir;
  const std::string path = dir.File("hwdex.ini");
  WriteFileBytes(path,
                 "; comment\r\n"
                 "[显示设置]\r\n"
                 "  二手 = 1 \r\n"
                 "新价=0\r\n"
                 "二手=9\r\n"
                 "[Other]\r\n"
                 "Key=\"quoted value\"\r\n"
                 "Empty=\r\n"
                 "[ Spaced ]\r\n"
                 "k=v\r\n");
  // clang-format off
  struct { const char* section; const char* key; const char* expected; } kCases[] = {
      {"显示设置", "二手", "1"},       // blanks trimmed, first match wins
      {"显示设置", "新价", "0"},
      {"other", "KEY", "quoted value"},  // names compare without case, quotes removed
      {"Other", "Empty", ""},
      {"Spaced", "k", "v"},
      {"Other", "missing", "default"},
      {"Missing", "k", "default"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(U8(ReadProfileString(c.section, c.key, "default", path)), U8(c.expected)) << U8(c.section) << "/" << c.key;
  }
}

TEST(Profile, MissingFileGivesDefault) {
  EXPECT_EQ(ReadProfileString("版本", "ID", "none", FixturePath("no-such.ini")), "none");
}

}  // namespace
