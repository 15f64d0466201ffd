// The updater's road and its messages.
#include "updater/updater_road.h"

#include <cstdio>

#include "app/file_hash.h"
#include "app/servers.h"
#include "app/update_rules.h"
#include "platform/files.h"
#include "platform/notice.h"
#include "platform/profile.h"

namespace {

// What went wrong, by end; the second half of the notice says whether the old program is back.
struct UpdaterMessageRow { UpdaterEnd end; const char* text; };
constexpr UpdaterMessageRow kUpdaterMessages[] = {
    {UpdaterEnd::kDownloadFailed, "升级失败：无法从升级服务器下载新版本，请检查网络后再试。"},
    {UpdaterEnd::kSetupRefused, "升级失败：下载的安装程序与官方发布的不一致（校验未通过），已拒绝安装。"},
    {UpdaterEnd::kSetupFailed, "升级失败：新版本没有安装成功。"},
    {UpdaterEnd::kStartFailed, "升级失败：新版本无法启动。"},
};
constexpr const char* kOldProgramBack = "已恢复原来的版本。";
constexpr const char* kNoProgram = "找不到原来的程序，请从沐杉网站重新下载安装沐杉电脑助手。";
constexpr const char* kNoticeCaption = "提示";

// Whether a file can be read at path (a GBK path on Windows: the C library takes the system code page).
bool Exists(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::fclose(file);
  return true;
}

struct Paths {
  std::string program, oldProgram, setup, versionFile;
};

Paths PathsIn(const std::string& dir) {
  const std::string program = ProgramFile(dir, kProgramName);
  return {program, program + kOldProgramSuffix, ProgramFile(dir, kSetupName), ProgramFile(dir, kVersionFileName)};
}

bool Download(const UpdaterHooks& hooks, const std::string& address, const std::string& path) {
  return hooks.download != nullptr && hooks.download(hooks.context, address, path);
}

// Fetches the setup program; the end when that fails or the file is not the published one.
std::optional<UpdaterEnd> FetchSetup(const Paths& paths, const std::string& server, const UpdaterHooks& hooks) {
  if (!Download(hooks, SiteAddress(server, kVersionFilePath), paths.versionFile)) return UpdaterEnd::kDownloadFailed;
  const std::string expected = ReadProfileString(kVersionSection, kSetupName, "", paths.versionFile);
  std::remove(paths.versionFile.c_str());
  if (!Download(hooks, SiteAddress(server, kSetupPath), paths.setup)) return UpdaterEnd::kDownloadFailed;
  if (!FileHashMatches(paths.setup, expected)) return UpdaterEnd::kSetupRefused;
  return std::nullopt;
}

// The program that ran before the upgrade goes back to its name. When the setup never ran and the
// program file is still there (its move to ".old" had failed), that file is the one that ran.
bool PutOldProgramBack(const Paths& paths, bool setupRan) {
  if (Exists(paths.oldProgram) && (setupRan || !Exists(paths.program))) MoveFileOver(paths.oldProgram, paths.program);
  return Exists(paths.program);
}

UpdaterEnd Fail(UpdaterEnd end, const Paths& paths, bool setupRan, const UpdaterHooks& hooks) {
  std::remove(paths.setup.c_str());
  const bool back = PutOldProgramBack(paths, setupRan);
  if (back && hooks.startProgram != nullptr) hooks.startProgram(hooks.context, paths.program);
  ShowNotice(UpdaterMessage(end, back), kNoticeCaption);
  return end;
}

}  // namespace

UpdaterEnd RunUpdater(const std::string& programDir, const std::string& updateServer, const UpdaterHooks& hooks) {
  const Paths paths = PathsIn(programDir);
  if (const std::optional<UpdaterEnd> failed = FetchSetup(paths, updateServer, hooks)) {
    return Fail(*failed, paths, false, hooks);
  }
  const std::optional<int> exitCode =
      hooks.runSetup != nullptr ? hooks.runSetup(hooks.context, paths.setup, programDir) : std::nullopt;
  std::remove(paths.setup.c_str());
  if (!exitCode) return Fail(UpdaterEnd::kSetupFailed, paths, false, hooks);
  if (*exitCode != 0 || !Exists(paths.program)) return Fail(UpdaterEnd::kSetupFailed, paths, true, hooks);
  if (hooks.startProgram == nullptr || !hooks.startProgram(hooks.context, paths.program)) {
    return Fail(UpdaterEnd::kStartFailed, paths, true, hooks);
  }
  std::remove(paths.oldProgram.c_str());
  return UpdaterEnd::kInstalled;
}

std::string UpdaterMessage(UpdaterEnd end, bool oldProgramBack) {
  std::string text;
  for (const UpdaterMessageRow& row : kUpdaterMessages) {
    if (row.end == end) text = row.text;
  }
  return text + "\r\n" + (oldProgramBack ? kOldProgramBack : kNoProgram);
}
