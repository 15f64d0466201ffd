// Fetching a file from a web address (Windows only: the update check and the updater).
#pragma once

#include <string>

#ifdef _WIN32
// Downloads address (http or https) into the file at path, replacing it only when the whole file
// came. The server must answer 200: an error page for a missing file is a failed download, not the
// file. Nothing is taken from or put into the web cache, so that a file changed on the server is
// always fetched anew. false on any failure; an older file at path then stays as it was.
bool DownloadToFile(const std::string& address, const std::string& path);
#endif
