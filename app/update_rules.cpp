// The update check's version text, version comparison, window title and upload-prompt rule.
#include "app/update_rules.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "scan/product.h"

std::string VersionTextOf(uint32_t productVersionMs, uint32_t productVersionLs) {
  char text[50];
  std::snprintf(text, sizeof text, "%d.%d%d", static_cast<int>(productVersionMs >> 16),
                static_cast<int>(productVersionMs & 0xFFFF), static_cast<int>(productVersionLs >> 16));
  return text;
}

namespace {

// value times 100, truncated, for value >= 0. A decimal text such as "2.30" is stored as the double
// just below 2.3, whose product with 100 is 229.99999999999997: the next integer n is taken when
// n / 100 is that very double, so that the result is the text's own hundredths.
long long HundredthsOf(double value) {
  const double limit = 9e18;
  const double scaled = value * 100.0;
  if (scaled >= limit) return static_cast<long long>(limit);
  double whole = std::trunc(scaled);
  if ((whole + 1.0) / 100.0 <= value) whole += 1.0;
  if (whole > 0.0 && whole / 100.0 > value) whole -= 1.0;
  return static_cast<long long>(whole);
}

}  // namespace

long long VersionNumber(const std::string& text) {
  const double value = std::strtod(text.c_str(), nullptr);
  if (!std::isfinite(value)) return 0;
  return value < 0 ? -HundredthsOf(-value) : HundredthsOf(value);
}

bool ServerIsNewer(const std::string& localVersion, const std::string& serverVersion) {
  return VersionNumber(localVersion) < VersionNumber(serverVersion);
}

std::string WindowTitle(const std::optional<std::string>& localVersion) {
  if (!localVersion) return kProductName;
  return std::string(kProductName) + " " + *localVersion;
}

bool UploadPromptDue(const std::optional<std::string>& uploadMarker) {
  return !uploadMarker || *uploadMarker != "1";
}
