// The built hx.dll run as the program runs it ("hx.dll -html=~temp" in its directory), natively and
// (the Windows build) under Wine; the program's filter and walker then read its report.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "scan/report_reader.h"
#include "scan/report_walker.h"
#include "tests/test_support.h"

namespace {

int Shell(const std::string& command) {
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// A well-formed report: our head, every line a head line or a row, the closing lines; then the
// program's filter goes through all six sections and its walker finds the processor.
void CheckReport(const TempDir& dir) {
  const std::string report = ReadFileBytes(dir.File("~temp.htm"));
  const std::string head = "<html><head><title>沐杉硬件报告 HTML report file</title>";
  ASSERT_EQ(report.compare(0, head.size(), head), 0) << U8(report.substr(0, 200));
  ASSERT_GE(report.size(), 22u);
  EXPECT_EQ(report.substr(report.size() - 22), "</font></body></html>\n");
  size_t start = report.find("<tr valign=");
  size_t end = report.find("</table></td></tr>\n");
  ASSERT_NE(start, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  for (size_t at = start; at < end;) {
    size_t eol = report.find('\n', at);
    std::string line = report.substr(at, eol - at);
    EXPECT_EQ(line.compare(0, 18, "<tr valign=\"top\" b"), 0) << U8(line);
    EXPECT_EQ(line.substr(line.size() - 10), "</td></tr>") << U8(line);
    at = eol + 1;
  }
  EXPECT_FALSE(Exists(dir.File("~temp.htm.new")));

  FilterReport(dir.File("~temp.htm"), dir.File("pc.htm"));
  const std::string filtered = ReadFileBytes(dir.File("pc.htm"));
  // The filter's last step ends at the ACPI title: had it stopped earlier, it would copy on to the end.
  EXPECT_EQ(Count(filtered, "#E0E0FF"), 12);
  EXPECT_NE(filtered.find("Windows Version"), std::string::npos);
  EXPECT_EQ(filtered.find("<b>ACPI</b>"), std::string::npos);
  EXPECT_EQ(filtered.find("</body>"), std::string::npos);
  ScanRecords records;
  WalkReport(dir.File("pc.htm"), records);
  EXPECT_FALSE(records.cpu.name.empty());
  EXPECT_FALSE(records.cpu.cores.empty());
  EXPECT_FALSE(records.cpu.threads.empty());
  EXPECT_FALSE(records.system.osVersion.empty());
}

TEST(HxDll, RunsNativelyAsTheProgramRunsIt) {
  TempDir dir;
  WriteFileBytes(dir.File("~temp.htm"), "an old report");
  ASSERT_EQ(Shell("cd '" + dir.path() + "' && '" HX_DLL_PATH "' -html=~temp"), 0);
  CheckReport(dir);
}

TEST(HxDll, OtherCommandLinesGetTheUsage) {
  TempDir dir;
  for (const char* args : {"", "-html=", "-txt=x", "-html=a b", "/?"}) {
    EXPECT_EQ(Shell("cd '" + dir.path() + "' && '" HX_DLL_PATH "' " + args + " 2>/dev/null"), 2) << args;
  }
  EXPECT_FALSE(Exists(dir.File(".htm")));
}

// The Windows build's hx.dll under Wine, in a fresh copy of the test prefix with three devices of
// the device registry imported: host bridge, LPC bridge and a display card with its driver.
TEST(HxDll, RunsUnderWine) {
  if (!Exists(HX_WIN64_DLL_PATH)) GTEST_SKIP() << "no Windows build at " HX_WIN64_DLL_PATH;
  if (Shell("command -v wine >/dev/null") != 0) GTEST_SKIP() << "no wine";
  TempDir dir;
  ASSERT_EQ(Shell("cp '" HX_WIN64_DLL_PATH "' '" + dir.path() + "/hx.dll'"), 0);
  const std::string run = "'" HX_RUN_IN_WINE "' --import '" + FixturePath("report_tool/pci_devices.reg") + "' '" +
                          dir.path() + "/hx.dll' ";
  ASSERT_EQ(Shell(run + "-html=~temp >/dev/null 2>&1"), 0);
  CheckReport(dir);
  ScanRecords records;
  WalkReport(dir.File("pc.htm"), records);
  EXPECT_EQ(records.board.southbridge, "Intel H61 rev. B3");
  EXPECT_NE(records.board.northbridge.find(" rev. 09"), std::string::npos);
  EXPECT_EQ(records.graphics.name, "NVIDIA GeForce GTX 650 Ti");
  EXPECT_EQ(records.graphics.memory, "1024MB");
  EXPECT_EQ(records.graphics.vendorId, "1458");
  EXPECT_EQ(records.graphics.modelId, "3557");
  EXPECT_NE(records.system.osVersion.find("Microsoft Windows"), std::string::npos);
  EXPECT_EQ(Shell(run + "-xml=~temp >/dev/null 2>&1"), 2);
}

}  // namespace
