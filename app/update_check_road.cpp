// One update check: the title, the version file, the comparison, the updater and its hash, the
// upload marker, the question and the hand-over to the updater.
#include "app/update_check_road.h"

#include <cstdio>

#include "app/file_hash.h"
#include "app/servers.h"
#include "app/update_rules.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"

namespace {

// No newer version to offer: the upload prompt follows unless the configuration was uploaded.
UpdateCheckEnd CheckUploadMarker(const UpdateCheckHooks& hooks) {
  if (UploadPromptDue(ReadUserValue(kUploadMarkerName)) && hooks.startUploadTimer != nullptr) {
    hooks.startUploadTimer(hooks.context);
  }
  return UpdateCheckEnd::kNothingNewer;
}

bool Download(const UpdateCheckHooks& hooks, const std::string& address, const std::string& path) {
  return hooks.download != nullptr && hooks.download(hooks.context, address, path);
}

// Fetches the updater; only the file whose hash the version file names is kept.
bool FetchUpdater(const UpdateCheckInput& input, const UpdateCheckHooks& hooks, const std::string& expectedHash) {
  const std::string updater = ProgramFile(input.programDir, kUpdaterName);
  if (!Download(hooks, SiteAddress(input.updateServer, kUpdaterPath), updater)) return false;
  if (FileHashMatches(updater, expectedHash)) return true;
  std::remove(updater.c_str());  // damaged or not ours: never left where it could be started
  return false;
}

// The user said OK: the running program steps aside for the updater, which puts the new one in
// its place. A program file left over under the ".old" name by an earlier upgrade is replaced, so
// that the updater can only ever put back the program that ran last.
UpdateCheckEnd HandOver(const UpdateCheckInput& input, const UpdateCheckHooks& hooks) {
  MoveFileOver(input.programFile, input.programFile + kOldProgramSuffix);  // on failure the upgrade goes on
  WriteUserValue(kUploadMarkerName, "0");
  if (hooks.startUpdater != nullptr) hooks.startUpdater(hooks.context, ProgramFile(input.programDir, kUpdaterName));
  if (hooks.closeWindow != nullptr) hooks.closeWindow(hooks.context);
  return UpdateCheckEnd::kUpgradeStarted;
}

}  // namespace

UpdateCheckEnd RunUpdateCheck(const UpdateCheckInput& input, const UpdateCheckHooks& hooks) {
  if (hooks.setTitle != nullptr) hooks.setTitle(hooks.context, WindowTitle(input.localVersion));
  // Without a version of its own the program cannot tell whether the server's is newer.
  if (!input.localVersion) return CheckUploadMarker(hooks);

  const std::string versionFile = ProgramFile(input.programDir, kVersionFileName);
  if (!Download(hooks, SiteAddress(input.updateServer, kVersionFilePath), versionFile)) return CheckUploadMarker(hooks);
  const std::string serverVersion =
      ReadProfileString(kVersionSection, kVersionKey, "", versionFile).substr(0, kVersionIdLimit);
  if (serverVersion.empty()) return UpdateCheckEnd::kNoVersionId;
  const std::string updaterHash = ReadProfileString(kVersionSection, kUpdaterName, "", versionFile);
  std::remove(versionFile.c_str());

  if (!ServerIsNewer(*input.localVersion, serverVersion)) return CheckUploadMarker(hooks);
  if (!FetchUpdater(input, hooks, updaterHash)) return UpdateCheckEnd::kUpdaterFailed;
  if (hooks.askUpgrade == nullptr || !hooks.askUpgrade(hooks.context)) return UpdateCheckEnd::kDeclined;
  return HandOver(input, hooks);
}

int UpdateCheckExitCode(UpdateCheckEnd end) { return end == UpdateCheckEnd::kNoVersionId ? -1 : 0; }

const char* UpdateCheckEndName(UpdateCheckEnd end) {
  switch (end) {
    case UpdateCheckEnd::kNothingNewer:
      return "nothing newer";
    case UpdateCheckEnd::kNoVersionId:
      return "no version id";
    case UpdateCheckEnd::kUpdaterFailed:
      return "updater failed";
    case UpdateCheckEnd::kDeclined:
      return "declined";
    case UpdateCheckEnd::kUpgradeStarted:
      return "upgrade started";
  }
  return "";
}
