// Finding hwdex.exe's main window, its pages, controls and message boxes; texts and failures.
#include <cstdio>

#include "resources/resource.h"
#include "tests/wine/driver/gui_driver.h"

namespace {

std::string Convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  const int wideLength = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(wideLength), L'\0');
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
  const int length = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wideLength, converted.data(), length, nullptr, nullptr);
  return converted;
}

void Write(std::FILE* stream, const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stream);
  std::fputc('\n', stream);
  std::fflush(stream);
}

bool HasControl(HWND window, int id, const char* className) {
  const HWND control = GetDlgItem(window, id);
  return control != nullptr && ClassOf(control) == className;
}

BOOL CALLBACK CollectMainWindow(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && ClassOf(window) == "#32770" && HasControl(window, IDC_TABS, "SysTabControl32") &&
      HasControl(window, IDC_STATUS_BAR, "msctls_statusbar32")) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

struct BoxSearch {
  std::string caption;
  HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<BoxSearch*>(search);
  if (ClassOf(window) != "#32770" || GetDlgItem(window, IDC_TABS) != nullptr) return TRUE;
  if (!IsWindowVisible(window) || WindowText(window) != wanted->caption) return TRUE;
  wanted->box = window;
  return FALSE;
}

BOOL CALLBACK LongestStatic(HWND child, LPARAM longest) {
  if (ClassOf(child) != "Static") return TRUE;
  const std::string text = WindowText(child);
  auto* found = reinterpret_cast<std::string*>(longest);
  if (text.size() > found->size()) *found = text;
  return TRUE;
}

}  // namespace

std::string Gbk(const std::string& utf8) { return Convert(utf8, CP_UTF8, 936); }
std::string Utf8(const std::string& gbk) { return Convert(gbk, 936, CP_UTF8); }

void Fail(const std::string& message) {
  Log("failed: " + message);
  Write(stderr, "gui_driver: " + message);
  ExitProcess(1);
}

// The log named by HWDEX_DRIVER_LOG (a Windows path), appended with the system's own file calls: it
// shows how far a driver got even when its standard error is lost with it.
void Log(const std::string& line) {
  char path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA("HWDEX_DRIVER_LOG", path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

void Say(const std::string& line) { Write(stdout, line); }

// A control is asked with WM_GETTEXT: GetWindowTextA gives only the creation text of another
// process's edit box, never what was typed into it since. A top-level window's caption is read as the
// system keeps it, without waiting for its thread (busy while the part picker waits for the shop).
std::string WindowText(HWND window) {
  char text[4096] = {};
  if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0) {
    GetWindowTextA(window, text, sizeof text);
    return text;
  }
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::vector<HWND> MainWindows() {
  std::vector<HWND> found;
  EnumWindows(CollectMainWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Under Wine a driver that has just started may list the desktop's windows before it sees all of
// them: a window that should be there is looked for a few seconds before the step fails.
constexpr double kLookSeconds = 5;

HWND MainWindow() {
  std::vector<HWND> windows;
  WaitFor(kLookSeconds, [&] { return !(windows = MainWindows()).empty(); });
  if (windows.empty()) Fail("no main window of hwdex.exe");
  if (windows.size() > 1) Fail(std::to_string(windows.size()) + " main windows of hwdex.exe, expected one");
  return windows.front();
}

// The upload dialogs and the part picker are windows of their own (no owner), each known by one of
// its controls: the upload button, the goods list.
struct DialogSearch {
  int mark;
  std::vector<HWND> dialogs;
};

BOOL CALLBACK FindDialogWithControl(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<DialogSearch*>(search);
  if (IsWindowVisible(window) && ClassOf(window) == "#32770" && GetDlgItem(window, wanted->mark) != nullptr) {
    wanted->dialogs.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> FindDialogs(const std::string& name) {
  const int mark = name == "upload"   ? IDC_MACHINE_UPLOAD_SEND
                   : name == "picker" ? IDC_PICKER_GOODS
                                      : IDC_ASSEMBLY_UPLOAD_SEND;
  DialogSearch search{mark, {}};
  EnumWindows(FindDialogWithControl, reinterpret_cast<LPARAM>(&search));
  return search.dialogs;
}

HWND FindDialog(const std::string& name) {
  const std::vector<HWND> dialogs = FindDialogs(name);
  return dialogs.empty() ? nullptr : dialogs.front();
}

HWND Page(const std::string& name) {
  if (name == "upload" || name == "assembly-upload" || name == "picker") {
    HWND dialog = nullptr;
    if (!WaitFor(kLookSeconds, [&] { return (dialog = FindDialog(name)) != nullptr; }))
      Fail("no " + name + " dialog");
    return dialog;
  }
  const HWND main = MainWindow();
  if (name == "main") return main;
  const int marks[] = {IDC_RESCAN, IDC_DETAIL_WAIT, IDC_UPLOAD_ASSEMBLY};
  const char* names[] = {"summary", "detail", "assembly"};
  for (int i = 0; i < 3; ++i) {
    if (name != names[i]) continue;
    const HWND tabs = GetDlgItem(main, IDC_TABS);
    for (HWND page = GetWindow(tabs, GW_CHILD); page != nullptr; page = GetWindow(page, GW_HWNDNEXT)) {
      if (ClassOf(page) == "#32770" && GetDlgItem(page, marks[i]) != nullptr) return page;
    }
    Fail("no " + name + " page in the tab control");
  }
  Fail("unknown page \"" + name + "\" (main, summary, detail, assembly, upload, assembly-upload or picker)");
}

HWND Control(const std::string& page, int id) {
  const HWND control = GetDlgItem(Page(page), id);
  if (control == nullptr) Fail("no control " + std::to_string(id) + " on the " + page + " page");
  return control;
}

HWND FindMessageBox(const std::string& caption) {
  BoxSearch search{caption};
  EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
  return search.box;
}

std::string MessageBoxText(HWND box) {
  std::string longest;
  EnumChildWindows(box, LongestStatic, reinterpret_cast<LPARAM>(&longest));
  return longest;
}
