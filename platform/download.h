// Fetching a file from a web address (Windows only: the update check and the updater).
#pragma once

#include <string>

#ifdef _WIN32
// Downloads address into the file at path, replacing it. The copy of address in the system's web
// cache is dropped first, so that a file changed on the server is always fetched anew. false when
// the download failed; no partial file is left at path then.
bool DownloadToFile(const std::string& address, const std::string& path);
#endif
