// A stand-in for hwdex.exe in the tests of the updater and the setup program under Wine; never
// shipped. Like the program it holds the mutex "hwdex" while it runs; it writes one line per start
// into "probe.log" beside itself ("<version text> started"); with the argument "upgrade" it hands
// over to the updater as the program does when the user accepts an upgrade: it moves itself to
// "hwdex.exe.old", starts "hx_up.exe" and ends a moment later ("<version text> ended").
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/product_version.h"
#include "app/update_rules.h"
#include "platform/files.h"

namespace {

void Log(const std::string& dir, const std::string& line) {
  std::FILE* log = std::fopen((dir + "\\probe.log").c_str(), "ab");
  if (log == nullptr) return;
  std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  CreateMutexA(nullptr, FALSE, kProgramMutexName);
  char path[MAX_PATH];
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  const std::string dir = self.substr(0, self.find_last_of('\\'));
  const std::string version = ProductVersionText(self).value_or("none");
  Log(dir, version + " started");
  if (std::string(commandLine) != "upgrade") return 0;
  MoveFileOver(self, self + kOldProgramSuffix);
  ShellExecuteA(nullptr, nullptr, (dir + "\\" + kUpdaterName).c_str(), nullptr, nullptr, SW_SHOW);
  // The program takes a moment to close after it started the updater; the updater must wait for it.
  Sleep(1500);
  Log(dir, version + " ended");
  return 0;
}
