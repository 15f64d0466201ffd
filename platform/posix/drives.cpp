// Drives natively: only the given table answers (filled by a test, the command line or sysfs).
#include "platform/drives.h"

std::optional<DriveGeometry> ReadDriveGeometry(const std::string& devicePath) {
  return TableDriveGeometry(devicePath);
}

std::optional<DriveIdentity> ReadDriveIdentity(uint32_t index) { return TableDriveIdentity(index); }

std::optional<uint32_t> DriveNumberOfDevice(const std::string& instancePath) {
  return TableDeviceDriveNumber(instancePath);
}

std::vector<std::pair<uint32_t, DriveIdentity>> ListDriveIdentities() { return TableDriveIdentities(); }
