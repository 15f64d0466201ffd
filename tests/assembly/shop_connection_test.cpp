// The shop connection against the real test server (tests/db): GBK on the client side, failures that
// give no connection instead of a crash or a hang, the NULL rule of the rows, escaping, and the
// account's rights.
#include "assembly/shop_connection.h"

#include <gtest/gtest.h>
#include <mysql.h>

#ifndef _WIN32
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include "tests/assembly/shop_server.h"
#include "tests/test_support.h"

namespace {

TEST(ShopConnection, ProgramConnectionSpeaksGbk) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  EXPECT_STREQ(mysql_character_set_name(connection.get()), "gbk");
  const std::vector<ShopRow> rows = QueryRows(connection.get(), "SELECT cat_name FROM ecs_category where cat_id=3102");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "鑫誠") << U8(rows[0][0]);
}

TEST(ShopConnection, FailuresGiveNoConnection) {
  const int port = ShopServerPort();
  struct { const char* what; std::string host; int port; ShopLogin login; const char* reason; } kCases[] = {
      {"no server on the port", "127.0.0.1", 1, kShopLogin, "connect"},
      {"wrong password", "127.0.0.1", port, {"hwdex", "7373pkpK", "hwdex"}, "Access denied"},
      {"empty password", "127.0.0.1", port, {"hwdex", "", "hwdex"}, "Access denied"},
      {"unknown account", "127.0.0.1", port, {"hwdex2", "7373pkpk", "hwdex"}, "Access denied"},
      {"another database", "127.0.0.1", port, {"hwdex", "7373pkpk", "mysql"}, "denied"},
  };
  for (const auto& c : kCases) {
    std::string why;
    EXPECT_FALSE(ConnectToShop(c.host, c.port, c.login, &why)) << c.what;
    EXPECT_NE(why.find(c.reason), std::string::npos) << c.what << ": " << why;
  }
  ServerAddresses servers = DefaultServerAddresses();
  servers.databaseHost = "127.0.0.1";
  servers.databasePort = 1;
  EXPECT_FALSE(OpenShopConnection(servers));
}

#ifndef _WIN32
// A server that takes the connection and then says nothing: the time-out ends the wait.
TEST(ShopConnection, SilentServerTimesOut) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(listener, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(listen(listener, 1), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size), 0);
  std::string why;
  EXPECT_FALSE(ConnectToShop("127.0.0.1", ntohs(address.sin_port), kShopLogin, &why));
  EXPECT_FALSE(why.empty());
  close(listener);
}
#endif

// A row whose first value is NULL is left out; other NULL values read as empty texts.
TEST(ShopConnection, NullValues) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  const std::vector<ShopRow> rows = QueryRows(connection.get(),
      "SELECT NULL,'1','2' UNION ALL SELECT 'a',NULL,'c' UNION ALL SELECT NULL,NULL,NULL "
      "UNION ALL SELECT 'b','x',NULL UNION ALL SELECT '',NULL,'0'");
  EXPECT_EQ(rows, (std::vector<ShopRow>{{"a", "", "c"}, {"b", "x", ""}, {"", "", "0"}}));
}

TEST(ShopConnection, StatementsWithoutRowsGiveNone) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  EXPECT_TRUE(QueryRows(connection.get(), "SELECT nothing FROM nowhere").empty());
  EXPECT_TRUE(QueryRows(connection.get(), "set names gbk").empty());
  EXPECT_TRUE(QueryRows(connection.get(), "SELECT cat_id FROM ecs_category where parent_id=999").empty());
  // The connection still serves after a failed statement.
  EXPECT_EQ(QueryRows(connection.get(), "SELECT 1"), std::vector<ShopRow>{{"1"}});
}

TEST(ShopConnection, EscapeStringKnowsGbk) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  struct { std::string text; std::string expected; } kCases[] = {
      {"誠", "誠"},  // D5 5C stays one character
      {"運謀錦", "運謀錦"},
      {"'", "\\'"},
      {"\"", "\\\""},
      {"\\", "\\\\"},
      {"a\nb\r", "a\\nb\\r"},
      {std::string("a\0b", 3), "a\\0b"},
      {"", ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(EscapeString(connection.get(), c.text), c.expected) << U8(c.text);
}

// The program's account may read the catalogue and add articles, nothing more.
TEST(ShopConnection, AccountHasOnlyTheRightsItUses) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  MYSQL* mysql = connection.get();
  EXPECT_EQ(mysql_query(mysql, "SELECT cat_id FROM ecs_category LIMIT 1"), 0);
  mysql_free_result(mysql_store_result(mysql));
  EXPECT_EQ(mysql_query(mysql, "SELECT goods_id FROM ecs_goods LIMIT 1"), 0);
  mysql_free_result(mysql_store_result(mysql));
  EXPECT_EQ(mysql_query(mysql, "INSERT INTO ecs_article(cat_id,title, content,add_time)VALUES "
                               "(16,'rights test','',UNIX_TIMESTAMP())"), 0) << mysql_error(mysql);
  const char* kRefused[] = {
      "SELECT title FROM ecs_article",
      "UPDATE ecs_article SET title='x'",
      "DELETE FROM ecs_article",
      "INSERT INTO ecs_goods (cat_id, goods_name, goods_desc) VALUES (2201, 'x', '')",
      "UPDATE ecs_goods SET shop_price=0",
      "DELETE FROM ecs_category",
      "DROP TABLE ecs_goods",
      "CREATE TABLE x (a int)",
      "SELECT user FROM mysql.user",
  };
  for (const char* statement : kRefused) EXPECT_NE(mysql_query(mysql, statement), 0) << statement;
}

}  // namespace
