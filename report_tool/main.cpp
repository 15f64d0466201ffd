// hx.dll: writes this machine's hardware report as NAME.htm when started as "hx.dll -html=NAME".
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/files.h"
#include "report_tool/probes.h"
#include "report_tool/report_writer.h"

namespace {

constexpr const char* kUsage = "usage: hx.dll -html=NAME   (writes NAME.htm in the current directory)\n";

// Writes bytes to target through a temporary file moved into place, so no reader sees half a report.
bool ReplaceFile(const std::string& target, const std::string& bytes) {
  FileWriter file(target);
  file.Write(bytes);
  return file.Commit();
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
