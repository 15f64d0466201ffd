// Walking the filtered report key by key into the component records.
#include "scan/report_walker.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "scan/line_reader.h"
#include "scan/text_helpers.h"

namespace {

// What a key's row stores, and into which field.
enum Action {
  kWhole,            // field = value
  kFirstWord,        // at least minWords words: field = word 1
  kPackage,          // at least two words: word 2 and word 3 joined by a blank
  kClock,            // leading integer of word 1 (MHz) as GHz, "%.2f"
  kModuleMaker,      // at least two words: word 1 and a blank
  kModuleDate,       // field = value; the working module joins the list
  kModuleDateCarry,  // the same, then the working module's date is emptied for the next slot
  kTemperature,      // value cut before the degree sign, then "度"
  kFan,              // "每分钟" + value cut before "RPM" + "转"
  kPlaceholder,      // only the O.E.M. placeholders and "unknown" are stored, in Chinese
  kBoardVendor,      // placeholders and "unknown" empty the field; otherwise word 1
  kGraphicsMemory,   // at least two words: word 1 and "MB"; not for the standard VGA adapter
  kHexId,            // the digits between "(0x" and ")"
};

// clang-format off
enum Field {
  kCpuName, kCpuCores, kCpuPackage, kCpuSpecification, kCpuClock, kCpuThreads, kCpuTechnology,
  kNorthbridge, kSouthbridge, kBoardVendorField, kBoardModel,
  kMemoryType, kMemorySize, kMemoryChannels, kMemoryFrequency,
  kModuleManufacturer, kModuleSize, kModuleBandwidth, kModuleManufacturingDate,
  kCaseTemperature, kCpuTemperature, kBoardTemperature, kFanSpeed,
  kBiosDate, kSystemManufacturer, kSystemModel, kOsVersion,
  kGraphicsName, kGraphicsMemoryField, kGraphicsVendorId, kGraphicsModelId,
};
// clang-format on

// The keys in walk order: key text, action, field, words the value needs, and for the first key
// of a report block the count of title rows that starts the block: when that many title rows have
// been seen, the walk gives up the keys before it and goes on there.
struct Key {
  const char* key;
  Action action;
  Field field;
  int minWords;
  int blockTitleRows;
};
constexpr Key kKeys[] = {
    {"cores", kFirstWord, kCpuCores, 1, 0},
    {"Number of threads", kFirstWord, kCpuThreads, 1, 0},
    {"Name", kWhole, kCpuName, 0, 0},
    {"Specification", kWhole, kCpuSpecification, 0, 0},
    {"Package", kPackage, kCpuPackage, 2, 0},
    {"Technology", kWhole, kCpuTechnology, 0, 0},
    {"Stock frequency", kClock, kCpuClock, 1, 0},
    {"Northbridge", kWhole, kNorthbridge, 0, 5},  // the chipset block
    {"Southbridge", kWhole, kSouthbridge, 0, 0},
    {"Memory Type", kWhole, kMemoryType, 0, 0},
    {"Memory Size", kFirstWord, kMemorySize, 1, 0},
    {"Channels", kWhole, kMemoryChannels, 0, 0},
    {"Memory Frequency", kWhole, kMemoryFrequency, 0, 0},
    {"Manufacturer", kModuleMaker, kModuleManufacturer, 2, 6},  // SPD slot 1: the SPD block
    {"Size", kFirstWord, kModuleSize, 2, 0},
    {"Max bandwidth", kFirstWord, kModuleBandwidth, 1, 0},
    {"Manufacturing date", kModuleDateCarry, kModuleManufacturingDate, 0, 0},
    {"Manufacturer", kModuleMaker, kModuleManufacturer, 2, 0},  // slot 2
    {"Size", kFirstWord, kModuleSize, 2, 0},
    {"Max bandwidth", kFirstWord, kModuleBandwidth, 1, 0},
    {"Manufacturing date", kModuleDateCarry, kModuleManufacturingDate, 0, 0},
    {"Manufacturer", kModuleMaker, kModuleManufacturer, 2, 0},  // slot 3
    {"Size", kFirstWord, kModuleSize, 2, 0},
    {"Max bandwidth", kFirstWord, kModuleBandwidth, 1, 0},
    {"Manufacturing date", kModuleDateCarry, kModuleManufacturingDate, 0, 0},
    {"Manufacturer", kModuleMaker, kModuleManufacturer, 2, 0},  // slot 4
    {"Size", kFirstWord, kModuleSize, 1, 0},                    // one word is enough for the last slot
    {"Max bandwidth", kFirstWord, kModuleBandwidth, 1, 0},
    {"Manufacturing date", kModuleDate, kModuleManufacturingDate, 0, 0},
    {"SYSTIN", kTemperature, kCaseTemperature, 0, 9},  // the sensors
    {"CPUTIN", kTemperature, kCpuTemperature, 0, 0},
    {"AUXTIN", kTemperature, kBoardTemperature, 0, 0},
    {"CPUFANIN", kFan, kFanSpeed, 0, 0},
    {"date", kWhole, kBiosDate, 0, 10},  // DMI
    {"manufacturer", kPlaceholder, kSystemManufacturer, 0, 0},
    {"product", kPlaceholder, kSystemModel, 0, 0},
    {"vendor", kBoardVendor, kBoardVendorField, 0, 0},
    {"model", kWhole, kBoardModel, 0, 0},
    {"Name", kWhole, kGraphicsName, 0, 11},  // the display adapters
    {"Memory", kGraphicsMemory, kGraphicsMemoryField, 2, 0},
    {"Vendor ID", kHexId, kGraphicsVendorId, 0, 0},
    {"Model ID", kHexId, kGraphicsModelId, 0, 0},
    {"Windows Version", kWhole, kOsVersion, 0, 12},  // the software block; the walk ends here
};
constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];

