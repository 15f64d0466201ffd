// The rules of the program's start and of its main window on plain texts and numbers: the program
// directory, the price-column flags, the status bar's site text, where a browser pane goes, the blank
// page's address and the trace lines. WinMain and the dialog procedures call these; tests run them natively.
#pragma once

#include <string>

// The command line "new" or "old", or else the section "显示设置" of "hwdex.ini", decides which price
// columns the assembly page and the part picker show.
struct DisplayFlags {
  bool showSecondHand = true;  // "二手估价"
  bool showNewPrice = true;    // "全新报价"
};

// The flags for the text after the program name as Windows hands it over: exactly "new" hides the
// second-hand column, exactly "old" the new-price column, any other text changes nothing; only an
// empty command line reads iniPath ("二手" or "全新" exactly "否" hides that column).
DisplayFlags ReadDisplayFlags(const std::string& commandLine, const std::string& iniPath);

// The program directory of a program file's full path (GBK): cut at the last "\" after the first
// byte, so "C:\hwdex.exe" gives "C:". The trail byte of a double-byte character is never taken for
// a "\" (a file name such as "誠.exe" holds the byte 0x5C inside its character). A path with no such
// "\" is returned whole.
std::string ProgramDirectoryOf(const std::string& programFile);

// Part 1 of the status bar: "QQ群:" + the community group + " 官方网址：" + the product web site.
std::string StatusSiteText(const std::string& site);

// The status texts of part 0.
constexpr const char* kStatusWelcome = "提示:欢迎使用沐杉电脑助手!";
constexpr const char* kStatusScanning = "提示:正在扫描,请稍候...";
constexpr const char* kStatusScanDone = "提示:扫描完成!";

struct PaneRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Where a browser pane goes in a parent whose client area is (clientLeft, clientTop) to
// (clientRight, clientBottom): x = left + leftOffset, bottom = client bottom - bottomMargin, right =
// rightEdge or the client's right when 0, top = topEdge or the client's top when 0. A parent too
// small for the margins gives a pane of no width or height rather than a negative one.
PaneRect BrowserPaneRect(int clientLeft, int clientTop, int clientRight, int clientBottom, int leftOffset,
                         int bottomMargin, int rightEdge, int topEdge);

// Where an upload dialog of width by height pixels goes on a screen of screenWidth by screenHeight:
// the prompt that opens by itself after a scan (timer 1) sits in the bottom right corner, 20 pixels
// from the right and 30 from the bottom edge; opened by a button it is centred (integer halves).
// A dialog larger than the screen keeps its caption on it: neither coordinate goes below 0.
struct ScreenPoint {
  int x = 0;
  int y = 0;
};
ScreenPoint UploadDialogPlace(int screenWidth, int screenHeight, int width, int height, bool autoPrompt);

// The program's blank page (resource 1221 of type HTML) as the browser control addresses it.
std::string BlankPageAddress(const std::string& programFile);

// The trace lines written for a debug viewer and the tests: a pane sent to an address, a timer that
// fired, a step of a scan, a pane whose control came from the second identifier, and how an update
// check ended (UpdateCheckEndName).
std::string NavigationTraceLine(const std::string& pane, const std::string& address);
std::string TimerTraceLine(int timerId);
std::string ScanStepTraceLine(const std::string& step);
std::string PaneControlTraceLine(const std::string& pane, const std::string& progId);
std::string UpdateCheckTraceLine(const std::string& end);
