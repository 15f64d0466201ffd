// The drive paths, capacities and the table of given drive geometries, shared by both builds.
#include "platform/drives.h"

#include <map>

namespace {
std::map<std::string, DriveGeometry>& Table() {
  static std::map<std::string, DriveGeometry> table;
  return table;
}
bool inUse = false;
}  // namespace

std::string PhysicalDrivePath(uint32_t index) { return "\\\\.\\PHYSICALDRIVE" + std::to_string(index); }

uint64_t GeometryBytes(const DriveGeometry& geometry) {
  return geometry.cylinders * geometry.tracksPerCylinder * geometry.sectorsPerTrack * geometry.bytesPerSector;
}

void SetDriveGeometry(const std::string& devicePath, const DriveGeometry& geometry) {
  Table()[devicePath] = geometry;
  inUse = true;
}

void ClearDriveGeometries() {
  Table().clear();
  inUse = true;
}

bool DriveTableInUse() { return inUse; }

std::optional<DriveGeometry> TableDriveGeometry(const std::string& devicePath) {
  const auto it = Table().find(devicePath);
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

DriveGeometry GeometryForCapacity(uint64_t bytes) {
  // The usual 255 heads, 63 sectors and 512 bytes where they divide the capacity, smaller factors
  // where they do not, so that the product is always exactly the capacity asked for.
  DriveGeometry g;
  g.mediaType = 12;  // FixedMedia
  g.bytesPerSector = 1;
  for (uint32_t size : {512u, 256u, 128u, 64u, 32u, 16u, 8u, 4u, 2u}) {
    if (bytes % size == 0) {
      g.bytesPerSector = size;
      break;
    }
  }
  uint64_t rest = bytes / g.bytesPerSector;
  g.sectorsPerTrack = (rest > 0 && rest % 63 == 0) ? 63 : 1;
  rest /= g.sectorsPerTrack;
  g.tracksPerCylinder = (rest > 0 && rest % 255 == 0) ? 255 : 1;
  rest /= g.tracksPerCylinder;
  g.cylinders = rest;
  return g;
}
