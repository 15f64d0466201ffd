// What the probes found on this machine, as plain values: the report writer turns them into the
// report. A text left empty or a number left 0 means the machine did not give it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CpuFacts {
  std::string vendor;  // "GenuineIntel", "AuthenticAMD", ...
  std::string brand;   // the CPUID brand string, trimmed
  int family = -1;     // display family and model (extended fields folded in); -1 when unknown
  int model = -1;
  int stepping = -1;
  int cores = 0;       // per package
  int threads = 0;     // per package
  int sockets = 0;
  int stockMhz = 0;
  std::string instructions;  // "MMX, SSE, ..." when CPUID was read
};

// One memory device of the firmware tables (a populated slot).
struct MemoryDevice {
  std::string locator;
  std::string bankLocator;
  std::string manufacturer;
  std::string partNumber;
  std::string serialNumber;
  int formFactor = 0;       // SMBIOS form factor code
  int memoryType = 0;       // SMBIOS memory type code
  unsigned sizeMb = 0;
  unsigned speedMts = 0;     // rated speed in MT/s
  unsigned configuredMts = 0;
  unsigned manufacturerId = 0;  // JEDEC module manufacturer id word, 0 when absent
};

struct FirmwareFacts {
  bool present = false;  // a table was read at all
  int major = 0, minor = 0;
  std::string biosVendor, biosVersion, biosDate;
  unsigned biosRomKb = 0;
  std::string systemManufacturer, systemProduct, systemVersion, systemFamily;
  std::string boardVendor, boardModel, boardVersion;
  bool hasProcessor = false;
  std::string socketDesignation, processorManufacturer, processorVersion;
  int processorUpgrade = 0;
  unsigned processorMhz = 0, processorMaxMhz = 0, externalClockMhz = 0;
  int processorCores = 0, processorThreads = 0;
  unsigned arrayMaxMb = 0;
  int arrayDevices = 0;
  std::vector<MemoryDevice> memory;  // populated devices only, in table order
};

struct PciDevice {
  int bus = 0, device = 0, function = 0;
  unsigned vendorId = 0, deviceId = 0;
  unsigned subVendorId = 0, subDeviceId = 0;  // 0 when unknown
  unsigned classCode = 0;                     // base class << 8 | subclass
  int revision = -1;
  std::string adapterName;  // a display adapter's name: its driver's (Windows) or pci.ids' (Linux)
  std::uint64_t memoryBytes = 0; // display memory the driver reports
};

struct SensorReading {
  enum Kind { kVoltage, kTemperature, kFan } kind = kTemperature;
  double value = 0;   // volts, degrees Celsius or RPM
  std::string label;  // as the chip names the input; may be empty
};

struct HardwareMonitor {
  std::string name;
  std::vector<SensorReading> readings;
};

struct ReportFacts {
  CpuFacts cpu;
  FirmwareFacts firmware;
  std::vector<PciDevice> pci;
  std::vector<HardwareMonitor> monitors;
  std::uint64_t memoryTotalMb = 0;  // from the system when the firmware tables give no sizes
  std::string osVersion;
};
