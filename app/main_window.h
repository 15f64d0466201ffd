// The main window (dialog 101): three tab pages, the status bar, the banner pane and the timers
// through which the scan and the update check hand work to the user-interface thread.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// The main window's timers; each fires once (it is killed first).
constexpr UINT_PTR kUploadPromptTimer = 1;  // the update check: open the upload prompt, 10 s later
constexpr UINT_PTR kScanDoneTimer = 2;      // a scan wrote config.htm: show it, write view.htm
constexpr UINT_PTR kFirstScanTimer = 3;     // 2 s after opening: the first scan, the assembly pane
constexpr UINT_PTR kLoadingPageTimer = 5;   // a scan started: the summary pane shows "/load.htm"
// Timer 1 fires this long after the update check asked for it.
constexpr UINT kUploadPromptDelayMs = 10000;

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Puts text (GBK, length bytes, then its terminating zero) on the clipboard as CF_TEXT; 1 on
// success, 0 when the clipboard cannot be opened.
int CopyTextToClipboard(const char* text, size_t length);

// The whole text of dialog's control id (an edit box, a combo box's edit), as GBK bytes.
std::string DialogItemText(HWND dialog, int id);

// ---- What every tab page does ----

// Sizes page to the display area of the tab control it is a child of, so that it sits below the
// tab texts and nothing of it (a scroll bar, a pane's bottom) is hidden. Called first on WM_INITDIALOG.
void FitPageToTab(HWND page);

// The pages are drawn over the tab control's background: WM_CTLCOLORDLG and WM_CTLCOLORSTATIC get
// the stock null brush (labels with a transparent background). 0 for every other message.
INT_PTR PageColour(UINT message, WPARAM wParam);
