// The command line of hwdex-cli: what to do, on which files, with which given drives and display.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DriveSize {
  int index = 0;       // physical drive number N of "\\.\PHYSICALDRIVEN"
  uint64_t bytes = 0;  // capacity as the geometry query reports it
  std::string product; // the product id the storage stack reports for the drive ("" when not given)
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

  // Publishing the summarised machine as an article in the shop database (--upload TYPE --title
  // TITLE [--description TEXT] [--server HOST:PORT]). The texts are GBK; an empty type: no upload.
  std::string uploadType;
  std::string uploadTitle;
  std::string uploadDescription;
  bool serverGiven = false;
  std::string serverHost;  // from --server, else from hwdex.ini beside the program
  int serverPort = 3306;
};

// Parses argv[1..]; on a bad argument returns false with error set (Chinese, then English).
bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& options, std::string& error);

// The usage text (GBK, like every text of the program).
const char* CliUsage();

// HOST:PORT, the port (1 to 65535) after the last colon; false when the text is not of that form.
bool ParseServerAddress(const std::string& text, std::string& host, int& port);

// An argument's text in GBK: Windows hands the command line over in the ANSI code page (GBK);
// elsewhere it is UTF-8.
std::string CommandLineText(const std::string& argument);
