// The connection to the shop's MySQL database: one per user action, GBK on both sides, and the
// statements sent over it. Used by the part picker, the uploads and hwdex-cli.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/servers.h"

struct st_mysql;  // MYSQL of the client library

// An account on the shop database.
struct ShopLogin {
  const char* user;
  const char* password;
  const char* database;
};

// The program's own account, the same in every copy of the program.
extern const ShopLogin kShopLogin;

// Seconds a connection attempt (up to the login) may take before it counts as failed, and seconds
// the server may stay silent while a statement is sent or answered.
constexpr unsigned kShopConnectTimeout = 10;
constexpr unsigned kShopStatementTimeout = 30;

struct ShopConnectionCloser {
  void operator()(st_mysql* connection) const;
};
// An open connection; closing it is leaving its scope.
using ShopConnection = std::unique_ptr<st_mysql, ShopConnectionCloser>;

// Connects to host:port with login, the client character set GBK (so that escaping knows GBK's
// double-byte characters) and the connect time-out. Empty on failure; *why (when given) then holds
// the client library's reason.
ShopConnection ConnectToShop(const std::string& host, int port, const ShopLogin& login,
                             std::string* why = nullptr);

// The program's connection: the shop database server of servers with the program's account.
ShopConnection OpenShopConnection(const ServerAddresses& servers, std::string* why = nullptr);

// Sends "set names gbk", as before every catalogue statement and upload.
void SendSetNames(st_mysql* connection);

// One row of a result: its values as text.
using ShopRow = std::vector<std::string>;

// Runs statement and returns its rows in the server's order. A row whose first value is NULL is left
// out; any other NULL value reads as an empty text. A statement that fails or gives no result set
// gives no rows.
std::vector<ShopRow> QueryRows(st_mysql* connection, const std::string& statement);

// text escaped for a quoted string of a statement on this connection (mysql_real_escape_string with
// the connection's GBK character set): quotes and backslashes cannot end or change the string, and a
// double-byte character whose trail byte is 0x5C stays whole.
std::string EscapeString(st_mysql* connection, const std::string& text);
