// Memory and PCI device names: firmware memory codes, bandwidth names, and the chipset and display
// adapter names taken from the id table generated at build time from the system's pci.ids.
#include "report_tool/device_names.h"

#include <cstdio>
#include <cstring>

namespace {

// Generated: PCI vendor id, device id, name, sorted by vendor and device.
// clang-format off
struct PciName { unsigned vendor; unsigned device; const char* name; };
constexpr PciName kPciNames[] = {
#include "pci_id_table.inc"
};
// clang-format on

// Firmware memory type code, generation name, bandwidth prefix ("PC3-").
// clang-format off
struct MemoryTypeRule { int code; const char* name; const char* prefix; };
constexpr MemoryTypeRule kMemoryTypes[] = {
    {0x12, "DDR", "PC"},      {0x13, "DDR2", "PC2-"},   {0x18, "DDR3", "PC3-"},
    {0x1A, "DDR4", "PC4-"},   {0x1B, "LPDDR", "PC"},    {0x1C, "LPDDR2", "PC2-"},
    {0x1D, "LPDDR3", "PC3-"}, {0x1E, "LPDDR4", "PC4-"}, {0x22, "DDR5", "PC5-"},
    {0x23, "LPDDR5", "PC5-"},
};
// clang-format on

// Bandwidth numbers as the module labels give them where they differ from speed x 8:
// memory type code, speed in MT/s, number.
// clang-format off
struct BandwidthRule { int code; unsigned speed; unsigned number; };
constexpr BandwidthRule kBandwidths[] = {
    {0x12, 266, 2100},  {0x12, 333, 2700},  {0x13, 533, 4300},  {0x13, 667, 5300},  {0x18, 1066, 8500}, {0x18, 1333, 10700},
    {0x18, 1866, 14900}, {0x18, 2133, 17000}, {0x1A, 2133, 17000}, {0x1A, 2666, 21300},
    {0x1A, 2933, 23400},
};
// clang-format on

// Firmware form factor code, name.
// clang-format off
struct FormFactorRule { int code; const char* name; };
constexpr FormFactorRule kFormFactors[] = {
    {0x03, "SIMM"}, {0x09, "DIMM"}, {0x0B, "Row of chips"}, {0x0D, "SO-DIMM"}, {0x0F, "FB-DIMM"},
};
// clang-format on

// PCI vendors the report names: id, short name. ATI devices carry AMD's name.
// clang-format off
struct VendorRule { unsigned id; const char* name; };
constexpr VendorRule kVendors[] = {
    {0x8086, "Intel"}, {0x1022, "AMD"}, {0x1002, "AMD"}, {0x10DE, "NVIDIA"},
    {0x1106, "VIA"},   {0x1039, "SiS"}, {0x10B9, "ULi"}, {0x1166, "ServerWorks"},
};
// clang-format on

// Where a bridge's table name stops naming the chipset: "Q77 Express Chipset LPC Controller" -> "Q77".
// clang-format off
constexpr const char* kChipsetNameEnds[] = {
    " Express", " Chipset", " LPC", " ISA", " Host", " DRAM", " Memory Controller", " PCI",
    " Root Complex", " Family", " Series", " Processor", " SoC", " Platform", " (",
};
// clang-format on

}  // namespace

double ExactSpeed(unsigned speedMts) {
  // The tables round the thirds of the standard speeds: 1333 is 1333 1/3, 667 is 666 2/3.
  unsigned hundreds = speedMts / 100 * 100;
  if (speedMts % 100 == 33) return hundreds + 100.0 / 3;
  if (speedMts % 100 == 66 || speedMts % 100 == 67) return hundreds + 200.0 / 3;
  return speedMts;
}

std::string MemoryTypeName(int memoryType) {
  for (const MemoryTypeRule& rule : kMemoryTypes) {
    if (rule.code == memoryType) return rule.name;
  }
  return "";
}

std::string FormFactorName(int formFactor) {
  for (const FormFactorRule& rule : kFormFactors) {
    if (rule.code == formFactor) return rule.name;
  }
  return "";
}

std::string BandwidthName(int memoryType, unsigned speedMts) {
  const char* prefix = nullptr;
  for (const MemoryTypeRule& rule : kMemoryTypes) {
    if (rule.code == memoryType) prefix = rule.prefix;
  }
  if (prefix == nullptr || speedMts == 0) return "";
  unsigned number = speedMts * 8;
  for (const BandwidthRule& rule : kBandwidths) {
    if (rule.code == memoryType && rule.speed == speedMts) number = rule.number;
  }
  char text[64];
  std::snprintf(text, sizeof text, "%s%u (%.0f MHz)", prefix, number, ExactSpeed(speedMts) / 2);
  return text;
}

std::string PciVendorName(unsigned vendorId) {
  for (const VendorRule& rule : kVendors) {
    if (rule.id == vendorId) return rule.name;
  }
  return "";
}

std::string PciDeviceName(unsigned vendorId, unsigned deviceId) {
  size_t low = 0, high = sizeof kPciNames / sizeof kPciNames[0];
  while (low < high) {
    size_t mid = (low + high) / 2;
    const PciName& row = kPciNames[mid];
    if (row.vendor == vendorId && row.device == deviceId) return row.name;
    if (row.vendor < vendorId || (row.vendor == vendorId && row.device < deviceId)) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return "";
}

std::string ChipsetName(unsigned vendorId, unsigned deviceId) {
  std::string vendor = PciVendorName(vendorId);
  std::string name = PciDeviceName(vendorId, deviceId);
  if (vendor.empty()) return "";
  if (name.empty()) {
    char id[16];
    std::snprintf(id, sizeof id, "ID%04X", deviceId);  // a bridge the table does not know
    return vendor + " " + id;
  }
  size_t cut = name.size();
  for (const char* end : kChipsetNameEnds) {
    size_t at = name.find(end);
    if (at != std::string::npos && at > 0 && at < cut) cut = at;
  }
  return vendor + " " + name.substr(0, cut);
}

std::string DisplayAdapterName(unsigned vendorId, unsigned deviceId) {
  std::string vendor = PciVendorName(vendorId);
  std::string name = PciDeviceName(vendorId, deviceId);
  if (name.empty()) return "";
  size_t open = name.find('[');
  size_t close = name.find(']', open == std::string::npos ? 0 : open);
  if (open != std::string::npos && close != std::string::npos) name = name.substr(open + 1, close - open - 1);
  if (vendor.empty() || name.compare(0, vendor.size(), vendor) == 0) return name;
  return vendor + " " + name;
}
