// The names the report gives to the devices the probes found: memory generations and bandwidth
// names, PCI vendors and devices, chipset and display adapter names.
#pragma once

#include <string>

#include "report_tool/report_facts.h"

// "DDR3" for the firmware memory type code; empty when unknown.
std::string MemoryTypeName(int memoryType);
// "DIMM", "SO-DIMM" for the firmware form factor code; empty when unknown.
std::string FormFactorName(int formFactor);
// The transfer rate a firmware speed stands for (1333 -> 1333.33).
double ExactSpeed(unsigned speedMts);
// "PC3-10700 (667 MHz)" for a module of this type and rated speed; empty when unknown.
std::string BandwidthName(int memoryType, unsigned speedMts);

// The short vendor name of a PCI vendor id ("Intel", "AMD", "NVIDIA"); empty when not ours.
std::string PciVendorName(unsigned vendorId);
// The device's name in the generated id table; empty when it has none.
std::string PciDeviceName(unsigned vendorId, unsigned deviceId);
// "Intel H61" from a bridge's table name: the vendor and the chipset part of the name.
std::string ChipsetName(unsigned vendorId, unsigned deviceId);
// "NVIDIA GeForce GTX 650 Ti" from a display controller's table name.
std::string DisplayAdapterName(unsigned vendorId, unsigned deviceId);
