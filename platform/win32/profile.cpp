// Ini values through GetPrivateProfileStringA.
#include "platform/profile.h"

#include <windows.h>

std::string ReadProfileString(const std::string& section, const std::string& key, const std::string& defaultValue,
                              const std::string& path) {
  char buffer[1024];
  const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer, sizeof buffer,
                                           path.c_str());
  return std::string(buffer, n);
}
