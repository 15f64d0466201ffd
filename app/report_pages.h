// The two report pages: "本机概况" (dialog 103, the summary pane beside the web panel, the rescan,
// upload and picture buttons) and "详细参数" (dialog 104, the detail pane).
#pragma once

#include <windows.h>

INT_PTR CALLBACK SummaryPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DetailPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
