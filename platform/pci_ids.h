// POSIX only: the names of a PCI vendor and device in the system's pci.ids.
#pragma once

#ifndef _WIN32
#include <cstdint>
#include <string>

struct PciIdsNames {
  std::string vendor;  // the vendor line's name ("Realtek Semiconductor Co., Ltd.")
  std::string device;  // the device line's name; empty when the vendor lists no such device
};

// Looks vendor and device up in root + "/usr/share/misc/pci.ids" (or "/usr/share/hwdata/pci.ids"):
// both names as the file writes them (UTF-8), empty where it has none.
PciIdsNames LookupPciIds(const std::string& root, uint32_t vendor, uint32_t device);
#endif
