// Real and generated reports, the scratch folder and peak memory for the benchmarks.
#include "bench_inputs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace {

// Lines that steer the filter or the walker: kept once so the generated report keeps its shape.
// clang-format off
constexpr const char* kSteeringMarks[] = {
    "<b>Processors</b>", "<b>Thread dumps</b>", "<b>Chipset</b>", "<b>Memory SPD</b>",
    "<b>PCI Devices</b>", "<b>DMI</b>", "DMI Processor", "<b>Display Adapters</b>",
    "<b>Software</b>", "<b>ACPI</b>", "#E0E0FF", "<title>", "<b>Binaries</b>", "CPU-Z",
};
// clang-format on

constexpr const char* kLastSectionEnd = "<b>ACPI</b>";

bool Steers(std::string_view line) {
  for (const char* mark : kSteeringMarks) {
    if (line.find(mark) != std::string_view::npos) return true;
  }
  return false;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
  return lines;
}

void RemoveScratch() {
  std::error_code ec;
  fs::remove_all(ScratchDir(), ec);
}

uint64_t StatusKib(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(field, 0) == 0) return std::strtoull(line.c_str() + std::string_view(field).size(), nullptr, 10);
  }
  return 0;
}

}  // namespace

std::vector<BenchReport> RealReports() {
  std::vector<BenchReport> reports;
  for (const fs::directory_entry& entry : fs::directory_iterator(HWDEX_REAL_FIXTURES)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".html" && ext != ".htm") continue;
    reports.push_back({entry.path().stem().string(), entry.path().string(), entry.file_size()});
  }
  std::sort(reports.begin(), reports.end(),
            [](const BenchReport& a, const BenchReport& b) { return a.bytes < b.bytes; });
  return reports;
}

const std::string& ScratchDir() {
  // Never destroyed: the exit handler that removes the folder runs after static destructors would.
  static const std::string* const dir = [] {
    std::string pattern = (fs::temp_directory_path() / "hwdex-bench.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    std::atexit(RemoveScratch);
    return new std::string(pattern);
  }();
  return *dir;
}

BenchReport MakeLargeReport(const BenchReport& real, uint64_t targetBytes, const std::string& name) {
  const std::vector<std::string> lines = ReadLines(real.path);
  // The filter stops reading at the last section's end: only the rows before it are repeated.
  uint64_t steeringBytes = 0, rowBytes = 0;
  bool afterEnd = false;
  for (const std::string& line : lines) {
    (Steers(line) || afterEnd ? steeringBytes : rowBytes) += line.size();
    afterEnd = afterEnd || line.find(kLastSectionEnd) != std::string::npos;
  }
  const uint64_t repeats = rowBytes == 0 ? 1 : std::max<uint64_t>(1, (targetBytes - steeringBytes) / rowBytes);

  const std::string path = ScratchDir() + "/" + name + ".htm";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string section;  // the rows since the last steering line
  uint64_t times = repeats;
  auto flush = [&] {
    for (uint64_t i = 0; i < times; ++i) out << section;
    section.clear();
  };
  for (const std::string& line : lines) {
    if (!Steers(line)) {
      section += line;
      continue;
    }
    flush();
    out << line;
    if (line.find(kLastSectionEnd) != std::string::npos) times = 1;
  }
  flush();
  out.close();
  return {name, path, fs::file_size(path)};
}

uint64_t PeakResidentKib() { return StatusKib("VmHWM:"); }

void ResetPeakResident() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}
