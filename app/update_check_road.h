// The road of one update check after a scan, from the title to the upgrade hand-over. The window's
// update check thread runs it with hooks that set the title, download, start timer 1, ask the
// question, start the updater and close the window; everything else (files, the version file, the
// comparison, hashes, the upload marker) is done here.
#pragma once

#include <optional>
#include <string>

struct UpdateCheckHooks {
  void* context = nullptr;
  void (*setTitle)(void* context, const std::string& title) = nullptr;
  // Fetches address into the file at path; false when the download failed.
  bool (*download)(void* context, const std::string& address, const std::string& path) = nullptr;
  // The main window's timer 1: the upload prompt ten seconds later.
  void (*startUploadTimer)(void* context) = nullptr;
  // "检测到新版本，请点[确定]升级": true when the user pressed OK.
  bool (*askUpgrade)(void* context) = nullptr;
  // Starts the downloaded updater (it does not wait for it).
  void (*startUpdater)(void* context, const std::string& path) = nullptr;
  // Closes the main window; the program then ends and the updater takes over.
  void (*closeWindow)(void* context) = nullptr;
};

struct UpdateCheckInput {
  std::string programDir;                   // the program directory, no trailing separator
  std::string programFile;                  // the running program file's full path
  std::optional<std::string> localVersion;  // its version text; none without a version resource
  std::string updateServer;                 // scheme and host, no trailing "/"
};

// What the check ended with, for the thread's return value and for tests.
enum class UpdateCheckEnd {
  kNothingNewer,    // no server, no newer version, or no local version: the upload marker was checked
  kNoVersionId,     // the version file has no "ID": it stays on disk, nothing else (the thread returns -1)
  kUpdaterFailed,   // newer, but the updater could not be fetched or is not the published one
  kDeclined,        // newer, the updater is here, the user pressed Cancel
  kUpgradeStarted,  // the program file is "hwdex.exe.old", "up" is "0", the updater runs, the window closes
};

UpdateCheckEnd RunUpdateCheck(const UpdateCheckInput& input, const UpdateCheckHooks& hooks);

// The thread's return value for an end: -1 for kNoVersionId, else 0.
int UpdateCheckExitCode(UpdateCheckEnd end);

// An end in words for the trace: "nothing newer", "no version id", "updater failed", "declined",
// "upgrade started".
const char* UpdateCheckEndName(UpdateCheckEnd end);
