// Moving a finished file into place; the C library's rename refuses an existing target on Windows.
#include "platform/files.h"

#include <windows.h>

bool MoveFileOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}
