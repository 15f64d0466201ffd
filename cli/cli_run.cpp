// hwdex-cli: a whole scan in a folder, from a saved report (analyse) or from this machine (scan).
// Inputs are checked before anything is written into the folder, so a failure leaves it as it was.
#include "cli/cli_run.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/display.h"
#include "platform/drives.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/notice.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/detail_page.h"
#include "scan/line_reader.h"
#include "scan/records.h"
#include "scan/report_reader.h"
#include "scan/scan_thread.h"
#include "scan/summary_report.h"

#ifndef _WIN32
#include "platform/linux_machine.h"
#endif

namespace fs = std::filesystem;

namespace {

bool outputGbk = false;

// Writes a GBK text to a stream, converted to UTF-8 unless GBK output was asked for.
void Write(FILE* stream, const std::string& gbk) {
  const std::string bytes = outputGbk ? gbk : GbkToUtf8(gbk);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

void NoticeToStderr(const std::string& text, const std::string& caption) {
  Write(stderr, "[" + caption + "] " + text + "\n");
}

void ProgressLine(void*, const char* step) { Write(stderr, std::string("hwdex-cli: ") + step + "\n"); }

// The report's layout: a progress line, or a warning when the program could not place the report.
void LayoutLine(void*, const ReportLayout& layout) {
  const ReportHeader& header = layout.header;
  const std::string named = header.title.empty() ? "no report header" : "\"" + header.title + "\" " + header.version;
  if (layout.recognised()) {
    Write(stderr, "hwdex-cli: report layout " + named + "\n");
    return;
  }
  std::string why = layout.knownHeader ? "without the blocks" : named;
  if (layout.knownHeader) {
    for (size_t i = 0; i < layout.missingBlocks.size(); ++i) why += (i == 0 ? " " : ", ") + layout.missingBlocks[i];
  }
  Write(stderr, "hwdex-cli: 未能识别报告格式,摘要可能不完整 / report layout not recognised, the summary may be incomplete: " +
                    why + "\n");
}

int Fail(const std::string& message) {
  Write(stderr, "hwdex-cli: " + message + "\n");
  return 2;
}

// Copies a file; false (and no target left behind) when it cannot be read or written whole.
bool CopyWhole(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (!ec) return true;
  fs::remove(to, ec);
  return false;
}

// The offline machine of an analyse run: registry exports, given drives and display.
int LoadGivenMachine(const CliOptions& options) {
#ifdef _WIN32
  if (!options.registries.empty()) {
    return Fail("Windows 上请先用 regedit 导入注册表文件 / on Windows, import the registry export with regedit first");
  }
#else
  ClearRegistry();
  for (const std::string& path : options.registries) {
    std::string error;
    if (!LoadRegistryExport(path, error)) return Fail(error);
  }
#endif
  ClearDriveGeometries();  // a saved report's drives are the given ones, never this machine's
  for (const DriveSize& drive : options.drives) {
    SetDriveGeometry(PhysicalDrivePath(static_cast<uint32_t>(drive.index)), GeometryForCapacity(drive.bytes));
    if (!drive.product.empty()) {
      DriveIdentity identity;
      identity.product = drive.product;
      SetDriveIdentity(static_cast<uint32_t>(drive.index), identity);
    }
  }
  // A saved report is analysed offline: the desktop is the one given (1024x768 by default).
  SetDisplayMode({options.displayWidth, options.displayHeight, 32});
  return 0;
}

// The files the detailed page and the summary page need beside the pages, when the folder has none.
void ProvideProgramFiles(const std::string& dir) {
  const std::string home = RunningProgramDirectory();
  for (const char* name : {kDictionaryFile, kCopyButtonFile}) {
    const std::string target = ProgramFile(dir, name);
    std::error_code ec;
    if (!fs::exists(target, ec)) CopyWhole(ProgramFile(home, name), target);
  }
}

int Scan(const CliOptions& options, const std::string& dir, ReportSource source) {
  ScanHooks hooks;
  hooks.progress = ProgressLine;
  hooks.reportLayout = LayoutLine;
  ScanThread(dir, source, hooks);
  ProgressLine(nullptr, "detail page");
  WriteDetailPage(dir);
  FileWriter summary(ProgramFile(dir, "summary.txt"));
  summary.Write(summaryText);
  if (!summary.Commit()) {
    return Fail("无法写入 summary.txt / cannot write summary.txt in " + dir);
  }
  Write(stdout, summaryText);
  if (!options.gbk) Write(stdout, "\n");
  return 0;
}

}  // namespace

int RunCli(const CliOptions& options) {
  outputGbk = options.gbk;
  SetNoticeSink(NoticeToStderr);
  const bool analyse = options.command == CliOptions::Command::kAnalyse;

  if (analyse) {
    std::ifstream report(options.report, std::ios::binary);
    if (!report) return Fail("无法读取报告文件 / cannot read the report: " + options.report);
    if (const int rc = LoadGivenMachine(options); rc != 0) return rc;
  } else {
#ifndef _WIN32
    ProgressLine(nullptr, "this machine's devices");
    ClearRegistry();
    BuildRegistryFromMachine("/");
#endif
  }

  std::error_code ec;
  const bool folderWasThere = fs::exists(options.outDir, ec);
  fs::create_directories(options.outDir, ec);
  if (ec || !fs::is_directory(options.outDir, ec)) {
    return Fail("无法创建输出目录 / cannot create the output folder: " + options.outDir);
  }
  const std::string dir = fs::absolute(options.outDir, ec).lexically_normal().string();

  // The report is copied first (a folder or a pipe given as the report fails here), so that a
  // failure leaves no folder of this run behind.
  if (analyse && !CopyWhole(options.report, ProgramFile(dir, kReportFile))) {
    if (!folderWasThere) fs::remove(options.outDir, ec);
    return Fail("无法复制报告文件 / cannot copy the report into " + dir);
  }
  ProvideProgramFiles(dir);
  return Scan(options, dir, analyse ? ReportSource::kAlreadyWritten : ReportSource::kRunTool);
}
