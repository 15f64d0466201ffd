// Moving a finished file into place.
#pragma once

#include <string>

// Renames from to to, replacing a file already there; false when it could not be done.
bool MoveFileOver(const std::string& from, const std::string& to);
