// hx.dll: writes this machine's hardware report as NAME.htm when started as "hx.dll -html=NAME".
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

#include "report_tool/probes.h"
#include "report_tool/report_writer.h"

namespace {

constexpr const char* kUsage = "usage: hx.dll -html=NAME   (writes NAME.htm in the current directory)\n";

// Writes bytes to target through a temporary file renamed at the end, so no reader sees half a report.
bool ReplaceFile(const std::string& target, const std::string& bytes) {
  const std::string temporary = target + ".part";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = (std::fclose(file) == 0) && written;
#ifdef _WIN32
  // rename does not replace a file on Windows; this move does, in one step.
  bool moved = written && MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  bool moved = written && std::rename(temporary.c_str(), target.c_str()) == 0;
#endif
  if (!moved) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const char* kOption = "-html=";
  if (argc != 2 || std::strncmp(argv[1], kOption, std::strlen(kOption)) != 0 || argv[1][std::strlen(kOption)] == '\0') {
    std::fputs(kUsage, stderr);
    return 2;
  }
  ReportFacts facts;
#ifdef _WIN32
  ProbeWindows(facts);
#else
  ProbeLinux("/", facts);
#endif
  ProbeCpuid(facts.cpu);
  const std::string target = std::string(argv[1] + std::strlen(kOption)) + ".htm";
  if (!ReplaceFile(target, WriteReport(facts))) {
    std::fprintf(stderr, "hx.dll: cannot write %s\n", target.c_str());
    return 1;
  }
  return 0;
}
