// The shop database connection through the MySQL client library (MariaDB Connector/C).
#include "assembly/shop_connection.h"

#include <mysql.h>

const ShopLogin kShopLogin = {"hwdex", "7373pkpk", "hwdex"};

void ShopConnectionCloser::operator()(st_mysql* connection) const { mysql_close(connection); }

namespace {

struct ResultFree {
  void operator()(MYSQL_RES* result) const { mysql_free_result(result); }
};
using Result = std::unique_ptr<MYSQL_RES, ResultFree>;

}  // namespace

ShopConnection ConnectToShop(const std::string& host, int port, const ShopLogin& login, std::string* why) {
  ShopConnection connection(mysql_init(nullptr));
  if (!connection) {
    if (why) *why = "out of memory";
    return nullptr;
  }
  MYSQL* mysql = connection.get();
  // The connect time-out also covers the server's greeting and the login.
  const unsigned connectTimeout = kShopConnectTimeout;
  mysql_options(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &connectTimeout);
  // A server that stops answering in the middle of a statement must not hold the window for ever.
  const unsigned ioTimeout = kShopStatementTimeout;
  mysql_options(mysql, MYSQL_OPT_READ_TIMEOUT, &ioTimeout);
  mysql_options(mysql, MYSQL_OPT_WRITE_TIMEOUT, &ioTimeout);
  if (!mysql_real_connect(mysql, host.c_str(), login.user, login.password, login.database,
                          static_cast<unsigned>(port), nullptr, 0)) {
    if (why) *why = mysql_error(mysql);
    return nullptr;
  }
  // Without GBK as the client's own character set, escaping would split a character such as 誠
  // (D5 5C) and let a quote through: a connection that cannot have it is not used.
  if (mysql_set_character_set(mysql, "gbk") != 0) {
    if (why) *why = mysql_error(mysql);
    return nullptr;
  }
  return connection;
}

ShopConnection OpenShopConnection(const ServerAddresses& servers, std::string* why) {
  return ConnectToShop(servers.databaseHost, servers.databasePort, kShopLogin, why);
}

void SendSetNames(st_mysql* connection) { mysql_query(connection, "set names gbk"); }

std::vector<ShopRow> QueryRows(st_mysql* connection, const std::string& statement) {
  std::vector<ShopRow> rows;
  if (mysql_real_query(connection, statement.data(), statement.size()) != 0) return rows;
  const Result result(mysql_store_result(connection));
  if (!result) return rows;
  const unsigned columns = mysql_num_fields(result.get());
  while (MYSQL_ROW row = mysql_fetch_row(result.get())) {
    if (columns == 0 || row[0] == nullptr) continue;
    const unsigned long* lengths = mysql_fetch_lengths(result.get());
    ShopRow values;
    values.reserve(columns);
    for (unsigned i = 0; i < columns; ++i) {
      values.emplace_back(row[i] ? std::string(row[i], lengths[i]) : std::string());
    }
    rows.push_back(std::move(values));
  }
  return rows;
}

std::string EscapeString(st_mysql* connection, const std::string& text) {
  std::string escaped(text.size() * 2 + 1, '\0');
  const unsigned long length = mysql_real_escape_string(connection, &escaped[0], text.data(), text.size());
  if (length >= escaped.size()) return std::string();  // the library's error value: nothing is safe to send
  escaped.resize(length);
  return escaped;
}
