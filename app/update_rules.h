// The rules of the update check: the program's version text, the comparison with the update
// server's version, the window title, and the names on the update server.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The version file "/up/hxver.rar" (an ini text despite its name): section "版本", key "ID" the
// newest version, and beside it one key per offered program whose value is that file's SHA-256.
constexpr const char* kVersionFileName = "hxver.rar";
constexpr const char* kVersionFilePath = "/up/hxver.rar";
constexpr const char* kVersionSection = "版本";
constexpr const char* kVersionKey = "ID";
constexpr const char* kUpdaterName = "hx_up.exe";
constexpr const char* kUpdaterPath = "/up/hx_up.exe";
constexpr const char* kSetupName = "hx_setup.exe";
constexpr const char* kSetupPath = "/up/hx_setup.exe";
constexpr const char* kProgramName = "hwdex.exe";
constexpr const char* kOldProgramSuffix = ".old";
// The program's single-instance mutex: it exists exactly as long as the program runs.
constexpr const char* kProgramMutexName = "hwdex";
// The per-user value that says the machine's configuration has been uploaded ("1").
constexpr const char* kUploadMarkerName = "up";
// "ID" is read as GetPrivateProfileStringA reads it into a 50-byte buffer.
constexpr size_t kVersionIdLimit = 49;

// The version text of a program file's product version, "%d.%d%d" of the high and low word of the
// most significant part and the high word of the least significant part: 2.1.5 gives "2.15".
std::string VersionTextOf(uint32_t productVersionMs, uint32_t productVersionLs);

// A version text as the number versions are compared by: the decimal number times 100, truncated
// ("2.15" gives 215, "2.9" gives 290, "2.155" gives 215). Text that is no number gives 0.
long long VersionNumber(const std::string& text);

// Whether the server's version is newer than the local one.
bool ServerIsNewer(const std::string& localVersion, const std::string& serverVersion);

// The main window's title: the product name, a blank and the version; the name alone when the
// program file has no version resource.
std::string WindowTitle(const std::optional<std::string>& localVersion);

// Whether the upload prompt is due: unless the marker is exactly "1" (missing counts as not "1").
bool UploadPromptDue(const std::optional<std::string>& uploadMarker);
