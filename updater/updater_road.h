// The road of the updater hx_up.exe once the program that started it has ended: fetch the version
// file and the setup program, run the setup only when its hash is the published one, start the new
// program; on any failure put the old program back, start it and say what went wrong.
#pragma once

#include <optional>
#include <string>

struct UpdaterHooks {
  void* context = nullptr;
  // Fetches address into the file at path; false when the download failed.
  bool (*download)(void* context, const std::string& address, const std::string& path) = nullptr;
  // Runs the setup program silently into dir and waits for it: its exit code, nothing when it could
  // not be started.
  std::optional<int> (*runSetup)(void* context, const std::string& setupPath, const std::string& dir) = nullptr;
  // Starts the program without waiting; false when it could not be started.
  bool (*startProgram)(void* context, const std::string& path) = nullptr;
};

enum class UpdaterEnd {
  kInstalled,       // the new program runs; "hwdex.exe.old" is gone
  kDownloadFailed,  // the version file or the setup program could not be fetched
  kSetupRefused,    // the setup program's hash is missing from the version file or differs
  kSetupFailed,     // the setup program could not be started, failed, or left no program
  kStartFailed,     // the new program could not be started
};

// Runs the road in programDir against updateServer (scheme and host); every end but kInstalled has
// shown its notice (caption "提示") after the old program was put back and started.
UpdaterEnd RunUpdater(const std::string& programDir, const std::string& updateServer, const UpdaterHooks& hooks);

// The notice for a failed end: what went wrong, and whether the old program is back.
std::string UpdaterMessage(UpdaterEnd end, bool oldProgramBack);
