// The compiled-in server addresses and their override from "hwdex.ini".
#include "app/servers.h"

#include <cstdlib>

#include "platform/profile.h"
#include "scan/product.h"

namespace {

constexpr const char* kUpdateServer = kProductSite;
constexpr const char* kDatabaseHost = "db.mushan-pc.cn";
constexpr int kDatabasePort = 3306;
constexpr const char* kSection = "服务器";

std::string WithoutTrailingSlash(std::string address) {
  while (!address.empty() && address.back() == '/') address.pop_back();
  return address;
}

// A port of 1 to 65535 written as plain decimal digits; 0 for anything else.
int PortNumber(const std::string& text) {
  if (text.empty() || text.size() > 5) return 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
  }
  const int port = std::atoi(text.c_str());
  return port >= 1 && port <= 65535 ? port : 0;
}

}  // namespace

ServerAddresses DefaultServerAddresses() {
  ServerAddresses servers;
  servers.site = kProductSite;
  servers.update = kUpdateServer;
  servers.databaseHost = kDatabaseHost;
  servers.databasePort = kDatabasePort;
  return servers;
}

ServerAddresses ReadServerAddresses(const std::string& iniPath) {
  ServerAddresses servers = DefaultServerAddresses();
  const std::string site = WithoutTrailingSlash(ReadProfileString(kSection, "网站", "", iniPath));
  const std::string update = WithoutTrailingSlash(ReadProfileString(kSection, "升级", "", iniPath));
  const std::string host = ReadProfileString(kSection, "资料库", "", iniPath);
  const int port = PortNumber(ReadProfileString(kSection, "端口", "", iniPath));
  if (!site.empty()) servers.site = site;
  if (!update.empty()) servers.update = update;
  if (!host.empty()) servers.databaseHost = host;
  if (port != 0) servers.databasePort = port;
  return servers;
}

std::string SiteAddress(const std::string& address, const char* path) { return address + path; }
