// The report's PCI device, DMI and display adapter blocks, and the bridge names of its chipset block.
#include "report_tool/report_blocks.h"

#include <cstdarg>
#include <cstdio>

#include "report_tool/device_names.h"
#include "report_tool/processor_names.h"
#include "report_tool/report_writer.h"
#include "scan/text_helpers.h"

namespace {

constexpr unsigned kHostBridge = 0x0600;
constexpr unsigned kIsaBridge = 0x0601;
constexpr unsigned kDisplayClass = 0x03;  // base class of VGA, 3D and other display controllers

// PCI class (base << 8 | subclass), description of the PCI device list.
// clang-format off
struct ClassName { unsigned code; const char* name; };
constexpr ClassName kClassNames[] = {
    {0x0106, "SATA Controller"},     {0x0108, "NVMe Controller"},   {0x0200, "Ethernet Controller"},
    {0x0280, "Network Controller"},  {0x0300, "VGA Controller"},    {0x0302, "3D Controller"},
    {0x0380, "Display Controller"},  {0x0403, "High Definition Audio (HDA)"},
    {0x0600, "Host Bridge"},         {0x0601, "ISA Bridge"},        {0x0604, "PCI to PCI Bridge"},
    {0x0C03, "USB Controller"},      {0x0C05, "SMBus Controller"},
};
// clang-format on

std::string ClassText(unsigned code) {
  for (const ClassName& c : kClassNames) {
    if (c.code == code) return c.name;
  }
  return Format("Class 0x%04X", code);
}

std::string LocationText(const PciDevice& d) {
  return Format("bus %d (0x%02X), device %d (0x%02X), function %d (0x%02X)", d.bus, d.bus, d.device, d.device,
                d.function, d.function);
}

std::string Revision(const PciDevice& d) { return d.revision >= 0 ? Format(" rev. %02X", d.revision) : ""; }

const PciDevice* FindBridge(const ReportFacts& facts, unsigned classCode) {
  for (const PciDevice& d : facts.pci) {
    if (d.classCode == classCode && !PciVendorName(d.vendorId).empty()) return &d;
  }
  return nullptr;
}

void AddSub(std::string& out, const char* key, const std::string& value) { out += SubRow(key, EscapeHtml(value)); }

}  // namespace

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(&text[0], text.size() + 1, format, again);
  va_end(again);
  return text;
}

std::string NorthbridgeText(const ReportFacts& facts) {
  const PciDevice* bridge = FindBridge(facts, kHostBridge);
  if (bridge == nullptr) return "";
  ProcessorGeneration generation = FindProcessorGeneration(facts.cpu);
  // Intel processors since Lynnfield hold the host bridge: the report names it by their code name.
  if (bridge->vendorId == 0x8086 && facts.cpu.vendor == "GenuineIntel" && *generation.codename) {
    return std::string("Intel ") + generation.codename + Revision(*bridge);
  }
  return ChipsetName(bridge->vendorId, bridge->deviceId) + Revision(*bridge);
}

std::string SouthbridgeText(const ReportFacts& facts) {
  const PciDevice* bridge = FindBridge(facts, kIsaBridge);
  if (bridge == nullptr) return "";
  std::string name = ChipsetName(bridge->vendorId, bridge->deviceId);
  ProcessorGeneration generation = FindProcessorGeneration(facts.cpu);
  // A system on a chip names its bridge by the processor line ("Atom ..."): use the code name.
  if ((name == "Intel Atom" || name == "Intel Celeron" || name == "Intel Pentium") && *generation.codename) {
    name = std::string("Intel ") + generation.codename;
  }
  return name + Revision(*bridge);
}

std::string PciDevicesBlock(const ReportFacts& facts) {
  std::string out = TitleRow("PCI Devices");
  for (const PciDevice& d : facts.pci) {
    out += Row("Description", ClassText(d.classCode)) + Row("Location", LocationText(d));
    std::string vendor = PciVendorName(d.vendorId);
    out += SubRow("Vendor ID", Format("0x%04X", d.vendorId) + (vendor.empty() ? "" : " (" + vendor + ")"));
    out += SubRow("Model ID", Format("0x%04X", d.deviceId));
    if (d.revision >= 0) out += SubRow("Revision ID", Format("0x%02X", d.revision));
    out += BlankRow();
  }
  return out + BlankRow();
}

