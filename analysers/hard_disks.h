// The hard disk block of the summary: brand, model, capacity asked of the drive, interface,
// spindle speed, cache and estimate per disk, and the disk count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "scan/records.h"

// The model-number rules the analyser knows: the maker's codes for interface, rotation and cache.
enum class DiskCodes { kNone, kMaxtor, kSeagate, kWesternDigital, kHitachi };

// What the analyser works out for one disk; every text starts empty.
struct DiskInfo {
  std::string brand;
  DiskCodes codes = DiskCodes::kNone;  // the brand's model-number rule
  std::string size;
  std::string cache;
  std::string interface;
  std::string rotation;
  std::string price;
  std::string type;
};

// Asks physical drive driveNumberPlusOne - 1 for its geometry; false when there is no such drive
// (a number below 1 asks for none).
bool QueryDriveGeometry(DriveGeometry& geometry, int32_t driveNumberPlusOne);

// Size from the drive, then by the brand's model-number rule (info.codes) cache, interface,
// rotation and price from the model.
void DecodeDiskModel(DiskInfo& info, const std::string& model, int32_t driveNumberPlusOne);

// The two Western Digital code letters turned into rotation and cache, and interface; a letter the
// tables do not list is shown as it is.
void DecodeWdCodes(DiskInfo& info, char rotationLetter, char interfaceLetter);

// Appends the disk block and a detail row per disk.
void AnalyseHardDisks(const std::vector<DiskEntry>& entries);
