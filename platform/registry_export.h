// POSIX only: filling the in-memory registry of registry.h from regedit exports.
#pragma once

#ifndef _WIN32
#include <string>

// Merges a regedit export (REGEDIT4 in GBK, or version 5.00 in UTF-16LE with a byte-order mark)
// into the tree; keys outside HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER are ignored. On a malformed
// file nothing of it is kept and error names the file and line.
bool LoadRegistryExport(const std::string& path, std::string& error);
bool LoadRegistryExportText(const std::string& bytes, const std::string& fileName, std::string& error);
#endif
