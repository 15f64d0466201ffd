// POSIX only: this Linux machine's devices in the shapes the Windows device registry gives them, so
// that the scan's registry steps run unchanged on Linux.
#pragma once

#ifndef _WIN32
#include <string>

// Fills the in-memory registry (platform/registry.h builders), the drive geometry table and the
// display mode from the sysfs and procfs found under root ("/" for this machine; a test passes a
// fake tree):
// - fixed disks as Services\Disk\Enum instances "SCSI\Disk" + vendor padded to 8 with "_" + product
//   padded to 16 + revision, with "LocationInformation" the physical drive index in decimal;
// - removable USB disks as "USBSTOR\Disk..." instances (their drive index is their position in the list);
// - optical drives under Services\Cdrom\Enum;
// - HD-audio and PCI sound devices (Class "MEDIA") and PCI network adapters (Class "Net");
// - the first connected monitor from its DRM EDID ("MONITOR\" + maker code + product code);
// - PS/2 and USB keyboards and mice from /proc/bus/input/devices;
// - the display mode from DRM when known.
void BuildRegistryFromMachine(const std::string& root);
#endif
