// The scan as the window runs it: on its own thread, with hooks that grey and enable the buttons,
// write the status bar and start the main window's timers 5 and 2.
#pragma once

// Greys the summary page's scan buttons at once (so that a second click cannot start a second scan
// before the scan's thread has run) and starts ScanThread on a new thread.
void StartScan();
