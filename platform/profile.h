// Reading a value of an ini file, with the rules of GetPrivateProfileStringA.
#pragma once

#include <string>

// The value of key in [section] of the file at path; defaultValue when the file, the section or the
// key is missing. Section and key names compare case-insensitively (GBK bytes are compared as they
// are), blanks around names and values are trimmed, the first match wins.
std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& path);
