// One whole scan of the machine: the report tool, the report walk, the analysers in their fixed
// order, the registry devices, the closing rows and the summary page. Every front end runs it.
#pragma once

#include <string>

#include "scan/report_layout.h"

// How a front end follows a scan. Any pointer may be null. The window fills these with its buttons,
// timers and status bar; the command-line program with progress lines on standard error.
struct ScanHooks {
  void* context = nullptr;
  // Before anything else: the window disables its scan buttons and shows the loading page.
  void (*scanStarted)(void* context) = nullptr;
  // After the report tool step, whether or not the tool ran.
  void (*reportToolDone)(void* context, bool toolRan) = nullptr;
  // The layout of the report the tool wrote, told by its header, before the report is read (only
  // when the tool ran). hwdex-cli says when it was not recognised.
  void (*reportLayout)(void* context, const ReportLayout& layout) = nullptr;
  // "config.htm" has been written: the window shows it and builds the detailed page.
  void (*pageWritten)(void* context) = nullptr;
  // The moment the update check starts (the window starts its thread here).
  void (*updateCheckStarting)(void* context) = nullptr;
  // The scan is over: the window sets "提示:扫描完成!" and enables its buttons again.
  void (*scanFinished)(void* context) = nullptr;
  // A short line for each step while the scan runs (English, for logs).
  void (*progress)(void* context, const char* step) = nullptr;
};

// Where the report comes from.
enum class ReportSource {
  kRunTool,          // start "hx.dll -html=~temp" in the program directory and wait for it
  kAlreadyWritten,   // "~temp.htm" already lies in the program directory: take the tool as having run
};

// Runs one scan in programDir. The records are created empty for this scan; the scan texts are
// cleared at the steps where the scan clears them. A window runs it on a thread of its own, whose
// procedure returns 1.
void ScanThread(const std::string& programDir, ReportSource source, const ScanHooks& hooks);
