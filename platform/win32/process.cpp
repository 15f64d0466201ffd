// Starting a program with CreateProcessA and waiting for it.
#include "platform/process.h"

#include <windows.h>

#include <vector>

std::string RunningProgramDirectory() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string text(path, n);
  const size_t slash = text.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : text.substr(0, slash);
}

std::optional<int> RunAndWait(const std::string& commandLine, const std::string& directory) {
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  // No application name: Windows looks for the program beside the running one, then in the
  // working directory. Handles are not inherited; the environment is.
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &process)) {
    return std::nullopt;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

void PauseMilliseconds(int ms) { Sleep(static_cast<DWORD>(ms)); }
