// Drive geometry from the drive itself: CreateFileA and IOCTL_DISK_GET_DRIVE_GEOMETRY.
#include "platform/drives.h"

#include <windows.h>
#include <winioctl.h>

std::optional<DriveGeometry> ReadDriveGeometry(const std::string& devicePath) {
  if (DriveTableInUse()) return TableDriveGeometry(devicePath);
  HANDLE drive = CreateFileA(devicePath.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                             nullptr);
  if (drive == INVALID_HANDLE_VALUE) return std::nullopt;
  DISK_GEOMETRY raw{};
  DWORD returned = 0;
  const BOOL ok = DeviceIoControl(drive, IOCTL_DISK_GET_DRIVE_GEOMETRY, nullptr, 0, &raw, sizeof raw, &returned,
                                  nullptr);
  CloseHandle(drive);
  if (!ok) return std::nullopt;
  DriveGeometry g;
  g.cylinders = static_cast<uint64_t>(raw.Cylinders.QuadPart);
  g.mediaType = static_cast<uint32_t>(raw.MediaType);
  g.tracksPerCylinder = raw.TracksPerCylinder;
  g.sectorsPerTrack = raw.SectorsPerTrack;
  g.bytesPerSector = raw.BytesPerSector;
  return g;
}
