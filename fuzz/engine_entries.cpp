// The registry-export, ini, analyser and page-writer targets, and the table of every target.
#include <cstdlib>
#include <string>
#include <vector>

#include "analysers/cpu.h"
#include "analysers/graphics.h"
#include "analysers/hard_disks.h"
#include "analysers/mainboard.h"
#include "analysers/memory.h"
#include "analysers/monitor.h"
#include "analysers/network.h"
#include "analysers/optical_drive.h"
#include "analysers/sound.h"
#include "analysers/usb_storage.h"
#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "platform/display.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/detail_page.h"
#include "scan/dictionary.h"
#include "scan/product.h"
#include "scan/records.h"
#include "scan/registry_devices.h"
#include "scan/report_reader.h"
#include "scan/summary_report.h"

namespace {

// Field i of a split input, empty past its end.
struct Fields {
  std::vector<std::string> parts;
  std::string operator[](size_t i) const { return i < parts.size() ? parts[i] : std::string(); }
};

int32_t Number(const std::string& text) {
  const long long n = std::strtoll(text.c_str(), nullptr, 10);
  return n > INT32_MAX ? INT32_MAX : n < INT32_MIN ? INT32_MIN : static_cast<int32_t>(n);
}

// The drives of a run: "\\.\PHYSICALDRIVE0" to 3, their capacities taken from the given texts.
void GiveDrives(const Fields& f, size_t first) {
  ClearDriveGeometries();
  for (int drive = 0; drive < 4; ++drive) {
    const std::string text = f[first + static_cast<size_t>(drive)];
    if (text.empty()) continue;
    SetDriveGeometry(PhysicalDrivePath(static_cast<uint32_t>(drive)),
                     GeometryForCapacity(std::strtoull(text.c_str(), nullptr, 10)));
  }
}

// Disk entries from lines "identifier<TAB>number".
std::vector<DiskEntry> Entries(const Fields& f, size_t first) {
  std::vector<DiskEntry> entries;
  for (size_t i = first; i < f.parts.size(); ++i) {
    const size_t tab = f.parts[i].find('\t');
    entries.push_back({f.parts[i].substr(0, tab),
                       tab == std::string::npos ? 0 : Number(f.parts[i].substr(tab + 1))});
  }
  return entries;
}

void RunAnalyser(unsigned which, const Fields& f) {
  switch (which) {
    case 0: {
      CpuRecord cpu{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]};
      AnalyseCpu(cpu);
      break;
    }
    case 1: {
      CpuRecord cpu;
      ApplyProcessorBrand(cpu, f[0]);
      AnalyseCpu(cpu);
      break;
    }
    case 2: {
      BoardRecord board{f[0], f[1], f[2], f[3], f[4]};
      AnalyseBoard(board);
      break;
    }
    case 3: {
      MemoryRecord memory{f[0], f[1], f[2], f[3]};
      std::vector<MemoryModule> modules;
      for (size_t at = 4; at < f.parts.size() && modules.size() < 4; at += 5) {
        modules.push_back({f[at], f[at + 1], f[at + 2], f[at + 3], f[at + 4]});
      }
      AnalyseMemory(memory, modules);
      break;
    }
    case 4: {
      GraphicsRecord graphics{f[0], f[1], f[2], f[3]};
      AnalyseGraphics(graphics);
      break;
    }
    case 5: {  // four drive capacities, then the disks
      GiveDrives(f, 0);
      std::vector<DiskEntry> entries = Entries(f, 4);
      AnalyseHardDisks(entries);
      break;
    }
    case 6:
      GiveDrives(f, 0);
      AnalyseUsbStorage(Entries(f, 4));
      break;
    case 7:
      for (const std::string& id : f.parts) AnalyseOpticalDrive(id);
      break;
    case 8:
      for (const std::string& text : f.parts) AnalyseSound(text);
      break;
    case 9:
      for (const std::string& text : f.parts) AnalyseNetwork(text);
      break;
    default:  // the monitor with a desktop of the given width, height and depth
      SetDisplayMode({Number(f[1]), Number(f[2]), Number(f[3])});
      AnalyseMonitor(f[0]);
      break;
  }
}

