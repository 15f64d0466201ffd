// Disks and optical drives from /sys/block, as the disk and cdrom services list them on Windows.
#pragma once

#include <string>

namespace linux_machine {

// Fixed and USB disks under Services\Disk\Enum, with the geometry of each physical drive.
void AddDisks(const std::string& root);
// Optical drives under Services\Cdrom\Enum.
void AddOpticalDrives(const std::string& root);

}  // namespace linux_machine
