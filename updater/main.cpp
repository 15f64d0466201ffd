// hx_up.exe, the updater the program starts when the user accepts an upgrade. It has no window of
// its own: it waits until the program has ended, then runs the updater road with Windows' downloads,
// the silent setup program and a program start.
#include <windows.h>
#include <tlhelp32.h>

#include "app/servers.h"
#include "app/update_rules.h"
#include "platform/download.h"
#include "platform/process.h"
#include "platform/files.h"
#include "updater/updater_road.h"

namespace {

// How long the updater waits for the program to end before it goes on regardless.
constexpr DWORD kProgramEndWaitMs = 30000;

// The process that started this one (the program, through ShellExecuteA), or 0.
DWORD StarterProcessId() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
}

// Waits for the starter to end, then for the program's single-instance mutex to go: the program
// holds it until its process is gone, and only then may its files be replaced.
void WaitForProgramEnd() {
  const DWORD started = GetTickCount();
  if (const DWORD parent = StarterProcessId()) {
    if (const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, parent)) {
      WaitForSingleObject(process, kProgramEndWaitMs);
      CloseHandle(process);
    }
  }
  while (GetTickCount() - started < kProgramEndWaitMs) {
    const HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kProgramMutexName);
    if (mutex == nullptr) return;
    CloseHandle(mutex);
    Sleep(100);
  }
}

bool Download(void*, const std::string& address, const std::string& path) { return DownloadToFile(address, path); }

// The setup program in silent mode into dir ("/D=" comes last and is not quoted).
std::optional<int> RunSetup(void*, const std::string& setupPath, const std::string& dir) {
  return RunAndWait("\"" + setupPath + "\" /S /D=" + dir, dir);
}

bool StartProgram(void*, const std::string& path) {
  const std::string dir = path.substr(0, path.find_last_of('\\'));
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // One updater at a time; the mutex lives until this process ends.
  const HANDLE self = CreateMutexA(nullptr, FALSE, "hx_up");
  if (self == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  WaitForProgramEnd();
  const std::string dir = RunningProgramDirectory();
  const ServerAddresses servers = ReadServerAddresses(ProgramFile(dir, "hwdex.ini"));
  const UpdaterHooks hooks{nullptr, Download, RunSetup, StartProgram};
  return RunUpdater(dir, servers.update, hooks) == UpdaterEnd::kInstalled ? 0 : 1;
}
