// The Windows probe: SMBIOS through the firmware table call, PCI devices from the device registry,
// processor counts, memory size and the Windows version. No driver, no administrator rights.
#include "report_tool/probes.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "report_tool/smbios.h"
#include "scan/text_helpers.h"

namespace {

constexpr const char* kPciEnumKey = "SYSTEM\\CurrentControlSet\\Enum\\PCI";
constexpr const char* kClassKey = "SYSTEM\\CurrentControlSet\\Control\\Class\\";
constexpr const char* kVersionKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// A value of an open key as bytes (strings without their closing NUL); empty when absent.
std::string ReadValue(HKEY key, const char* name, DWORD* type = nullptr) {
  DWORD size = 0, kind = 0;
  if (RegQueryValueExA(key, name, nullptr, &kind, nullptr, &size) != ERROR_SUCCESS || size == 0) return "";
  std::string bytes(size, '\0');
  if (RegQueryValueExA(key, name, nullptr, &kind, reinterpret_cast<BYTE*>(&bytes[0]), &size) != ERROR_SUCCESS) return "";
  bytes.resize(size);
  if (type) *type = kind;
  if (kind == REG_SZ || kind == REG_EXPAND_SZ) bytes = bytes.substr(0, bytes.find('\0'));
  return bytes;
}

std::vector<std::string> SubkeyNames(HKEY key) {
  std::vector<std::string> names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

unsigned HexAfter(const std::string& text, const char* tag, int digits) {
  size_t at = text.find(tag);
  if (at == std::string::npos) return 0;
  return static_cast<unsigned>(std::strtoul(text.substr(at + std::strlen(tag), digits).c_str(), nullptr, 16));
}

void ProbeFirmware(FirmwareFacts& fw) {
  const DWORD rsmb = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';
  UINT size = GetSystemFirmwareTable(rsmb, 0, nullptr, 0);
  if (size == 0) return;
  std::string blob(size, '\0');
  if (GetSystemFirmwareTable(rsmb, 0, &blob[0], size) != size) return;
  DecodeRawSmbiosData(blob, fw);
}

// The display driver's name and memory from its class key ("Driver" value of the instance).
void ReadDisplayDriver(HKEY instance, PciDevice& d) {
  std::string driver = ReadValue(instance, "Driver");
  HKEY key;
  if (driver.empty() || RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kClassKey + driver).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return;
  }
  d.adapterName = TrimBlanks(ReadValue(key, "DriverDesc"));
  std::string memory = ReadValue(key, "HardwareInformation.qwMemorySize");
  if (memory.size() < 8) memory = ReadValue(key, "HardwareInformation.MemorySize");
  std::uint64_t bytes = 0;
  for (size_t i = 0; i < memory.size() && i < 8; ++i) bytes |= std::uint64_t(static_cast<unsigned char>(memory[i])) << (8 * i);
  d.memoryBytes = bytes;
  RegCloseKey(key);
}

// One device instance under Enum\PCI\<ids>\<instance>.
void ReadPciInstance(HKEY instance, const std::string& ids, std::vector<PciDevice>& pci) {
  PciDevice d;
  d.vendorId = HexAfter(ids, "VEN_", 4);
  d.deviceId = HexAfter(ids, "DEV_", 4);
  unsigned subsys = HexAfter(ids, "SUBSYS_", 8);
  d.subDeviceId = subsys >> 16;
  d.subVendorId = subsys & 0xFFFF;
  if (ids.find("REV_") != std::string::npos) d.revision = static_cast<int>(HexAfter(ids, "REV_", 2));
  std::string compatible = ReadValue(instance, "CompatibleIDs");  // holds "PCI\CC_030000"
  d.classCode = HexAfter(compatible, "CC_", 4);
  // "PCI bus 1, device 0, function 0", in the language of the system: the first three numbers.
  std::string location = ReadValue(instance, "LocationInformation");
  int* parts[] = {&d.bus, &d.device, &d.function};
  size_t at = 0;
  for (int* part : parts) {
    at = location.find_first_of("0123456789", at);
    if (at == std::string::npos) break;
    *part = std::atoi(location.c_str() + at);
    at = location.find_first_not_of("0123456789", at);
  }
  if (d.vendorId == 0 || d.vendorId == 0xFFFF) return;  // not a device of the bus
  if ((d.classCode >> 8) == 0x03) {
    ReadDisplayDriver(instance, d);
    // Without a driver the device's own description names it ("@display.inf,%desc%;Name").
    std::string description = ReadValue(instance, "DeviceDesc");
    if (d.adapterName.empty()) d.adapterName = TrimBlanks(description.substr(description.rfind(';') + 1));
  }
  pci.push_back(d);
}

void ProbePci(std::vector<PciDevice>& pci) {
  HKEY root;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPciEnumKey, 0, KEY_READ, &root) != ERROR_SUCCESS) return;
  for (const std::string& ids : SubkeyNames(root)) {
    HKEY device;
    if (RegOpenKeyExA(root, ids.c_str(), 0, KEY_READ, &device) != ERROR_SUCCESS) continue;
    for (const std::string& name : SubkeyNames(device)) {
      HKEY instance;
      if (RegOpenKeyExA(device, name.c_str(), 0, KEY_READ, &instance) != ERROR_SUCCESS) continue;
      ReadPciInstance(instance, ids, pci);
      RegCloseKey(instance);
    }
    RegCloseKey(device);
  }
  RegCloseKey(root);
  SortByLocation(pci);
}

