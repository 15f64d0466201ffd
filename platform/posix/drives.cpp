// Drive geometry from a table filled by the caller (a test, the command line, or sysfs).
#include "platform/drives.h"

#include <map>

namespace {
std::map<std::string, DriveGeometry>& Table() {
  static std::map<std::string, DriveGeometry> table;
  return table;
}
}  // namespace

std::optional<DriveGeometry> ReadDriveGeometry(const std::string& devicePath) {
  const auto it = Table().find(devicePath);
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

void SetDriveGeometry(const std::string& devicePath, const DriveGeometry& geometry) {
  Table()[devicePath] = geometry;
}

void ClearDriveGeometries() { Table().clear(); }

DriveGeometry GeometryForCapacity(uint64_t bytes) {
  // Take the usual 255 heads, 63 sectors and 512 bytes when they divide the capacity, then fall back
  // to smaller factors, so that the product is always exactly the capacity asked for.
  DriveGeometry g;
  g.mediaType = 12;  // FixedMedia
  const uint32_t sectorSizes[] = {512, 256, 128, 64, 32, 16, 8, 4, 2, 1};
  for (uint32_t s : sectorSizes) {
    if (bytes % s == 0) { g.bytesPerSector = s; break; }
  }
  uint64_t rest = bytes / g.bytesPerSector;
  g.sectorsPerTrack = (rest % 63 == 0 && rest > 0) ? 63 : 1;
  rest /= g.sectorsPerTrack;
  g.tracksPerCylinder = (rest % 255 == 0 && rest > 0) ? 255 : 1;
  rest /= g.tracksPerCylinder;
  g.cylinders = rest;
  return g;
}
