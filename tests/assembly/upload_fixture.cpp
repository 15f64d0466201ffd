// A fixture machine scanned by the engine, for the upload tests.
#include "tests/assembly/upload_fixture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/display.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/report_reader.h"
#include "scan/scan_thread.h"
#include "tests/test_support.h"

namespace {

// A fixture file's first line, without its line end; empty when there is none.
std::string TrimmedFile(const std::string& path) {
  std::string text = ReadFileBytes(path);
  const size_t end = text.find_first_of("\r\n");
  return end == std::string::npos ? text : text.substr(0, end);
}

}  // namespace

void ScanFixtureMachine(const std::string& name, const std::string& dir) {
  const std::string machine = FixturePath("machines/" + name);
  const std::string real = TrimmedFile(machine + "/report-real");
  WriteFileBytes(dir + "/" + kReportFile,
                 ReadFileBytes(real.empty() ? machine + "/report.htm" : RealFixturePath(real)));
  WriteFileBytes(dir + "/dic", ReadFileBytes(ResourcePath("dic")));
  ClearRegistry();
  if (const std::string registry = TrimmedFile(machine + "/registry"); !registry.empty()) {
    std::string error;
    ASSERT_TRUE(LoadRegistryExport(FixturePath(registry), error)) << error;
  }
  ClearDriveGeometries();
  std::ifstream drives(machine + "/drives");
  for (std::string line; std::getline(drives, line);) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    SetDriveGeometry(PhysicalDrivePath(static_cast<uint32_t>(std::stoul(line.substr(0, equals)))),
                     GeometryForCapacity(std::stoull(line.substr(equals + 1))));
  }
  SetDisplayMode({1024, 768, 32});
  ScanThread(dir, ReportSource::kAlreadyWritten, ScanHooks());
}

const UploadTexts kGoldenTexts = {"求二手估价", "i5-3570/英特尔 DQ77MK", "联系:shop@example.com <b>急</b> & \"谢谢\""};

