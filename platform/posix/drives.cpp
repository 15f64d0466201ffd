// Drive geometry natively: only the given table answers (filled by a test, the command line or sysfs).
#include "platform/drives.h"

std::optional<DriveGeometry> ReadDriveGeometry(const std::string& devicePath) {
  return TableDriveGeometry(devicePath);
}
