// The hard disk block: brand and model from the hardware identifier, capacity from the drive,
// the makers' model-number codes, and the second-hand estimate.
#include "analysers/hard_disks.h"

#include <optional>

#include "analysers/device_text.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Disk makers: prefix the model text begins with, Chinese brand, characters removed from the model.
struct DiskBrand { const char* prefix; const char* brand; int cut; };
constexpr DiskBrand kDiskBrands[] = {
    {"WDC_", "西部数据", 4},
    {"MAXTOR_", "迈拓", 7},
    {"ST", "希捷", 0},  // Seagate models begin with ST, which stays
    {"HD", "日立", 0},
    {"TOSHIBA_", "东芝", 8},
    {"FUJITSU_", "富士通", 8},
    {"KINGSTON_", "金士顿", 9},
    {"INTEL_", "英特尔", 6},
};

// Western Digital rotation letters: letter, rotation, cache.
struct WdRotation { char letter; const char* rotation; const char* cache; };
constexpr WdRotation kWdRotations[] = {
    {'A', "5400转", "2MB"},   {'B', "7200转", "2MB"},  {'C', "5400转", "16MB"},
    {'D', "5400转", "32MB"},  {'F', "10000转", "16MB"}, {'G', "10000转", "8MB"},
    {'J', "7200转", "8MB"},   {'K', "7200转", "16MB"}, {'L', "7200转", "32MB"},
    {'V', "5400转", "8MB"},   {'R', "5400转", "64MB"}, {'Y', "7200转", ""},  // Y names no cache
};

// Western Digital interface letters: letter, interface.
struct WdInterface { char letter; const char* interface; };
constexpr WdInterface kWdInterfaces[] = {
    {'S', "串口"}, {'D', "串口"}, {'T', "串口"}, {'X', "串口"},
    {'A', "并口"}, {'B', "并口"}, {'C', "并口"}, {'E', "并口"},
    {'F', "SAS"},  {'G', "SAS"},
};

// Estimates: size range in GB (inclusive), price for a serial and for a parallel disk ("" for none).
struct DiskPrice { int low; int high; const char* serial; const char* parallel; };
constexpr DiskPrice kDiskPrices[] = {
    {2, 69, "30", "20"},         {71, 84, "80", "60"},        {85, 89, "", "60"},
    {151, 169, "150", "120"},    {241, 259, "180", "150"},    {311, 329, "200", "180"},
    {491, 809, "250", "220"},    {901, 1099, "350", "280"},   {1401, 1599, "400", "350"},
    {1901, 2099, "450", "400"},  {2901, 3099, "450", ""},
};

// Maxtor and Seagate cache codes: code character, cache text.
struct CacheCode { char code; const char* cache; };
constexpr CacheCode kMaxtorCaches[] = {{'5', "32M"}, {'6', "16M"}, {'8', "8M"}, {'2', "2M"}};
constexpr CacheCode kSeagateCaches[] = {{'5', "32M"}, {'6', "64M"}, {'8', "8M"}, {'4', "16M"}};

template <size_t N>
const char* CacheFor(const CacheCode (&table)[N], char code) {
  for (const CacheCode& row : table) {
    if (row.code == code) return row.cache;
  }
  return nullptr;
}

// The serial/parallel rule of Maxtor and Seagate: a model ending in "S" is serial.
const char* EndInterface(const std::string& model) { return model.back() == 'S' ? "串口" : "并口"; }

// The Hitachi code rule: a two-character code translated, or shown as it is.
std::string HitachiCode(const std::string& code, const char* a, const char* aText, const char* b,
                        const char* bText) {
  if (code == a) return aText;
  if (code == b) return bText;
  return code;
}

void DecodeByBrand(DiskInfo& info, const std::string& model) {
  const size_t length = model.size();
  if (info.brand == "迈拓") {
    if (length <= 6) return;
    info.interface = EndInterface(model);
    const char* cache = CacheFor(kMaxtorCaches, model[length - 5]);
    info.cache = cache ? cache : std::string(1, model[length - 5]);
  } else if (info.brand == "希捷") {
    if (Contains(model, "-") || length <= 10) return;
    info.interface = EndInterface(model);
    const char* cache = CacheFor(kSeagateCaches, model[length - 5]);
    if (cache) info.cache = cache;
  } else if (info.brand == "西部数据") {
    const std::string code = model.substr(0, model.find('-'));
    if (code.size() < 2) return;  // too short to hold both letters
    info.rotation = code.substr(code.size() - 2, 1);
    info.interface = code.substr(code.size() - 1, 1);
    DecodeWdCodes(info);
  } else if (info.brand == "日立") {
    if (length <= 14) return;
    const char cache = model[length - 2];
    info.cache = cache == '6' ? "16M" : cache == '8' ? "8M" : std::string(1, cache);
    info.interface = HitachiCode(model.substr(length - 4, 2), "A3", "串口", "AT", "并口");
    info.rotation = HitachiCode(model.substr(length - 12, 2), "72", "7200转 ", "54", "5400转 ");
  }
}

