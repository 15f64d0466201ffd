// The private shop database server of the test run (tests/db/shop-db), as the shop tests reach it.
#pragma once

#include <string>
#include <vector>

#include "assembly/shop_connection.h"

// The port the server listens on (127.0.0.1).
int ShopServerPort();

// A connection with the program's account, as the program opens it.
ShopConnection ConnectAsProgram();

// The statements connection `id` has sent so far, in order, from the server's general log.
std::vector<std::string> SentStatements(unsigned long id);

#ifndef _WIN32
// The server's administrator (the Unix account that started it, over its socket), GBK on the client
// side: for what the program's account may not do, such as reading articles back or making a
// database of a test's own.
ShopConnection ConnectAsAdministrator();

// Runs statement as the administrator; a failure fails the test.
void Administer(st_mysql* administrator, const std::string& statement);
#endif