namespace {

// The BIOS, system and baseboard groups: every text of a structure the table holds, empty or not.
std::string DmiBoardGroups(const FirmwareFacts& fw) {
  std::string out = Row("DMI BIOS", "");
  if (fw.present) {
    AddSub(out, "vendor", fw.biosVendor);
    AddSub(out, "version", fw.biosVersion);
    AddSub(out, "date", fw.biosDate);
    if (fw.biosRomKb > 0) out += SubRow("ROM size", Format("%u KB", fw.biosRomKb));
  }
  out += BlankRow() + Row("DMI System Information", "");
  if (fw.present) {
    AddSub(out, "manufacturer", fw.systemManufacturer);
    AddSub(out, "product", fw.systemProduct);
    AddSub(out, "version", fw.systemVersion);
    if (!fw.systemFamily.empty()) AddSub(out, "family", fw.systemFamily);
  }
  out += BlankRow() + Row("DMI Baseboard", "");
  if (fw.present) {
    AddSub(out, "vendor", fw.boardVendor);
    AddSub(out, "model", fw.boardModel);
    AddSub(out, "revision", fw.boardVersion);
  }
  return out + BlankRow();
}

std::string DmiProcessorGroup(const FirmwareFacts& fw) {
  std::string out = Row("DMI Processor", "");
  if (fw.hasProcessor) {
    AddSub(out, "socket", fw.socketDesignation);
    AddSub(out, "manufacturer", fw.processorManufacturer);
    AddSub(out, "model", fw.processorVersion);
    if (fw.processorMhz > 0) out += SubRow("clock speed", Format("%u.0 MHz", fw.processorMhz));
    if (fw.externalClockMhz > 0) out += SubRow("FSB speed", Format("%u.0 MHz", fw.externalClockMhz));
    if (fw.processorMaxMhz > 0) out += SubRow("max clock speed", Format("%u.0 MHz", fw.processorMaxMhz));
  }
  return out + BlankRow();
}

std::string DmiMemoryGroups(const FirmwareFacts& fw) {
  std::string out;
  if (fw.arrayDevices > 0 || fw.arrayMaxMb > 0) {
    out += Row("DMI Physical Memory Array", "");
    if (fw.arrayMaxMb > 0) out += SubRow("max capacity", Format("%u MB", fw.arrayMaxMb));
    if (fw.arrayDevices > 0) out += SubRow("max# of devices", Format("%d", fw.arrayDevices));
    out += BlankRow();
  }
  for (const MemoryDevice& d : fw.memory) {
    out += Row("DMI Memory Device", "");
    AddSub(out, "designation", d.locator);
    AddSub(out, "format", FormFactorName(d.formFactor));
    AddSub(out, "type", MemoryTypeName(d.memoryType));
    AddSub(out, "manufacturer", d.manufacturer);
    AddSub(out, "part number", d.partNumber);
    out += SubRow("size", Format("%u MBytes", d.sizeMb));
    if (d.speedMts > 0) out += SubRow("speed", Format("%u MHz", d.speedMts));
    out += BlankRow();
  }
  return out;
}

}  // namespace

std::string DmiBlock(const ReportFacts& facts) {
  const FirmwareFacts& fw = facts.firmware;
  std::string out = TitleRow("DMI");
  if (fw.present) out += Row("SMBIOS Version", Format("%d.%d", fw.major, fw.minor)) + BlankRow();
  // The four group rows are always written: the program's filter ends the DMI part at the last one.
  out += DmiBoardGroups(fw) + DmiProcessorGroup(fw) + DmiMemoryGroups(fw);
  return out + BlankRow();
}

std::string GraphicsBlocks(const ReportFacts& facts) {
  std::vector<const PciDevice*> adapters;
  for (const PciDevice& d : facts.pci) {
    if ((d.classCode >> 8) == kDisplayClass) adapters.push_back(&d);
  }
  std::string out = TitleRow("Graphics") + Row("Number of adapters", Format("%d", static_cast<int>(adapters.size()))) + BlankRow();
  out += TitleRow("Display Adapters");
  int number = 0;
  for (const PciDevice* d : adapters) {
    out += Row(Format("Display adapter %d", number++), "");
    std::string name = d->adapterName.empty() ? DisplayAdapterName(d->vendorId, d->deviceId) : d->adapterName;
    AddSub(out, "Name", name);
    std::uint64_t mb = d->memoryBytes / (1024 * 1024);
    out += SubRow("Memory size", mb > 0 ? Format("%u MB", static_cast<unsigned>(mb)) : "");
    out += SubRow("PCI device", LocationText(*d));
    // Vendor and model, each followed by the board's subsystem id in brackets, as adapters are listed.
    out += SubSubRow("Vendor ID", Format("0x%04X", d->vendorId) +
                                      (d->subVendorId ? Format(" (0x%04X)", d->subVendorId) : ""));
    out += SubSubRow("Model ID", Format("0x%04X", d->deviceId) +
                                     (d->subDeviceId ? Format(" (0x%04X)", d->subDeviceId) : ""));
    if (d->revision >= 0) out += SubSubRow("Revision ID", Format("0x%X", d->revision));
    out += BlankRow();
  }
  return out + BlankRow();
}
