// The server addresses: the compiled-in ones, and the "服务器" section of "hwdex.ini" over them
// (natively through the ini reader, under Wine through GetPrivateProfileStringA).
#include "app/servers.h"

#include <gtest/gtest.h>

#include "scan/product.h"
#include "tests/test_support.h"

namespace {

ServerAddresses FromIni(const std::string& text) {
  TempDir dir;
  WriteFileBytes(dir.File("hwdex.ini"), text);
  return ReadServerAddresses(dir.File("hwdex.ini"));
}

std::string Line(const ServerAddresses& s) {
  return s.site + " " + s.update + " " + s.databaseHost + " " + std::to_string(s.databasePort);
}

TEST(ServerAddresses, DefaultsAreTheProductSite) {
  const ServerAddresses s = DefaultServerAddresses();
  EXPECT_EQ(s.site, kProductSite);
  EXPECT_EQ(s.update.compare(0, 8, "https://"), 0) << "updates are fetched over https";
  EXPECT_FALSE(s.databaseHost.empty());
  EXPECT_EQ(s.databasePort, 3306);
}

TEST(ServerAddresses, IniOverridesKeyByKey) {
  const std::string defaults = Line(DefaultServerAddresses());
  const ServerAddresses d = DefaultServerAddresses();
  // clang-format off
  struct { const char* ini; std::string expected; } kCases[] = {
      {"", defaults},
      {"[显示设置]\r\n二手=否\r\n", defaults},
      {"[服务器]\r\n网站=http://127.0.0.1:8080\r\n",
       "http://127.0.0.1:8080 " + d.update + " " + d.databaseHost + " 3306"},
      {"[服务器]\r\n网站=http://127.0.0.1:8080/\r\n升级=http://127.0.0.1:9090//\r\n资料库=127.0.0.1\r\n端口=33061\r\n",
       "http://127.0.0.1:8080 http://127.0.0.1:9090 127.0.0.1 33061"},
      // A port that is not a plain number from 1 to 65535 keeps the default.
      {"[服务器]\r\n端口=0\r\n", defaults},
      {"[服务器]\r\n端口=65536\r\n", defaults},
      {"[服务器]\r\n端口=3307x\r\n", defaults},
      {"[服务器]\r\n端口=-1\r\n", defaults},
      {"[服务器]\r\n端口=65535\r\n", d.site + " " + d.update + " " + d.databaseHost + " 65535"},
      // Empty values keep the defaults.
      {"[服务器]\r\n网站=\r\n资料库=\r\n", defaults},
  };
  // clang-format on
  for (const auto& c : kCases) EXPECT_EQ(Line(FromIni(c.ini)), c.expected) << U8(c.ini);
}

TEST(ServerAddresses, MissingIniKeepsDefaults) {
  EXPECT_EQ(Line(ReadServerAddresses(FixturePath("no-such-dir/hwdex.ini"))), Line(DefaultServerAddresses()));
}

TEST(ServerAddresses, SiteAddressAppendsThePath) {
  EXPECT_EQ(SiteAddress("http://127.0.0.1:8080", "/load.htm"), "http://127.0.0.1:8080/load.htm");
}

}  // namespace
