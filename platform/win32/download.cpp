// Downloads through URLDownloadToFileA, past the web cache.
#include "platform/download.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

bool DownloadToFile(const std::string& address, const std::string& path) {
  // The cache would otherwise answer with the version file of an earlier check.
  DeleteUrlCacheEntryA(address.c_str());
  const HRESULT result = URLDownloadToFileA(nullptr, address.c_str(), path.c_str(), 0, nullptr);
  DeleteUrlCacheEntryA(address.c_str());
  if (SUCCEEDED(result)) return true;
  DeleteFileA(path.c_str());
  return false;
}
