// Speed (bytes of report per second) and peak resident memory of the report filter and walker and
// of the detailed page, on every real report and on generated reports of 5, 50 and 500 MB; and of
// the whole report step (layout, conversion, filter, walk) on every real report.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "platform/files.h"
#include "scan/detail_page.h"
#include "scan/records.h"
#include "scan/report_layout.h"
#include "scan/report_reader.h"
#include "scan/report_walker.h"

namespace fs = std::filesystem;

namespace {

constexpr uint64_t kMegabyte = 1000 * 1000;
constexpr uint64_t kLargeSizes[] = {5 * kMegabyte, 50 * kMegabyte, 500 * kMegabyte};

void Finish(benchmark::State& state, const BenchReport& report) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * report.bytes));
  state.counters["peak_kib"] = static_cast<double>(PeakResidentKib());
  state.counters["report_mb"] = static_cast<double>(report.bytes) / kMegabyte;
}

// "~temp.htm" through the section filter into "pc.htm", then the key walk into fresh records.
void FilterWalk(benchmark::State& state, const BenchReport& report) {
  const std::string filtered = ScratchDir() + "/pc-" + report.name + ".htm";
  ResetPeakResident();
  for (auto _ : state) {
    FilterReport(report.path, filtered);
    ScanRecords records;
    WalkReport(filtered, records);
    benchmark::DoNotOptimize(records);
  }
  Finish(state, report);
  fs::remove(filtered);
}

// The scan's report step: the layout recognised, a newer report converted, then filtered and walked.
// The report is linked in again for every step, since a text report is replaced by its HTML form.
void ReportStep(benchmark::State& state, const BenchReport& report) {
  const std::string dir = ScratchDir() + "/step-" + report.name;
  fs::create_directories(dir);
  const std::string temp = ProgramFile(dir, kReportFile);
  ResetPeakResident();
  for (auto _ : state) {
    fs::remove(temp);
    fs::create_hard_link(report.path, temp);
    const ReportLayout layout = ConvertAndFilterReport(dir);
    ScanRecords records;
    WalkReport(ProgramFile(dir, kFilteredReportFile), records);
    benchmark::DoNotOptimize(layout);
    benchmark::DoNotOptimize(records);
  }
  Finish(state, report);
  fs::remove_all(dir);
}

// The detailed page with the shipped dictionary; the report is linked in again for every page,
// since writing the page deletes it.
void DetailPage(benchmark::State& state, const BenchReport& report) {
  const std::string dir = ScratchDir() + "/detail-" + report.name;
  fs::create_directories(dir);
  fs::copy_file(std::string(HWDEX_RESOURCES) + "/" + kDictionaryFile, ProgramFile(dir, kDictionaryFile),
                fs::copy_options::overwrite_existing);
  const std::string temp = ProgramFile(dir, kReportFile);
  ResetPeakResident();
  for (auto _ : state) {
    fs::remove(temp);
    fs::create_hard_link(report.path, temp);
    if (!WriteDetailPage(dir)) state.SkipWithError("the detailed page could not be written");
  }
  Finish(state, report);
  fs::remove_all(dir);
}

void Register(const char* kind, void (*fn)(benchmark::State&, const BenchReport&),
              const std::vector<BenchReport>& reports) {
  for (const BenchReport& report : reports) {
    benchmark::RegisterBenchmark((std::string(kind) + "/" + report.name).c_str(), fn, report)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::vector<BenchReport> reports = RealReports();
  if (reports.empty()) return 1;
  const BenchReport& largest = reports.back();
  std::vector<BenchReport> inputs = reports;
  for (uint64_t size : kLargeSizes) {
    inputs.push_back(MakeLargeReport(largest, size, "generated_" + std::to_string(size / kMegabyte) + "MB"));
  }
  Register("FilterWalk", FilterWalk, inputs);
  Register("DetailPage", DetailPage, inputs);
  Register("ReportStep", ReportStep, reports);  // real reports only: no converted copies of 500 MB
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
