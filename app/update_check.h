// The update check after every scan, on its own thread: the title with the program's version, the
// version file, the updater, the upgrade question and the hand-over to the updater.
#pragma once

#include <windows.h>

// Posted by the check thread to the main window, which then starts timer 1 on its own thread.
constexpr UINT kStartUploadTimerMessage = WM_APP + 1;

// The thread entry (the parameter is not used): the whole check with the window's hooks. 0, or -1
// when the version file has no "ID".
DWORD WINAPI UpdateCheckThread(LPVOID parameter);

// Starts UpdateCheckThread on a new thread; nothing happens when no thread can be had.
void StartUpdateCheck();
