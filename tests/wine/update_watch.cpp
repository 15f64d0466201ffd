// A helper of the update tests under Wine (not shipped). It waits, with a time limit, for what the
// updater does where a shell script cannot see it:
//   update_watch box CAPTION SECONDS   a message box with that caption: writes its text (GBK)
//   update_watch ok CAPTION SECONDS    the same, and presses its OK button
//   update_watch gone NAME SECONDS     no process of that file name runs any more
// Exit code 0 when it came, 1 when the time ran out, 2 for a bad command line.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Box {
  std::string text;
};

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return TRUE;
  char text[1024] = {};
  GetWindowTextA(child, text, sizeof text);
  auto* box = reinterpret_cast<Box*>(param);
  if (std::strlen(text) > box->text.size()) box->text = text;  // the icon's static has no text
  return TRUE;
}

bool ProcessRuns(const char* name) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return true;
  PROCESSENTRY32 entry;
  entry.dwSize = sizeof entry;
  bool found = false;
  for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
    found = lstrcmpiA(entry.szExeFile, name) == 0;
  }
  CloseHandle(snapshot);
  return found;
}

int FindBox(const char* caption, DWORD limitMs, bool pressOk) {
  for (DWORD waited = 0; waited < limitMs; waited += 100) {
    const HWND box = FindWindowA("#32770", caption);
    if (box != nullptr) {
      Box found;
      EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&found));
      std::printf("%s\n", found.text.c_str());
      std::fflush(stdout);
      const HWND ok = GetDlgItem(box, IDOK);
      if (pressOk && ok != nullptr) SendMessageA(ok, BM_CLICK, 0, 0);
      if (pressOk && ok == nullptr) SendMessageA(box, WM_COMMAND, IDOK, 0);
      return 0;
    }
    Sleep(100);
  }
  std::fprintf(stderr, "update_watch: no message box \"%s\" within %lu ms\n", caption, limitMs);
  return 1;
}

int WaitUntilGone(const char* name, DWORD limitMs) {
  for (DWORD waited = 0; waited < limitMs; waited += 100) {
    if (!ProcessRuns(name)) return 0;
    Sleep(100);
  }
  std::fprintf(stderr, "update_watch: %s still runs after %lu ms\n", name, limitMs);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: update_watch box|ok CAPTION SECONDS | gone NAME SECONDS\n");
    return 2;
  }
  const DWORD limitMs = static_cast<DWORD>(std::atoi(argv[3])) * 1000;
  if (std::strcmp(argv[1], "box") == 0) return FindBox(argv[2], limitMs, false);
  if (std::strcmp(argv[1], "ok") == 0) return FindBox(argv[2], limitMs, true);
  if (std::strcmp(argv[1], "gone") == 0) return WaitUntilGone(argv[2], limitMs);
  std::fprintf(stderr, "update_watch: unknown command %s\n", argv[1]);
  return 2;
}
