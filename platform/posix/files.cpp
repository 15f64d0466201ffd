// Moving a finished file into place with rename(2), which replaces the target.
#include "platform/files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

bool MoveFileOver(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool ReplaceableByRename(const std::string& path) {
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return errno == ENOENT;
  return S_ISREG(info.st_mode);
}