constexpr const char* kTitleRowMark = "#E0E0FF";
constexpr const char* kValueStart = "0A0\">";
constexpr const char* kValueEnd = "</f";
constexpr const char* kDegreeSign = "\xB0" "C";  // degree sign of code page 1252, then C

std::string& FieldOf(ScanRecords& r, MemoryModule& module, Field field) {
  switch (field) {
    case kCpuName: return r.cpu.name;
    case kCpuCores: return r.cpu.cores;
    case kCpuPackage: return r.cpu.package;
    case kCpuSpecification: return r.cpu.specification;
    case kCpuClock: return r.cpu.clock;
    case kCpuThreads: return r.cpu.threads;
    case kCpuTechnology: return r.cpu.technology;
    case kNorthbridge: return r.board.northbridge;
    case kSouthbridge: return r.board.southbridge;
    case kBoardVendorField: return r.board.vendor;
    case kBoardModel: return r.board.model;
    case kMemoryType: return r.memory.type;
    case kMemorySize: return r.memory.size;
    case kMemoryChannels: return r.memory.channels;
    case kMemoryFrequency: return r.memory.frequency;
    case kModuleManufacturer: return module.manufacturer;
    case kModuleSize: return module.size;
    case kModuleBandwidth: return module.bandwidth;
    case kModuleManufacturingDate: return module.manufacturingDate;
    case kCaseTemperature: return r.system.caseTemperature;
    case kCpuTemperature: return r.system.cpuTemperature;
    case kBoardTemperature: return r.system.boardTemperature;
    case kFanSpeed: return r.system.fanSpeed;
    case kBiosDate: return r.system.biosDate;
    case kSystemManufacturer: return r.system.manufacturer;
    case kSystemModel: return r.system.model;
    case kOsVersion: return r.system.osVersion;
    case kGraphicsName: return r.graphics.name;
    case kGraphicsMemoryField: return r.graphics.memory;
    case kGraphicsVendorId: return r.graphics.vendorId;
    case kGraphicsModelId: break;
  }
  return r.graphics.modelId;
}

// "%.2f" of the MHz value in GHz: the factor is the single-precision number nearest to 0.001 and
// the product is kept in double precision (125 MHz gives 0.13, not the 0.12 of an exact 0.125).
// A clock that would read "0.00" (an empty or non-numeric value, or a few MHz that a virtual
// machine's firmware made up) is unknown and stays empty, rather than shown as zero.
std::string ClockText(const std::string& word) {
  long long mhz = 0;
  for (size_t i = 0; i < word.size() && word[i] >= '0' && word[i] <= '9' && mhz < 1000000000; ++i) {
    mhz = mhz * 10 + (word[i] - '0');
  }
  const double ghz = static_cast<double>(mhz) * static_cast<double>(0.001f);
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", ghz);
  return std::strcmp(text, "0.00") == 0 ? std::string() : std::string(text);
}

std::string CutBefore(const std::string& value, const char* mark) {
  return value.substr(0, value.find(mark));
}

