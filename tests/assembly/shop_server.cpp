// The test server's port and general log, read from the folder tests/db/shop-db keeps them in.
#include "tests/assembly/shop_server.h"

#include <gtest/gtest.h>

#include <mysql.h>

#include <cstdlib>
#include <fstream>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

#include "tests/test_support.h"

int ShopServerPort() {
  const std::string text = ReadFileBytes(std::string(HWDEX_SHOP_DB_DIR) + "/port");
  const int port = std::atoi(text.c_str());
  EXPECT_GT(port, 0) << "no shop database server: " << HWDEX_SHOP_DB_DIR;
  return port;
}

ShopConnection ConnectAsProgram() {
  ServerAddresses servers = DefaultServerAddresses();
  servers.databaseHost = "127.0.0.1";
  servers.databasePort = ShopServerPort();
  std::string why;
  ShopConnection connection = OpenShopConnection(servers, &why);
  EXPECT_TRUE(connection) << why;
  return connection;
}

// General log lines read "[time]\t<id> Query\t<statement>"; statements of ours take one line.
std::vector<std::string> SentStatements(unsigned long id) {
  std::ifstream log(std::string(HWDEX_SHOP_DB_DIR) + "/general.log", std::ios::binary);
  std::vector<std::string> statements;
  const std::string marker = std::to_string(id) + " Query\t";
  for (std::string line; std::getline(log, line);) {
    const size_t at = line.find(marker);
    if (at == std::string::npos || at == 0 || (line[at - 1] != ' ' && line[at - 1] != '\t')) continue;
    statements.push_back(line.substr(at + marker.size()));
  }
  return statements;
}

#ifndef _WIN32
ShopConnection ConnectAsAdministrator() {
  ShopConnection connection(mysql_init(nullptr));
  const passwd* user = getpwuid(getuid());
  const std::string socket = std::string(HWDEX_SHOP_DB_DIR) + "/sock";
  if (!connection || user == nullptr) return nullptr;
  MYSQL* mysql = connection.get();
  if (!mysql_real_connect(mysql, "localhost", user->pw_name, nullptr, nullptr, 0, socket.c_str(), 0) ||
      mysql_set_character_set(mysql, "gbk") != 0) {
    ADD_FAILURE() << "no administrator connection on " << socket << ": " << mysql_error(mysql);
    return nullptr;
  }
  return connection;
}

void Administer(st_mysql* administrator, const std::string& statement) {
  EXPECT_EQ(mysql_real_query(administrator, statement.data(), statement.size()), 0)
      << statement << ": " << mysql_error(administrator);
}
#endif
