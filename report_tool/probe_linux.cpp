// The Linux probe: /proc, /sys and /etc under a root directory (the real "/" or a test's tree).
#include "report_tool/probes.h"

#include <cstdlib>
#include <set>
#include <sstream>

#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/pci_ids.h"
#include "report_tool/device_names.h"
#include "report_tool/smbios.h"
#include "scan/text_helpers.h"

namespace {

std::string ReadFile(const std::string& path) { return ReadWholeFile(path).value_or(std::string()); }

// One text of sysfs, trimmed; the kernel's texts are UTF-8, the report's are GBK.
std::string ReadLine(const std::string& path) { return Utf8ToGbk(TrimBlanks(ReadFile(path))); }

unsigned long ReadNumber(const std::string& path, int base, bool& ok) {
  std::string text = ReadLine(path);
  char* end = nullptr;
  unsigned long value = std::strtoul(text.c_str(), &end, base);
  ok = !text.empty() && end != text.c_str();
  return value;
}

void ProbeCpuinfo(const std::string& root, CpuFacts& cpu) {
  std::istringstream lines(ReadFile(root + "/proc/cpuinfo"));
  std::set<std::string> packages;
  std::string line;
  while (std::getline(lines, line)) {
    size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    std::string key = TrimBlanks(line.substr(0, colon)), value = TrimBlanks(line.substr(colon + 1));
    int number = std::atoi(value.c_str());
    if (key == "vendor_id" && cpu.vendor.empty()) cpu.vendor = value;
    else if (key == "cpu family" && cpu.family < 0) cpu.family = number;
    else if (key == "model" && cpu.model < 0) cpu.model = number;
    else if (key == "stepping" && cpu.stepping < 0) cpu.stepping = number;
    else if (key == "model name" && cpu.brand.empty()) cpu.brand = Utf8ToGbk(value);
    else if (key == "cpu cores" && cpu.cores == 0) cpu.cores = number;
    else if (key == "siblings" && cpu.threads == 0) cpu.threads = number;
    else if (key == "physical id") packages.insert(value);
  }
  if (!packages.empty()) cpu.sockets = static_cast<int>(packages.size());
  bool ok = false;
  unsigned long baseKhz = ReadNumber(root + "/sys/devices/system/cpu/cpu0/cpufreq/base_frequency", 10, ok);
  if (ok && baseKhz > 0) cpu.stockMhz = static_cast<int>((baseKhz + 500) / 1000);
}

// The firmware tables when readable, else the texts the kernel shows to everyone.
void ProbeFirmware(const std::string& root, FirmwareFacts& fw) {
  std::string table = ReadFile(root + "/sys/firmware/dmi/tables/DMI");
  int major = 0, minor = 0;
  if (!table.empty() && ReadSmbiosEntryVersion(ReadFile(root + "/sys/firmware/dmi/tables/smbios_entry_point"), major, minor) &&
      DecodeSmbiosTable(table, major, minor, fw)) {
    return;
  }
  const std::string id = root + "/sys/class/dmi/id/";
  // clang-format off
  struct { const char* file; std::string* field; } kTexts[] = {
      {"bios_vendor", &fw.biosVendor},     {"bios_version", &fw.biosVersion},   {"bios_date", &fw.biosDate},
      {"sys_vendor", &fw.systemManufacturer}, {"product_name", &fw.systemProduct},
      {"product_version", &fw.systemVersion}, {"product_family", &fw.systemFamily},
      {"board_vendor", &fw.boardVendor},   {"board_name", &fw.boardModel},      {"board_version", &fw.boardVersion},
  };
  // clang-format on
  for (const auto& t : kTexts) {
    *t.field = ReadLine(id + t.file);
    fw.present = fw.present || !t.field->empty();
  }
}

void ProbePci(const std::string& root, std::vector<PciDevice>& pci) {
  const std::string base = root + "/sys/bus/pci/devices/";
  for (const std::string& name : ListDirectory(base)) {
    unsigned domain = 0, bus = 0, device = 0, function = 0;
    if (std::sscanf(name.c_str(), "%x:%x:%x.%x", &domain, &bus, &device, &function) != 4) continue;
    const std::string dir = base + name + "/";
    PciDevice d;
    bool ok = false;
    d.bus = static_cast<int>(bus);
    d.device = static_cast<int>(device);
    d.function = static_cast<int>(function);
    d.vendorId = static_cast<unsigned>(ReadNumber(dir + "vendor", 16, ok));
    if (!ok) continue;
    d.deviceId = static_cast<unsigned>(ReadNumber(dir + "device", 16, ok));
    d.classCode = static_cast<unsigned>(ReadNumber(dir + "class", 16, ok) >> 8);
    unsigned long revision = ReadNumber(dir + "revision", 16, ok);
    if (ok) d.revision = static_cast<int>(revision);
    d.subVendorId = static_cast<unsigned>(ReadNumber(dir + "subsystem_vendor", 16, ok));
    d.subDeviceId = static_cast<unsigned>(ReadNumber(dir + "subsystem_device", 16, ok));
    unsigned long long vram = std::strtoull(ReadLine(dir + "mem_info_vram_total").c_str(), nullptr, 10);
    d.memoryBytes = vram;
    pci.push_back(d);
  }
  SortByLocation(pci);
}

// "Vendor Device" of pci.ids for each display adapter the generated table has no name for (other
// makers' and virtual adapters).
void NameOtherAdapters(const std::string& root, std::vector<PciDevice>& pci) {
  for (PciDevice& d : pci) {
    if ((d.classCode >> 8) != 0x03 || !DisplayAdapterName(d.vendorId, d.deviceId).empty()) continue;
    const PciIdsNames names = LookupPciIds(root, d.vendorId, d.deviceId);
    if (!names.device.empty()) d.adapterName = Utf8ToGbk(names.vendor + " " + names.device);
  }
}

// Inputs of one kind of a hwmon chip, in input order: prefix ("temp"), reading kind, unit divisor.
void ReadInputs(const std::string& dir, const char* prefix, SensorReading::Kind kind, double divisor,
                HardwareMonitor& monitor) {
  for (int n = 0; n <= 32; ++n) {
    std::string stem = dir + prefix + std::to_string(n);
    bool ok = false;
    long value = static_cast<long>(ReadNumber(stem + "_input", 10, ok));
    if (!ok) continue;
    SensorReading r;
    r.kind = kind;
    r.value = static_cast<double>(static_cast<int>(value)) / divisor;
    r.label = ReadLine(stem + "_label");
    monitor.readings.push_back(r);
  }
}

void ProbeHwmon(const std::string& root, std::vector<HardwareMonitor>& monitors) {
  const std::string base = root + "/sys/class/hwmon/";
  for (const std::string& name : ListDirectory(base)) {
    const std::string dir = base + name + "/";
    HardwareMonitor monitor;
    monitor.name = ReadLine(dir + "name");
    ReadInputs(dir, "in", SensorReading::kVoltage, 1000, monitor);
    ReadInputs(dir, "temp", SensorReading::kTemperature, 1000, monitor);
    ReadInputs(dir, "fan", SensorReading::kFan, 1, monitor);
    if (!monitor.readings.empty()) monitors.push_back(monitor);
  }
}

std::string OsName(const std::string& root) {
  std::istringstream lines(ReadFile(root + "/etc/os-release"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.compare(0, 12, "PRETTY_NAME=") != 0) continue;
    std::string value = TrimBlanks(line.substr(12));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
      value = value.substr(1, value.size() - 2);
    }
    return Utf8ToGbk(value);
  }
  return "";
}

}  // namespace

void ProbeLinux(const std::string& root, ReportFacts& facts) {
  ProbeCpuinfo(root, facts.cpu);
  ProbeFirmware(root, facts.firmware);
  ProbePci(root, facts.pci);
  NameOtherAdapters(root, facts.pci);
  ProbeHwmon(root, facts.monitors);
  std::istringstream meminfo(ReadFile(root + "/proc/meminfo"));
  std::string key;
  unsigned long long kb = 0;
  if (meminfo >> key >> kb && key == "MemTotal:") facts.memoryTotalMb = kb / 1024;
  facts.osVersion = OsName(root);
}
