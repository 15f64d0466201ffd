// The USB flash drive block: brand, model and capacity in gigabytes with one decimal per device.
#include "analysers/usb_storage.h"

#include <cstdio>
#include <optional>

#include "analysers/device_text.h"
#include "analysers/hard_disks.h"
#include "analysers/rule_tables.h"
#include "analysers/storage_ids.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// USB storage makers: prefix the model text begins with, Chinese brand, characters removed.
// clang-format off
struct UsbBrand { const char* prefix; const char* brand; int cut; };
constexpr UsbBrand kUsbBrands[] = {
    {"WDC_", "西部数据", 4},
    {"MAXTOR_", "迈拓", 7},
    {"ST", "希捷", 0},
    {"HD", "日立", 0},
    {"TOSHIBA_", "东芝", 8},
    {"FUJITSU_", "富士通", 8},
    {"Kingston", "金士顿", 8},  // mixed case and no "_": a following "_" stays in the model
};
// clang-format on

// The capacity in gigabytes with one decimal: whole megabytes as a 32-bit number times the
// single-precision 0.001, multiplied in double precision.
std::string UsbSize(int32_t driveNumberPlusOne) {
  DriveGeometry geometry;
  if (!QueryDriveGeometry(geometry, driveNumberPlusOne)) return std::string();
  const int32_t megabytes = static_cast<int32_t>(GeometryBytes(geometry) / 1000000u);
  const double gigabytes = megabytes * static_cast<double>(0.001f);
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", gigabytes);
  return text;
}

// A stick of a maker the table above does not know, from its USBSTOR identifier and from the drive
// itself when it is this stick: the maker's brand and the model without the maker's word. A stick
// of no known maker keeps the model text the table's rule gave it.
void DescribeTodaysStick(const DiskEntry& entry, std::string& brand, std::string& model) {
  const std::optional<StorageId> id = ParseStorageId(entry.hardwareId);
  if (!id || !id->usb) return;
  const std::optional<DriveIdentity> identity = OwnDriveIdentity(*id, entry.driveNumberPlusOne);
  const StorageDescription description = DescribeStorage(*id, identity ? &*identity : nullptr);
  if (description.brand.empty()) return;
  brand = description.brand;
  model = description.model;
}

}  // namespace

void AnalyseUsbStorage(const std::vector<DiskEntry>& entries) {
  std::optional<SummaryBlock> block;  // begun at the first stick listed
  size_t i = 0;
  for (; i < entries.size(); ++i) {
    AppendDetailRow("U盘", EscapeHtml(entries[i].hardwareId));
    std::string model = ModelTextAfter(entries[i].hardwareId, "Disk");
    const UsbBrand* row = FirstRowBeginning(kUsbBrands, &UsbBrand::prefix, model);
    std::string brand = row ? row->brand : "";
    if (row) model.erase(0, row->cut);
    if (!row) DescribeTodaysStick(entries[i], brand, model);
    const std::string size = UsbSize(entries[i].driveNumberPlusOne);
    if (LeadingNumber(size) < 1) break;  // no media or under 1 GB: this and the later ones are not listed
    if (!block) block.emplace("U盘", SummaryBlock::Values::kRegistry);
    // The two forms part here: the page puts a blank between brand and size and after the "G", the
    // text a blank before "型号:"; the page ends the stick's line, the text does not.
    block->Name({brand + " " + size + "G ", brand + size + "G"});
    block->Break();
    block->ItemAlways({"型号:", " 型号:"}, model);
    block->Break(Form::kPage);
  }
  // The count only when every stick was listed.
  if (block && i == entries.size() && i > 1) block->Total("U盘总数:", std::to_string(i) + "个");
}
