// Devices from the Windows device registry: disks, USB storage, optical drives, the monitor, sound
// and network devices, keyboards and mice. Each step reads only through the registry seam.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scan/records.h"

// Every registry step in the scan's order: disks and USB storage, the report's display adapter
// (only when the report was read: graphics is null otherwise), optical drives, the monitor, sound
// and network devices, PS/2 then USB keyboards and mice.
void ScanRegistryDevices(const GraphicsRecord* graphics);

// Appends the path of every key below root (any depth) that has a direct subkey named "Control".
void FindPresentDevices(const std::string& root, std::vector<std::string>& list);

// The instance paths "0" .. Count-1 of a service's Enum key; a value that cannot be read is an
// empty path, so that a position is always the instance number.
std::vector<std::string> ReadServiceInstances(const std::string& serviceEnumKey);

// A disk device of the disk service, as the drive-number rule sees it.
struct DiskDevice {
  std::string instancePath;                // the service's instance value, below "...\Enum\"
  std::string hardwareId;                  // first "HardwareID" string
  std::optional<std::string> location;     // "LocationInformation", when it can be read
  bool usb = false;                        // a USBSTOR device (the USB storage list)
  uint32_t instance = 0;                   // its position in the service's instances
};

// The physical drive number plus one of each device (0: not known), in the devices' order:
// first the storage stack's own answer for the device; then the drive whose identity (vendor,
// product, serial) is the device's, lowest number first among drives no other device has; then the
// number the old rule gives (LocationInformation's leading digits, or the instance position for a
// USB disk) plus one, for a drive no device has yet, but only when no two devices left would ask
// the same drive: on AHCI and NVMe machines every disk's LocationInformation names target 0.
std::vector<int32_t> AssignDriveNumbers(const std::vector<DiskDevice>& devices);

// The steps one by one (the keyboard and mouse steps are in input_devices.h).
void ScanDisks();
void ScanOpticalDrives();
void ScanMonitor();
void ScanSoundDevices();
void ScanNetworkAdapters();

// ---- Shared with the keyboard and mouse steps (input_devices.cpp) ----

// Prefix of every device key named by a service instance path.
constexpr const char* kEnumPrefix = "SYSTEM\\CurrentControlSet\\Enum\\";

// The text after the first mark, when the mark stands at a position greater than 0; else the text.
std::string CutAfterFirst(const std::string& text, char mark);

// A text value of the device key "SYSTEM\CurrentControlSet\Enum\" + instancePath.
std::optional<std::string> ReadInstanceValue(const std::string& instancePath, const std::string& name);

// "Class" and "DeviceDesc" of the key at keyPath; false when the key or either value is missing.
bool ReadClassAndDescription(const std::string& keyPath, std::string& deviceClass, std::string& description);
