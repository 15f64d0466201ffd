// Moving a finished file into place with rename(2), which replaces the target.
#include "platform/files.h"

#include <cstdio>

bool MoveFileOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}
