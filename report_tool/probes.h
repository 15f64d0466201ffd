// The probes that fill ReportFacts on the machine the tool runs on.
#pragma once

#include <string>

#include "report_tool/report_facts.h"

// Fills what CPUID tells and the probes left empty: vendor, family, model, stepping, brand,
// instruction sets.
void ProbeCpuid(CpuFacts& cpu);

// Linux: the processor from root/proc/cpuinfo, firmware tables from root/sys/firmware/dmi/tables
// (or the texts of root/sys/class/dmi/id), PCI devices from root/sys/bus/pci/devices, sensors from
// root/sys/class/hwmon, memory from root/proc/meminfo, the system from root/etc/os-release.
void ProbeLinux(const std::string& root, ReportFacts& facts);

// Windows: SMBIOS through the firmware table call, PCI devices and display adapters from the device
// registry, processor counts, memory size and the Windows version.
void ProbeWindows(ReportFacts& facts);

// Orders devices by bus, device and function, as the report lists them.
void SortByLocation(std::vector<PciDevice>& pci);
