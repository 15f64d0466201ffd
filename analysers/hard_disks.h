// The hard disk block of the summary: brand, model, capacity asked of the drive, interface,
// spindle speed, cache and estimate per disk, and the disk count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "scan/records.h"

// What the analyser works out for one disk; every field is text and starts empty.
struct DiskInfo {
  std::string brand;
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

// Size from the drive, then for a known brand cache, interface, rotation and price from the model.
void DecodeDiskModel(DiskInfo& info, const std::string& model, int32_t driveNumberPlusOne);

// The two Western Digital code letters held in rotation and interface, turned into texts.
void DecodeWdCodes(DiskInfo& info);

// Appends the disk block; the identifiers are cut in place to their model texts.
void AnalyseHardDisks(std::vector<DiskEntry>& entries);
