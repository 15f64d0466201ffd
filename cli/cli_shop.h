// hwdex-cli shop: the shop catalogue listed as the part picker lists it, one row a line, so that a
// shop can export its price list and the catalogue can be run as a process.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/servers.h"

struct ShopCliOptions {
  enum class List { kPage, kBrands, kSearch } list = List::kPage;
  int category = -1;   // the component category (parent_id): 18 CPU … 0 for the row "其它"
  int page = 0;        // page of goods, from 0
  int brand = 0;       // cat_id of one brand, 0 for the whole category
  std::string search;  // search text as given (UTF-8 natively, the ANSI code page on Windows)
  bool serverGiven = false;
  std::string host;    // from --server, else from hwdex.ini beside the program
  int port = 3306;
  bool gbk = false;    // write GBK bytes instead of UTF-8
};

// Parses the arguments after "shop"; on a bad one returns false with error set (Chinese, then English).
bool ParseShopOptions(const std::vector<std::string>& args, ShopCliOptions& options, std::string& error);

// The usage line of the command (GBK).
const char* ShopUsage();

// Runs "hwdex-cli shop ARGS..." (args after "shop"); returns the exit code: 0 listed, 1 no connection
// to the shop database, 2 bad arguments.
int RunShopCommand(const std::vector<std::string>& args);

// Writes a GBK text to stream, converted to UTF-8 unless asGbk.
void WriteOutput(FILE* stream, const std::string& gbk, bool asGbk);

// The servers of a command that talks to the shop: those of hwdex.ini beside the program, the
// shop database's host and port replaced by --server when it was given.
ServerAddresses CommandLineServers(bool serverGiven, const std::string& host, int port);
