// The hard disk block: brand and model from the hardware identifier, capacity from the drive,
// the makers' model-number codes, and the second-hand estimate.
#include "analysers/hard_disks.h"

#include <optional>

#include "analysers/device_text.h"
#include "analysers/hard_disks_rules.h"
#include "analysers/rule_tables.h"
#include "analysers/storage_ids.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// The cache text of code in one of the makers' tables, or null.
template <size_t N>
const char* CacheFor(const CacheCode (&table)[N], char code) {
  for (const CacheCode& row : table) {
    if (row.code == code) return row.cache;
  }
  return nullptr;
}

// A Hitachi code translated, or shown as it is.
template <size_t N>
std::string HitachiText(const HitachiCode (&table)[N], const std::string& code) {
  for (const HitachiCode& row : table) {
    if (code == row.code) return row.text;
  }
  return code;
}

// The serial/parallel rule of Maxtor and Seagate: a model ending in "S" is serial.
const char* EndInterface(const std::string& model) { return model.back() == 'S' ? "串口" : "并口"; }

// Maxtor and Hitachi show a cache code they do not list as it is; Seagate leaves the cache empty.
void DecodeByBrand(DiskInfo& info, const std::string& model) {
  const size_t length = model.size();
  switch (info.codes) {
    case DiskCodes::kNone: return;
    case DiskCodes::kMaxtor: {
      if (length <= 6) return;
      info.interface = EndInterface(model);
      const char* cache = CacheFor(kMaxtorCaches, model[length - 5]);
      info.cache = cache ? cache : std::string(1, model[length - 5]);
      return;
    }
    case DiskCodes::kSeagate: {
      if (Contains(model, "-") || length <= 10) return;
      info.interface = EndInterface(model);
      const char* cache = CacheFor(kSeagateCaches, model[length - 5]);
      if (cache) info.cache = cache;
      return;
    }
    case DiskCodes::kWesternDigital: {
      const std::string code = model.substr(0, model.find('-'));
      if (code.size() < 2) return;  // too short to hold both letters
      DecodeWdCodes(info, code[code.size() - 2], code[code.size() - 1]);
      return;
    }
    case DiskCodes::kHitachi: {
      if (length <= 14) return;
      const char* cache = CacheFor(kHitachiCaches, model[length - 2]);
      info.cache = cache ? cache : std::string(1, model[length - 2]);
      info.interface = HitachiText(kHitachiInterfaces, model.substr(length - 4, 2));
      info.rotation = HitachiText(kHitachiRotations, model.substr(length - 12, 2));
      return;
    }
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
  if (const DiskBrand* row = FirstRowBeginning(kDiskBrands, &DiskBrand::prefix, model)) {
    info.brand = row->brand;
    info.codes = row->codes;
    model.erase(0, row->cut);
  }
  if (StartsWith(model, "SSD")) info.type = "固态硬盘";
  if (StartsWith(model, "vDisk")) info.type = "虚拟盘";
  if (StartsWith(model, "Richdisk")) {  // a virtual disk: no model-number rule
    info.brand = "锐起";
    info.codes = DiskCodes::kNone;
    info.type = "虚拟盘";
  }
}

// A SATA, NVMe or USB disk of the shapes Windows 7 and later write, which the makers' table above
// does not know: maker, model, interface and kind from the identifier and from the drive itself
// when it is this disk. No model-number codes and no estimate: the price table is for serial and
// parallel disks of the makers above.
void DescribeTodaysDisk(DiskInfo& info, std::string& model, const DiskEntry& entry) {
  const std::optional<StorageId> id = ParseStorageId(entry.hardwareId);
  if (!id || id->usb) return;
  const std::optional<DriveIdentity> identity = OwnDriveIdentity(*id, entry.driveNumberPlusOne);
  const StorageDescription description = DescribeStorage(*id, identity ? &*identity : nullptr);
  info.brand = description.brand;
  info.codes = DiskCodes::kNone;
  info.interface = description.interface;
  if (description.solidState) info.type = "固态硬盘";
  model = description.model;
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
  if (info.codes == DiskCodes::kNone) return;
  DecodeByBrand(info, model);
  SetPrice(info);
}

void DecodeWdCodes(DiskInfo& info, char rotationLetter, char interfaceLetter) {
  info.rotation.assign(1, rotationLetter);  // a letter not listed is shown as it is
  for (const WdRotation& row : kWdRotations) {
    if (row.letter != rotationLetter) continue;
    info.rotation = row.rotation;
    info.cache = row.cache;
    break;
  }
  info.interface.assign(1, interfaceLetter);
  for (const WdInterface& row : kWdInterfaces) {
    if (row.letter != interfaceLetter) continue;
    info.interface = row.interface;
    break;
  }
}

void AnalyseHardDisks(const std::vector<DiskEntry>& entries) {
  std::optional<SummaryBlock> block;  // begun at the first disk listed
  size_t i = 0;
  for (; i < entries.size(); ++i) {
    const DiskEntry& entry = entries[i];
    AppendDetailRow("硬盘", EscapeHtml(entry.hardwareId));
    DiskInfo info;
    if (Contains(entry.hardwareId, "VxpDisk_")) info.type = "虚拟盘";
    std::string model = ModelTextAfter(entry.hardwareId, "Disk");
    FindBrand(info, model);
    // The makers' table first; today's identifiers only where it finds no brand and no virtual disk.
    if (info.brand.empty() && info.type != "虚拟盘") DescribeTodaysDisk(info, model, entry);
    DecodeDiskModel(info, model, entry.driveNumberPlusOne);
    if (LeadingNumber(info.size) < 1) break;  // no size: this and the later disks are not listed
    if (!block) block.emplace("硬盘", SummaryBlock::Values::kRegistry);
    AppendEntry(*block, info, model);
  }
  // The count only when every disk was listed.
  if (block && i == entries.size() && i > 1) block->Total("硬盘总数:", std::to_string(i) + "个");
}
