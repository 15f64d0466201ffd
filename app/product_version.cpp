// The product version of a program file through GetFileVersionInfoA.
#include "app/product_version.h"

#include <windows.h>

#include <vector>

#include "app/update_rules.h"

std::optional<std::string> ProductVersionText(const std::string& path) {
  DWORD unused = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &unused);
  if (size == 0) return std::nullopt;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return std::nullopt;
  void* fixed = nullptr;
  UINT length = 0;
  char root[] = "\\";
  if (!VerQueryValueA(data.data(), root, &fixed, &length) || length < sizeof(VS_FIXEDFILEINFO)) return std::nullopt;
  const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  return VersionTextOf(info->dwProductVersionMS, info->dwProductVersionLS);
}
