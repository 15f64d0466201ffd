// The geometry a physical drive reports (IOCTL_DISK_GET_DRIVE_GEOMETRY).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct DriveGeometry {
  uint64_t cylinders = 0;
  uint32_t mediaType = 0;
  uint32_t tracksPerCylinder = 0;
  uint32_t sectorsPerTrack = 0;
  uint32_t bytesPerSector = 0;
};

// "\\.\PHYSICALDRIVE" + index: the device path of physical drive index.
std::string PhysicalDrivePath(uint32_t index);

// The capacity a geometry describes: cylinders x tracks per cylinder x sectors per track x bytes
// per sector, as an unsigned 64-bit product.
uint64_t GeometryBytes(const DriveGeometry& geometry);

// Asks the device named devicePath (such as "\\.\PHYSICALDRIVE0") for its geometry; nothing when
// it cannot be opened or asked. POSIX always answers from the table below; Windows asks the drive
// itself unless a table has been given (analysing a saved report offline).
std::optional<DriveGeometry> ReadDriveGeometry(const std::string& devicePath);

// The table of given geometries, keyed by device path. Setting or clearing it makes it the only
// source of answers (an empty table: a machine whose drives all fail to answer).
void SetDriveGeometry(const std::string& devicePath, const DriveGeometry& geometry);
void ClearDriveGeometries();
bool DriveTableInUse();
std::optional<DriveGeometry> TableDriveGeometry(const std::string& devicePath);

// A geometry whose product cylinders x tracks x sectors x bytes per sector equals bytes exactly.
DriveGeometry GeometryForCapacity(uint64_t bytes);
