// Inputs of the benchmarks: the real reports, large reports made from a real report's rows, a scratch
// folder, and the process's peak resident memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BenchReport {
  std::string name;  // what the benchmark is called after
  std::string path;
  uint64_t bytes = 0;
};

// The real reports (*.html, *.htm) in the shared fixtures folder, smallest first.
std::vector<BenchReport> RealReports();

// A scratch folder for one run of the benchmark program, removed with everything in it at exit.
const std::string& ScratchDir();

// Writes a report of about targetBytes made from the rows of a real report: every line that holds a
// section marker or a block title stays once, in place; the other lines of each section that the
// filter reads are repeated until the report has its size. The walk finds its keys in the same blocks.
BenchReport MakeLargeReport(const BenchReport& real, uint64_t targetBytes, const std::string& name);

// Peak resident memory of this process in KiB since the last reset (VmHWM).
uint64_t PeakResidentKib();
// Starts a new peak at the current resident size.
void ResetPeakResident();
