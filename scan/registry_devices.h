// Devices from the Windows device registry: disks, USB storage, optical drives, the monitor, sound
// and network devices, keyboards and mice. Each step reads only through the registry seam.
#pragma once

#include <string>
#include <vector>

// Appends the path of every key below root (any depth) that has a direct subkey named "Control".
void FindPresentDevices(const std::string& root, std::vector<std::string>& list);

// The instance paths "0" .. Count-1 of a service's Enum key; a value that cannot be read is an
// empty path, so that a position is always the instance number.
std::vector<std::string> ReadServiceInstances(const std::string& serviceEnumKey);

// The registry steps, called by the scan in this order (the graphics block comes between the first
// and the second).
void ScanDisks();
void ScanOpticalDrives();
void ScanMonitor();
void ScanSoundDevices();
void ScanNetworkAdapters();
void ScanPs2KeyboardsAndMice();
void ScanUsbKeyboardsAndMice();
