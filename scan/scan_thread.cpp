// The order of one scan's steps; this is the only place that fixes it.
#include "scan/scan_thread.h"

#include "analysers/cpu.h"
#include "analysers/mainboard.h"
#include "analysers/memory.h"
#include "platform/files.h"
#include "scan/records.h"
#include "scan/registry_devices.h"
#include "scan/report_reader.h"
#include "scan/report_walker.h"
#include "scan/summary_report.h"

namespace {

void Progress(const ScanHooks& hooks, const char* step) {
  if (hooks.progress != nullptr) hooks.progress(hooks.context, step);
}

void Notify(const ScanHooks& hooks, void (*hook)(void*)) {
  if (hook != nullptr) hook(hooks.context);
}

// The report tool step: run the tool (or take the report already there), bring the report into the
// layout the filter reads and filter it.
bool ReportStep(const std::string& programDir, ReportSource source, const ScanHooks& hooks) {
  if (source == ReportSource::kRunTool && !RunReportTool(programDir)) return false;
  const ReportLayout layout = ConvertAndFilterReport(programDir);
  if (hooks.reportLayout != nullptr) hooks.reportLayout(hooks.context, layout);
  return true;
}

// The report's components, or only the processor brand when the tool did not run.
void ReportComponents(const std::string& programDir, bool toolRan, ScanRecords& records) {
  if (!toolRan) {
    ReadProcessorBrand(records.cpu);
    AnalyseCpu(records.cpu);
    return;
  }
  WalkReport(ProgramFile(programDir, kFilteredReportFile), records);
  AnalyseCpu(records.cpu);
  AnalyseBoard(records.board);
  AnalyseMemory(records.memory, records.modules);
}

}  // namespace

void ScanThread(const std::string& programDir, ReportSource source, const ScanHooks& hooks) {
  Notify(hooks, hooks.scanStarted);
  summaryText.clear();

  Progress(hooks, "report tool");
  const bool toolRan = ReportStep(programDir, source, hooks);
  if (hooks.reportToolDone != nullptr) hooks.reportToolDone(hooks.context, toolRan);

  summaryHtml.clear();
  detailRows.clear();
  ScanRecords records;

  Progress(hooks, toolRan ? "report components" : "processor brand");
  ReportComponents(programDir, toolRan, records);
  Progress(hooks, "registry devices");
  ScanRegistryDevices(toolRan ? &records.graphics : nullptr);

  AppendSeparatorRow();
  AppendClosingRows(records.system);
  AppendClosingLine();

  Progress(hooks, "summary page");
  WriteSummaryPage(programDir);
  Notify(hooks, hooks.pageWritten);

  machineTag = records.cpu.name + "/" + records.board.vendor + records.board.model;
  Notify(hooks, hooks.updateCheckStarting);
  Notify(hooks, hooks.scanFinished);
}