// The detailed page's rules for a report without a title line, applied to whole lines in memory: the
// five header targets of the report tool in turn, one per line, then the dictionary pairs in order.
std::string PlainDetailPage(const std::string& report, const std::vector<TermPair>& pairs) {
  const std::string site = kProductSite;
  const std::string targets[5][2] = {
      {"CPU-Z", "沐杉"},
      {"http://www.cpuid.com\" target=blank><img src=\"http://www.cpuid.com/medias/images/en/header-logo.jpg\" "
       "border=\"0\" width=\"180\" height=\"66\"></a></p>",
       "</p>"},
      {"<b>CPU-Z</b>", "<a href=\"" + site + "\" target=blank>沐杉电脑助手软件</a>"},
      {"<b>Binaries</b>", "<b>电脑配件详细参数</b>"},
      {"CPU-Z version</small></td><td valign=\"center\"><small><font color=\"#0000A0\">1.61.3</font></small></td></tr>",
       "</small></td><td valign=\"center\"><small><font color=\"#0000A0\"></font></small></td></tr>"},
  };
  std::string out;
  size_t target = 0;
  for (std::string line : SplitAt(report, "\n")) {
    if (target < 5) {
      const size_t at = line.find(targets[target][0]);
      if (at != std::string::npos) {
        line.replace(at, targets[target][0].size(), targets[target][1]);
        if (target == 3) line += detailRows;
        ++target;
      }
    } else {
      for (const TermPair& pair : pairs) {
        const size_t at = line.find(pair.find);
        if (at != std::string::npos) line.replace(at, pair.find.size(), pair.replacement);
      }
    }
    out += line + "\n";
  }
  return out;
}

}  // namespace

void FuzzAnalysers(const uint8_t* data, size_t size) {
  if (size == 0) return;
  ResetScanTexts();
  RunAnalyser(data[0] % 11u, Fields{SplitAt(AsText(data + 1, size - 1), "\n")});
}

void FuzzRegistryExport(const uint8_t* data, size_t size) {
  ClearRegistry();
  ResetScanTexts();
  ClearDriveGeometries();
  SetDriveGeometry(PhysicalDrivePath(0), GeometryForCapacity(500107862016ull));
  SetDriveGeometry(PhysicalDrivePath(1), GeometryForCapacity(0));
  SetDisplayMode({1024, 768, 32});
  std::string error;
  if (!LoadRegistryExportText(AsText(data, size), "fuzz.reg", error)) {
    FuzzCheck(!error.empty(), "a refused export says why");
    return;
  }
  ScanRegistryDevices(nullptr);
}

void FuzzProfile(const uint8_t* data, size_t size) {
  const std::string text = AsText(data, size);
  const size_t first = text.find('\n');
  const size_t second = first == std::string::npos ? first : text.find('\n', first + 1);
  const std::string section = text.substr(0, first);
  const std::string key = first == std::string::npos ? "" : text.substr(first + 1, second - first - 1);
  const std::string path = ScratchFile("fuzz.ini");
  WriteBytes(path, second == std::string::npos ? std::string() : text.substr(second + 1));
  ReadProfileString(section, key, "default", path);
}

void FuzzWriters(const uint8_t* data, size_t size) {
  const std::vector<std::string> parts = SplitAt(AsText(data, size), "\n@@\n");
  const Fields f{SplitAt(parts.empty() ? std::string() : parts[0], "\n")};
  const std::string dictionary = parts.size() > 1 ? parts[1] : std::string();
  const std::string report = parts.size() > 2 ? parts[2] : std::string();
  ResetScanTexts();
  summaryHtml = f[0];
  summaryText = f[1];
  detailRows = f[2];
  AppendClosingRows(SystemRecord{f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10]});

  const std::string dir = ScratchDir();
  FuzzCheck(WriteSummaryPage(dir), "the summary page is written");
  const std::string page = ReadBytes(ProgramFile(dir, kSummaryPageFile));
  FuzzCheck(page.find(summaryHtml) != std::string::npos, "the summary page holds the summary rows");

  WriteBytes(ProgramFile(dir, kDictionaryFile), dictionary);
  WriteBytes(ProgramFile(dir, kReportFile), report);
  FuzzCheck(WriteDetailPage(dir), "the detailed page is written");
  FuzzCheck(!Exists(ProgramFile(dir, kReportFile)), "the report is deleted after the detailed page");
  const std::vector<TermPair> pairs = ReadDictionary(ProgramFile(dir, kDictionaryFile));
  if (report.find("<title>") == std::string::npos) {  // a title may choose another tool's targets
    FuzzCheck(ReadBytes(ProgramFile(dir, kDetailPageFile)) == PlainDetailPage(report, pairs),
              "the detailed page is the report with its header targets and dictionary applied");
  }

  // The indexed translation equals replacing pair after pair, each at its first occurrence.
  const Translator translator(pairs);
  for (const std::string& line : SplitAt(report, "\n")) {
    std::string fast = line, plain = line;
    translator.Apply(fast);
    for (const TermPair& pair : pairs) {
      const size_t at = plain.find(pair.find);
      if (at != std::string::npos) plain.replace(at, pair.find.size(), pair.replacement);
    }
    FuzzCheck(fast == plain, "the dictionary replaces pair after pair, first occurrences only");
  }
}

// clang-format off
const FuzzEntry kFuzzEntries[] = {
    {"report", FuzzReport},     {"registry_export", FuzzRegistryExport}, {"profile", FuzzProfile},
    {"analysers", FuzzAnalysers}, {"writers", FuzzWriters},
};
// clang-format on
const size_t kFuzzEntryCount = sizeof kFuzzEntries / sizeof kFuzzEntries[0];
