// The command line of hwdex-cli: what to do, on which files, with which given drives and display.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DriveSize {
  int index = 0;       // physical drive number N of "\\.\PHYSICALDRIVEN"
  uint64_t bytes = 0;  // capacity as the geometry query reports it
};

struct CliOptions {
  enum class Command { kAnalyse, kScan } command = Command::kAnalyse;
  std::string report;                  // analyse: the saved report
  std::vector<std::string> registries; // analyse: registry exports, merged in order
  std::vector<DriveSize> drives;       // analyse: given drive capacities
  bool displayGiven = false;
  int displayWidth = 1024;
  int displayHeight = 768;
  std::string outDir;                  // the program directory of this run
  bool gbk = false;                    // write GBK bytes instead of UTF-8
};

// Parses argv[1..]; on a bad argument returns false with error set (Chinese, then English).
bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& options, std::string& error);

// The usage text (GBK, like every text of the program).
const char* CliUsage();
