// The version text of a program file, read from its version resource (Windows only).
#pragma once

#include <optional>
#include <string>

#ifdef _WIN32
// "%d.%d%d" of the fixed product version (see VersionTextOf); nothing when the file has no version
// resource or cannot be read.
std::optional<std::string> ProductVersionText(const std::string& path);
#endif