class Walker {
 public:
  explicit Walker(ScanRecords& records) : records_(records), title_(kTitleRowMark), keySearch_(kKeys[0].key) {}
  bool done() const { return key_ >= kKeyCount; }
  void Line(LineReader& report);

 private:
  void Run(const Key& key, const std::string& value);

  ScanRecords& records_;
  MemoryModule module_;  // the working module: lives for the whole walk
  int key_ = 0;
  int titleRows_ = 0;
  AheadSearch title_;
  AheadSearch keySearch_;  // for kKeys[key_]
};

void Walker::Run(const Key& key, const std::string& value) {
  std::vector<std::string> words;
  SplitWords(value, words);
  if (static_cast<int>(words.size()) < key.minWords) return;
  std::string& field = FieldOf(records_, module_, key.field);
  switch (key.action) {
    case kWhole: field = value; break;
    case kFirstWord: field = words[0]; break;
    // A two-word value stores word 2 alone: there is no word 3 to join.
    case kPackage: field = words.size() > 2 ? words[1] + " " + words[2] : words[1]; break;
    case kClock: field = ClockText(words[0]); break;
    case kModuleMaker: field = words[0] + " "; break;
    case kModuleDate:
    case kModuleDateCarry:
      field = value;
      records_.modules.push_back(module_);
      if (key.action == kModuleDateCarry) field.clear();
      break;
    case kTemperature: field = CutBefore(value, kDegreeSign) + "度"; break;
    case kFan: field = "每分钟" + CutBefore(value, "RPM") + "转"; break;
    case kPlaceholder:
      if (IsOemPlaceholder(value)) field = "兼容机/组装机";
      else if (value == "unknown") field = "未知";
      break;
    case kBoardVendor:
      if (IsPlaceholder(value)) field.clear();
      else if (!words.empty()) field = words[0];
      break;
    case kGraphicsMemory:
      if (records_.graphics.name != "标准 VGA 图形适配器") field = words[0] + "MB";
      break;
    case kHexId: field = Between(value, "(0x", ")"); break;
  }
}

// The value of a long line, read piece by piece: between the first value start and the next end.
std::string LongValue(LineReader& report) {
  PieceSearch start(kValueStart);
  PieceSearch end(kValueEnd);
  std::string value;
  ForEachPiece(report, true, [&](std::string_view piece) {
    if (end.found()) return;
    if (!start.found()) {
      const size_t from = start.Feed(piece);
      if (from == std::string_view::npos) return;
      piece.remove_prefix(from);
    }
    const size_t to = end.Feed(piece);
    value.append(piece.substr(0, to));
    if (to != std::string_view::npos) value.resize(value.size() - (sizeof "</f" - 1));
  });
  return value;
}

void Walker::Line(LineReader& report) {
  const std::string_view line = report.text();
  if (report.whole() && line.empty()) return;
  bool title = false;
  bool hasKey = false;
  if (report.whole()) {
    title = title_.InLine(report);
  } else {
    PieceSearch mark(kTitleRowMark);
    ForEachPiece(report, false, [&](std::string_view piece) { mark.Feed(piece); });
    title = mark.found();
  }
  if (title) {
    ++titleRows_;
    for (int k = key_ + 1; k < kKeyCount; ++k) {
      if (kKeys[k].blockTitleRows != titleRows_) continue;
      key_ = k;
      keySearch_.Reset(kKeys[key_].key);
      break;
    }
  }
  const Key& key = kKeys[key_];
  if (report.whole()) {
    hasKey = keySearch_.InLine(report);
  } else {
    PieceSearch search(key.key);
    ForEachPiece(report, true, [&](std::string_view piece) { search.Feed(piece); });
    hasKey = search.found();
  }
  if (!hasKey) return;
  Run(key, report.whole() ? Between(line, kValueStart, kValueEnd) : LongValue(report));
  if (++key_ < kKeyCount) keySearch_.Reset(kKeys[key_].key);
}

}  // namespace

bool IsOemPlaceholder(const std::string& value) {
  return value == "To be filled by O.E.M." || value == "To Be Filled By O.E.M.";
}

bool IsPlaceholder(const std::string& value) { return IsOemPlaceholder(value) || value == "unknown"; }

void WalkReport(const std::string& filteredPath, ScanRecords& records) {
  LineReader report(filteredPath);
  Walker walker(records);
  while (!walker.done() && report.Next()) walker.Line(report);
}