void SetPrice(DiskInfo& info) {
  const bool serial = info.interface == "串口";
  if (!serial && info.interface != "并口") return;
  const int size = LeadingNumber(info.size);
  for (const DiskPrice& row : kDiskPrices) {
    if (size < row.low || size > row.high) continue;
    info.price = serial ? row.serial : row.parallel;
    return;
  }
}

// Brand, prefix cut and the solid-state and virtual-disk tests on the model text.
void FindBrand(DiskInfo& info, std::string& model) {
  for (const DiskBrand& row : kDiskBrands) {
    if (!StartsWith(model, row.prefix)) continue;
    info.brand = row.brand;
    model.erase(0, row.cut);
    break;
  }
  if (StartsWith(model, "SSD")) info.type = "固态硬盘";
  if (StartsWith(model, "vDisk")) info.type = "虚拟盘";
  if (StartsWith(model, "Richdisk")) {
    info.brand = "锐起";
    info.type = "虚拟盘";
  }
}

// One disk of the list. Undecoded codes are characters of the model text, which the page escapes.
void AppendEntry(SummaryBlock& block, const DiskInfo& info, const std::string& model) {
  const std::string name = info.brand + " " + info.size + "G";
  block.Name({name, name + " "});  // the text keeps a blank before its line end
  block.Break();
  block.ItemAlways("型号:", model);
  block.Item(" 类型:", info.type);
  block.Item(" 接口:", info.interface);
  block.Item(" 转速:", info.rotation);
  block.Item(" 缓存:", info.cache);
  // A virtual disk has no estimate; the text writes this label without its leading blank.
  if (info.type != "虚拟盘") block.Price(info.price, {" 二手估价:", "二手估价:"});
  block.Break();
}

}  // namespace

bool QueryDriveGeometry(DriveGeometry& geometry, int32_t driveNumberPlusOne) {
  if (driveNumberPlusOne < 1) return false;  // an unknown drive number asks no drive
  const auto answer = ReadDriveGeometry(PhysicalDrivePath(static_cast<uint32_t>(driveNumberPlusOne - 1)));
  if (!answer) return false;
  geometry = *answer;
  return true;
}

void DecodeDiskModel(DiskInfo& info, const std::string& model, int32_t driveNumberPlusOne) {
  DriveGeometry geometry;
  if (QueryDriveGeometry(geometry, driveNumberPlusOne)) {
    info.size = std::to_string(GeometryBytes(geometry) / 1000000000u);
  }
  if (info.brand.empty()) return;
  DecodeByBrand(info, model);
  SetPrice(info);
}

void DecodeWdCodes(DiskInfo& info) {
  const char rotation = info.rotation.size() == 1 ? info.rotation[0] : '\0';
  for (const WdRotation& row : kWdRotations) {
    if (row.letter != rotation) continue;
    info.rotation = row.rotation;
    info.cache = row.cache;
    break;
  }
  const char interface = info.interface.size() == 1 ? info.interface[0] : '\0';
  for (const WdInterface& row : kWdInterfaces) {
    if (row.letter != interface) continue;
    info.interface = row.interface;
    break;
  }
}

void AnalyseHardDisks(std::vector<DiskEntry>& entries) {
  std::optional<SummaryBlock> block;  // begun at the first disk listed
  size_t i = 0;
  for (; i < entries.size(); ++i) {
    DiskEntry& entry = entries[i];
    AppendDetailRow("硬盘", EscapeHtml(entry.hardwareId));
    DiskInfo info;
    if (Contains(entry.hardwareId, "VxpDisk_")) info.type = "虚拟盘";
    entry.hardwareId = ModelTextAfter(entry.hardwareId, "Disk");
    FindBrand(info, entry.hardwareId);
    DecodeDiskModel(info, entry.hardwareId, entry.number);
    if (LeadingNumber(info.size) < 1) break;  // no size: this and the later disks are not listed
    if (!block) block.emplace("硬盘", SummaryBlock::Values::kRegistry);
    AppendEntry(*block, info, entry.hardwareId);
  }
  // The count only when every disk was listed.
  if (block && i == entries.size() && i > 1) block->Total("硬盘总数:", std::to_string(i) + "个");
}
