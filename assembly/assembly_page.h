// The assembly page "组装配置" (dialog 102): the configuration form on the left, its four buttons
// across the top and the web pane on the right (made by the main window's timer 3).
#pragma once

#include <windows.h>

INT_PTR CALLBACK AssemblyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
