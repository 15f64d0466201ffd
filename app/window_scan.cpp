// The window's ScanHooks: the scan thread touches the window only through these (buttons, status
// text, timers); the timers then do the browser work on the user-interface thread.
#include "app/window_scan.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/trace.h"
#include "app/update_check.h"
#include "app/window_rules.h"
#include "app/window_state.h"
#include "resources/resource.h"
#include "scan/scan_thread.h"

namespace {

constexpr int kSummaryScanButtons[] = {IDC_UPLOAD_MACHINE, IDC_RESCAN, IDC_MACHINE_PICTURE};
constexpr int kAssemblyButtons[] = {IDC_UPLOAD_ASSEMBLY, IDC_ASSEMBLY_PICTURE, IDC_COPY_ASSEMBLY, IDC_SAVE_ASSEMBLY};

void EnableSummaryButtons(bool enabled) {
  for (int id : kSummaryScanButtons) EnableWindow(GetDlgItem(SummaryPage, id), enabled);
}

void SetStatus(const char* text) { SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text)); }

void ScanStarted(void*) {
  EnableSummaryButtons(false);
  SetStatus(kStatusScanning);
  SetTimer(MainWindow, kLoadingPageTimer, 1, nullptr);
  Trace(ScanStepTraceLine("started"));
}

// Whether or not the report tool ran, the assembly page can be used from now on.
void ReportToolDone(void*, bool) {
  for (int id : kAssemblyButtons) EnableWindow(GetDlgItem(AssemblyPage, id), TRUE);
}

void PageWritten(void*) { SetTimer(MainWindow, kScanDoneTimer, 1, nullptr); }

void UpdateCheckStarting(void*) { StartUpdateCheck(); }

void ScanFinished(void*) {
  SetStatus(kStatusScanDone);
  EnableSummaryButtons(true);
  Trace(ScanStepTraceLine("finished"));
}

void Progress(void*, const char* step) { Trace(ScanStepTraceLine(step)); }

DWORD WINAPI ScanThreadEntry(void*) {
  ScanHooks hooks;
  hooks.scanStarted = ScanStarted;
  hooks.reportToolDone = ReportToolDone;
  hooks.pageWritten = PageWritten;
  hooks.updateCheckStarting = UpdateCheckStarting;
  hooks.scanFinished = ScanFinished;
  hooks.progress = Progress;
  ScanThread(programDirectory, ReportSource::kRunTool, hooks);
  return 1;
}

}  // namespace

void StartScan() {
  EnableSummaryButtons(false);
  const HANDLE thread = CreateThread(nullptr, 0, ScanThreadEntry, nullptr, 0, nullptr);
  if (thread != nullptr) {
    CloseHandle(thread);
    return;
  }
  EnableSummaryButtons(true);  // no scan runs: the user can try again
}
