// One whole scan through ScanThread: the hooks in order, the fallback without the report tool, the
// closing rows, and a second scan that starts from empty texts.
#include "scan/scan_thread.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/display.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/notice.h"
#include "platform/processor.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/records.h"
#include "scan/report_reader.h"
#include "scan/summary_report.h"
#include "tests/test_support.h"

namespace {

std::vector<std::string> notices;
void CountNotice(const std::string& text, const std::string& caption) { notices.push_back(caption + "|" + text); }

struct HookLog {
  std::vector<std::string> calls;
};

ScanHooks RecordingHooks(HookLog& log) {
  ScanHooks hooks;
  hooks.context = &log;
  hooks.scanStarted = [](void* c) { static_cast<HookLog*>(c)->calls.push_back("started"); };
  hooks.reportToolDone = [](void* c, bool ran) {
    static_cast<HookLog*>(c)->calls.push_back(ran ? "tool ran" : "tool failed");
  };
  hooks.pageWritten = [](void* c) { static_cast<HookLog*>(c)->calls.push_back("page"); };
  hooks.updateCheckStarting = [](void* c) { static_cast<HookLog*>(c)->calls.push_back("update"); };
  hooks.scanFinished = [](void* c) { static_cast<HookLog*>(c)->calls.push_back("finished"); };
  return hooks;
}

bool Holds(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

const std::string kClosingLine = "\r\n\r\n                      -----沐杉电脑助手";

class Scan : public ::testing::Test {
 protected:
  void SetUp() override {
    notices.clear();
    SetNoticeSink(CountNotice);
    ClearRegistry();
    ClearDriveGeometries();
    SetDisplayMode({1024, 768, 32});
  }
  void TearDown() override {
    SetNoticeSink(nullptr);
    ClearRegistry();
    ClearDriveGeometries();
  }
};

TEST_F(Scan, WithoutTheReportToolOnlyTheProcessorBrandAndTheRegistryRowsAppear) {
  TempDir dir;  // no hx.dll here, and none beside the test program
  std::string error;
  ASSERT_TRUE(LoadRegistryExport(FixturePath("registry_devices/sata_desktop.reg"), error)) << error;
  SetDriveGeometry("\\\\.\\PHYSICALDRIVE0", GeometryForCapacity(1000204886016u));
  SetDriveGeometry("\\\\.\\PHYSICALDRIVE2", GeometryForCapacity(4004511744u));  // the stick, third instance
  HookLog log;
  ScanThread(dir.path(), ReportSource::kRunTool, RecordingHooks(log));

  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(U8(notices[0]), U8("提示|无法取得部份硬件信息,可能硬件驱动给杀毒软件拦截，或需重新下载软件安装!"));
  EXPECT_EQ(log.calls, (std::vector<std::string>{"started", "tool failed", "page", "update", "finished"}));

  const std::string brand = ReadCpuidBrandBytes().c_str();
  EXPECT_EQ(summaryText.rfind("CPU: ", 0), 0u);
  EXPECT_TRUE(Holds(summaryText, "\r\n型号:" + brand + "\r\n")) << U8(summaryText);
  // Only the name and model rows: no price, no cores, the block closed at once.
  EXPECT_TRUE(Holds(summaryHtml, "<span class=\"agevol\">" + brand + "</span></br></td></tr>")) << U8(summaryHtml);
  for (const char* absent : {"主板:", "内存:", "显卡:"}) EXPECT_FALSE(Holds(summaryText, absent)) << U8(absent);
  for (const char* present : {"硬盘:", "U盘:", "光驱:", "显示器:", "声卡:", "网卡:", "键盘:", "鼠标:"}) {
    EXPECT_TRUE(Holds(summaryText, present)) << U8(present);
  }
  EXPECT_TRUE(std::filesystem::exists(ProgramFile(dir.path(), kSummaryPageFile)));
  EXPECT_FALSE(std::filesystem::exists(ProgramFile(dir.path(), kFilteredReportFile)));
  EXPECT_EQ(machineTag, summaryText.substr(5, summaryText.find("\r\n") - 5) + "/");
}

TEST_F(Scan, AMachineWithoutSensorDmiOrWindowsValuesGetsOnlyTheSeparatorAndClosingLine) {
  TempDir dir;
  WriteFileBytes(ProgramFile(dir.path(), kReportFile), "");
  HookLog log;
  ScanThread(dir.path(), ReportSource::kAlreadyWritten, RecordingHooks(log));
  EXPECT_EQ(log.calls, (std::vector<std::string>{"started", "tool ran", "page", "update", "finished"}));
  EXPECT_TRUE(notices.empty());
  const std::string separator = "<tr><td></td><td></td></tr>";
  ASSERT_GE(summaryHtml.size(), separator.size());
  EXPECT_EQ(summaryHtml.substr(summaryHtml.size() - separator.size()), separator);
  EXPECT_EQ(summaryText.substr(summaryText.size() - kClosingLine.size() - 2), "\r\n" + kClosingLine);
  for (const char* absent : {"温度", "BIOS信息", "操作系统"}) EXPECT_FALSE(Holds(summaryText, absent)) << U8(absent);
  // The tool is taken as having run: the board, memory and graphics blocks are written, if empty.
  for (const char* present : {"主板:", "内存:", "显卡:"}) EXPECT_TRUE(Holds(summaryText, present)) << U8(present);
}

// The front end hears the report's layout once the tool ran, before the report is read; a report
// of a newer layout reaches the summary converted (its size in GBytes read as megabytes).
TEST_F(Scan, TheReportsLayoutIsToldBeforeItIsRead) {
  TempDir dir;
  WriteFileBytes(ProgramFile(dir.path(), kReportFile),
                 ReadFileBytes(RealFixturePath("cpuz_2.06.1_intel-DQ77MK_i5-3570_lga1155_ddr3.html")));
  struct Heard {
    std::vector<std::string> calls;
    ReportLayout layout;
  } heard;
  ScanHooks hooks;
  hooks.context = &heard;
  hooks.reportLayout = [](void* c, const ReportLayout& layout) {
    static_cast<Heard*>(c)->calls.push_back("layout");
    static_cast<Heard*>(c)->layout = layout;
  };
  hooks.reportToolDone = [](void* c, bool) { static_cast<Heard*>(c)->calls.push_back("tool done"); };
  ScanThread(dir.path(), ReportSource::kAlreadyWritten, hooks);
  EXPECT_EQ(heard.calls, (std::vector<std::string>{"layout", "tool done"}));
  EXPECT_TRUE(heard.layout.recognised());
  EXPECT_EQ(heard.layout.header.version, "2.06.1.x64");
  EXPECT_TRUE(Holds(summaryText, "\r\n\r\n内存:DDR3(三代) 4G\r\n")) << U8(summaryText);

  TempDir empty;  // no hx.dll: the tool does not run and no layout is told
  heard.calls.clear();
  ScanThread(empty.path(), ReportSource::kRunTool, hooks);
  EXPECT_EQ(heard.calls, (std::vector<std::string>{"tool done"}));
}

TEST_F(Scan, ASecondScanStartsFromEmptyTexts) {
  TempDir dir;
  const std::string report = ReadFileBytes(FixturePath("machines/lga775-g41-ddr2/report.htm"));
  ScanHooks none;
  WriteFileBytes(ProgramFile(dir.path(), kReportFile), report);
  ScanThread(dir.path(), ReportSource::kAlreadyWritten, none);
  const std::string first = summaryText, firstHtml = summaryHtml;
  WriteFileBytes(ProgramFile(dir.path(), kReportFile), report);
  ScanThread(dir.path(), ReportSource::kAlreadyWritten, none);
  EXPECT_EQ(summaryText, first);
  EXPECT_EQ(summaryHtml, firstHtml);
  EXPECT_EQ(U8(machineTag), U8("英特尔 奔腾 E5300/华硕 P5KPL-AM EPU"));
}

}  // namespace
