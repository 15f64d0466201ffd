// The drive paths, capacities and the table of given drive geometries, identities and device
// numbers, shared by both builds.
#include "platform/drives.h"

#include <map>

namespace {
std::map<std::string, DriveGeometry>& Table() {
  static std::map<std::string, DriveGeometry> table;
  return table;
}
std::map<uint32_t, DriveIdentity>& Identities() {
  static std::map<uint32_t, DriveIdentity> identities;
  return identities;
}
// Instance paths compared as Windows compares them: case-insensitively.
std::string Folded(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}
std::map<std::string, uint32_t>& DeviceNumbers() {
  static std::map<std::string, uint32_t> numbers;
  return numbers;
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
  Identities().clear();
  DeviceNumbers().clear();
  inUse = true;
}

bool DriveTableInUse() { return inUse; }

std::optional<DriveGeometry> TableDriveGeometry(const std::string& devicePath) {
  const auto it = Table().find(devicePath);
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

void SetDriveIdentity(uint32_t index, const DriveIdentity& identity) {
  Identities()[index] = identity;
  inUse = true;
}

void SetDeviceDriveNumber(const std::string& instancePath, uint32_t index) {
  DeviceNumbers()[Folded(instancePath)] = index;
  inUse = true;
}

std::optional<DriveIdentity> TableDriveIdentity(uint32_t index) {
  const auto it = Identities().find(index);
  if (it == Identities().end()) return std::nullopt;
  return it->second;
}

std::optional<uint32_t> TableDeviceDriveNumber(const std::string& instancePath) {
  const auto it = DeviceNumbers().find(Folded(instancePath));
  if (it == DeviceNumbers().end()) return std::nullopt;
  return it->second;
}

std::vector<std::pair<uint32_t, DriveIdentity>> TableDriveIdentities() {
  return {Identities().begin(), Identities().end()};
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