void ProbeProcessorCounts(CpuFacts& cpu) {
  DWORD size = 0;
  GetLogicalProcessorInformation(nullptr, &size);
  std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> info(size / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION) + 1);
  if (!GetLogicalProcessorInformation(info.data(), &size)) return;
  int cores = 0, threads = 0, packages = 0;
  for (size_t i = 0; i < size / sizeof info[0]; ++i) {
    if (info[i].Relationship == RelationProcessorCore) {
      ++cores;
      for (ULONG_PTR mask = info[i].ProcessorMask; mask; mask &= mask - 1) ++threads;
    } else if (info[i].Relationship == RelationProcessorPackage) {
      ++packages;
    }
  }
  if (packages < 1) packages = 1;
  cpu.sockets = packages;
  cpu.cores = cores / packages;
  cpu.threads = threads / packages;
}

std::string WindowsVersion() {
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  if (rtlGetVersion == nullptr || rtlGetVersion(&info) != 0) return "";
  std::string product;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVersionKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    product = TrimBlanks(ReadValue(key, "ProductName"));
    RegCloseKey(key);
  }
  // Windows 11 still calls itself "Windows 10" in the product name; its build number tells.
  if (info.dwBuildNumber >= 22000 && product.compare(0, 10, "Windows 10") == 0) product.replace(8, 2, "11");
  if (product.empty()) product = "Windows";
  if (product.compare(0, 10, "Microsoft ") == 0) product.erase(0, 10);
  BOOL wow64 = FALSE;
  IsWow64Process(GetCurrentProcess(), &wow64);
  int bits = (sizeof(void*) == 8 || wow64) ? 64 : 32;
  char text[256];
  std::snprintf(text, sizeof text, "Microsoft %s (%lu.%lu) %d-bit (Build %lu)", product.c_str(), info.dwMajorVersion,
                info.dwMinorVersion, bits, info.dwBuildNumber);
  return text;
}

}  // namespace

void ProbeWindows(ReportFacts& facts) {
  ProbeFirmware(facts.firmware);
  ProbePci(facts.pci);
  ProbeProcessorCounts(facts.cpu);
  ULONGLONG kb = 0;
  if (GetPhysicallyInstalledSystemMemory(&kb)) facts.memoryTotalMb = kb / 1024;
  facts.osVersion = WindowsVersion();
}
