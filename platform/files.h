// Moving a finished file into place.
#pragma once

#include <string>

// Renames from to to, replacing a file already there; false when it could not be done.
bool MoveFileOver(const std::string& from, const std::string& to);

// Whether path names nothing yet or an ordinary file, which a finished file may replace by a rename.
// A device, pipe or directory must be written in place instead.
bool ReplaceableByRename(const std::string& path);
