// The servers the program talks to: the product web site, the update server and the shop database.
// Compiled in; the optional section "服务器" of "hwdex.ini" beside the program points a shop at its
// own servers, and the tests at local ones.
#pragma once

#include <string>

struct ServerAddresses {
  std::string site;          // product web site: scheme and host, no trailing "/"
  std::string update;        // update server, the same form
  std::string databaseHost;  // the shop's MySQL server
  int databasePort = 3306;
};

// The compiled-in addresses.
ServerAddresses DefaultServerAddresses();

// The compiled-in addresses with the keys "网站", "升级", "资料库" and "端口" of section "服务器" of
// iniPath applied; a missing key, or a port that is not a number from 1 to 65535, keeps its default.
// A trailing "/" of an address is dropped, so that paths can be appended.
ServerAddresses ReadServerAddresses(const std::string& iniPath);

// address + path, where path begins with "/" (for example "/load.htm").
std::string SiteAddress(const std::string& address, const char* path);
