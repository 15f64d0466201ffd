// A notice for the user on standard error, as "[caption] text" in UTF-8.
#include "platform/notice.h"

#include <cstdio>

#include "platform/encoding.h"

void ShowPlatformNotice(const std::string& text, const std::string& caption) {
  const std::string line = "[" + GbkToUtf8(caption) + "] " + GbkToUtf8(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}
