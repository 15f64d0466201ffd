// The test server's port and general log, read from the folder tests/db/shop-db keeps them in.
#include "tests/assembly/shop_server.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

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
