// The GUI driver's parts (a test program under Wine, never shipped): finding hwdex.exe's windows,
// reading what they show through the process's own memory where a message needs a buffer, and the
// steps a test runs. Texts given to the driver are UTF-8; the program's texts are GBK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// ---- Text and failure ----
std::string Gbk(const std::string& utf8);
std::string Utf8(const std::string& gbk);
// Writes "gui_driver: <message>" (UTF-8) to standard error and ends the driver with exit code 1.
[[noreturn]] void Fail(const std::string& message);
// Appends a line (UTF-8) to the file named by the environment variable HWDEX_DRIVER_LOG, if any.
void Log(const std::string& line);
// Prints a line (UTF-8) on standard output.
void Say(const std::string& line);

// ---- Waiting ----
// Calls condition every 25 ms until it holds or seconds have passed; whether it held.
template <typename Condition>
bool WaitFor(double seconds, Condition condition) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(25);
  }
}

// ---- hwdex.exe's windows ----
// Every main window of hwdex.exe on this desktop that a person sees: a visible dialog with the tab
// control 1000 and the status bar 156 (once the window has opened).
std::vector<HWND> MainWindows();
// The one main window; fails when there is none or more than one.
HWND MainWindow();
DWORD ProcessOf(HWND window);
// A page by name ("summary", "detail", "assembly"), "main" for the main window itself, or a dialog
// of its own (FindDialog).
HWND Page(const std::string& name);
// An upload dialog by name ("upload" for the machine's, "assembly-upload") or the part picker
// ("picker"), or null when none shows.
HWND FindDialog(const std::string& name);
std::vector<HWND> FindDialogs(const std::string& name);
// The control id in page (a page, "main" or an upload dialog); fails when it is missing.
HWND Control(const std::string& page, int id);
std::string WindowText(HWND window);
std::string ClassOf(HWND window);

// A message box (a dialog with a static text and no tab control) with this caption, or null.
HWND FindMessageBox(const std::string& caption);
// Its text: the longest static text in it.
std::string MessageBoxText(HWND box);

// ---- Reading and driving the common controls across the process boundary ----
std::vector<std::string> TabTexts(HWND tabs);
RECT TabItemRect(HWND tabs, int index);  // in screen coordinates
std::string StatusText(HWND statusBar, int part);
std::vector<int> StatusEdges(HWND statusBar);
std::vector<std::string> ComboItems(HWND combo);
int ListRowCount(HWND list);
std::string ListItemText(HWND list, int row, int column);
struct ListColumnInfo {
  std::string title;
  int width;
  int format;  // LVCFMT_LEFT, LVCFMT_RIGHT or LVCFMT_CENTER
};
std::vector<ListColumnInfo> ListColumns(HWND list);
// The row becomes the selected and focused one, as a click makes it; the list notifies its dialog.
void ChooseListRow(HWND list, int row);

// ---- What the process holds ----
struct ProcessCounters {
  unsigned long handles = 0;
  unsigned long gdiObjects = 0;
  unsigned long userObjects = 0;
  unsigned long long privateBytes = 0;
};
ProcessCounters CountersOf(DWORD processId);
// "handles=... gdi=... user=... private=..." of the process.
std::string CounterLine(DWORD processId);

// ---- Steps ----
// Runs one step (name and arguments, UTF-8); fails the driver on the first unmet expectation.
void RunStep(const std::vector<std::string>& step);
