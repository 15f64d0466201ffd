// hwdex.exe's entry: one copy at a time, the program directory, the price columns and the server
// addresses, then the main window until it closes.
#include <windows.h>
#include <ole2.h>

#include "app/browser_pane.h"
#include "app/main_window.h"
#include "app/update_rules.h"
#include "app/window_rules.h"
#include "app/window_state.h"
#include "resources/resource.h"

namespace {

// A second copy only says that the program runs already. The mutex is never released: it lives as
// long as the process.
bool FirstCopy() {
  SetLastError(ERROR_SUCCESS);
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, kProgramMutexName);
  if (mutex != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) return true;
  MessageBoxA(nullptr, "软件已运行!", "提示", MB_OK);
  return false;
}

void ReadSettings(const char* commandLine) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  programFile.assign(path, length);
  programDirectory = ProgramDirectoryOf(programFile);
  const std::string ini = programDirectory + "\\hwdex.ini";
  const DisplayFlags flags = ReadDisplayFlags(commandLine, ini);
  showSecondHand = flags.showSecondHand;
  showNewPrice = flags.showNewPrice;
  servers = ReadServerAddresses(ini);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (!FirstCopy()) return 0;
  OleInitialize(nullptr);
  InitBrowserHost();
  ReadSettings(commandLine);
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
  // A scan may still be running. Its thread must end with the process before the runtime's exit
  // tears down the texts it writes, so the process ends here at once, without waiting for it.
  ExitProcess(0);
}
