// What a physical drive reports: its geometry (IOCTL_DISK_GET_DRIVE_GEOMETRY), its identity
// (IOCTL_STORAGE_QUERY_PROPERTY), and which physical drive a disk device is
// (IOCTL_STORAGE_GET_DEVICE_NUMBER).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// The bus a drive hangs on, as the storage stack names it; kOther for any bus that names no
// interface a buyer asks about (SCSI, SAS, SD cards, virtual disks), kRaid for a RAID volume.
enum class DriveBus { kUnknown, kAta, kSata, kNvme, kUsb, kRaid, kOther };

// A physical drive's own description. Texts are trimmed; what the drive does not say stays empty
// or unknown.
struct DriveIdentity {
  std::string vendor;   // STORAGE_DEVICE_DESCRIPTOR's vendor id ("" for most SATA disks)
  std::string product;  // its product id, such as "WDC WD10EZEX-08WN4A0"
  std::string serial;
  DriveBus bus = DriveBus::kUnknown;
  std::optional<bool> solidState;  // from the seek-penalty property (Windows) or the rotational flag (Linux)
};

// Asks physical drive index who it is; nothing when it cannot be opened or asked. Windows asks the
// drive unless a table has been given; POSIX answers from the table.
std::optional<DriveIdentity> ReadDriveIdentity(uint32_t index);

// The physical drive number of the disk device with this instance path (the path below
// "SYSTEM\CurrentControlSet\Enum\", such as "SCSI\Disk&Ven_WDC&Prod_WD10EZEX-00BN5A0\4&273a9334&0&000000"),
// as the storage stack answers it for the device's disk interface; nothing when it does not answer.
std::optional<uint32_t> DriveNumberOfDevice(const std::string& instancePath);

// The drives that answer ReadDriveIdentity, lowest number first (the table's, or on Windows the
// first 64 physical drives asked one by one).
std::vector<std::pair<uint32_t, DriveIdentity>> ListDriveIdentities();

// The table of given identities and device numbers (a saved report, the Linux registry builder,
// tests); cleared with the geometries by ClearDriveGeometries.
void SetDriveIdentity(uint32_t index, const DriveIdentity& identity);
void SetDeviceDriveNumber(const std::string& instancePath, uint32_t index);
std::optional<DriveIdentity> TableDriveIdentity(uint32_t index);
std::optional<uint32_t> TableDeviceDriveNumber(const std::string& instancePath);
std::vector<std::pair<uint32_t, DriveIdentity>> TableDriveIdentities();
