// The window's side of the update check: the road's hooks on the main window. The title and the
// close are sent to it (its thread does them while this one waits), timer 1 is posted to it, the
// question is a message box it owns; the downloads and the updater's start happen on this thread.
#include "app/update_check.h"

#include <shellapi.h>

#include "app/product_version.h"
#include "app/trace.h"
#include "app/update_check_road.h"
#include "app/window_rules.h"
#include "app/window_state.h"
#include "platform/download.h"

namespace {

constexpr const char* kUpgradeQuestion = "检测到新版本，请点[确定]升级";
constexpr const char* kUpgradeCaption = "提示!";

void SetTitle(void*, const std::string& title) { SetWindowTextA(MainWindow, title.c_str()); }

bool Download(void*, const std::string& address, const std::string& path) { return DownloadToFile(address, path); }

void StartUploadTimer(void*) { PostMessageA(MainWindow, kStartUploadTimerMessage, 0, 0); }

bool AskUpgrade(void*) {
  return MessageBoxA(MainWindow, kUpgradeQuestion, kUpgradeCaption, MB_OKCANCEL | MB_ICONWARNING) == IDOK;
}

void StartUpdater(void*, const std::string& path) {
  ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW);
}

void CloseForUpgrade(void*) { SendMessageA(MainWindow, WM_COMMAND, IDCANCEL, 0); }

}  // namespace

DWORD WINAPI UpdateCheckThread(LPVOID) {
  UpdateCheckInput input;
  input.programDir = programDirectory;
  input.programFile = programFile;
  input.localVersion = ProductVersionText(programFile);
  input.updateServer = servers.update;
  const UpdateCheckHooks hooks{nullptr, SetTitle, Download, StartUploadTimer, AskUpgrade, StartUpdater, CloseForUpgrade};
  const UpdateCheckEnd end = RunUpdateCheck(input, hooks);
  Trace(UpdateCheckTraceLine(UpdateCheckEndName(end)));
  return static_cast<DWORD>(UpdateCheckExitCode(end));
}

void StartUpdateCheck() {
  const HANDLE thread = CreateThread(nullptr, 0, UpdateCheckThread, nullptr, 0, nullptr);
  if (thread != nullptr) CloseHandle(thread);
}
