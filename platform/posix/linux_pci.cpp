// Sound and network devices: HD-audio codecs from sysfs or procfs under Enum\HDAUDIO, PCI sound and
// network controllers under Enum\PCI, named the way their Windows drivers name them.
#include "platform/posix/linux_pci.h"

#include <algorithm>
#include <cstring>

#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/pci_ids.h"
#include "platform/posix/linux_machine_parts.h"
#include "scan/text_helpers.h"

namespace linux_machine {

namespace {

// Names Windows drivers give devices that pci.ids names otherwise: PCI vendor, device, name.
// clang-format off
struct WindowsPciName { uint32_t vendor; uint32_t device; const char* name; };
constexpr WindowsPciName kWindowsPciNames[] = {
    {0x10EC, 0x8168, "Realtek PCIe GBE Family Controller"},
    {0x10EC, 0x8161, "Realtek PCIe GBE Family Controller"},
    {0x10EC, 0x8136, "Realtek PCIe FE Family Controller"},
    {0x10EC, 0x8139, "Realtek RTL8139/810x Family Fast Ethernet NIC"},
    {0x8086, 0x100E, "Intel(R) PRO/1000 MT Desktop Adapter"},
    {0x1AF4, 0x1000, "Red Hat VirtIO Ethernet Adapter"},  // legacy and modern virtio ids
    {0x1AF4, 0x1041, "Red Hat VirtIO Ethernet Adapter"},
};
// clang-format on

// Endings of pci.ids vendor names that Windows device names leave out, tried in this order.
// clang-format off
constexpr const char* kVendorEndings[] = {
    " Semiconductor", " Corporation", " Technologies", " Technology", " Labs", ", Inc", " Inc.", " Co.", ", Ltd",
    " Ltd.", " Limited", " and subsidiaries",
};
// clang-format on

// HD-audio codec vendors as the codec drivers name themselves: vendor id, name before
// "High Definition Audio".
// clang-format off
struct CodecVendor { uint32_t vendor; const char* name; };
constexpr CodecVendor kCodecVendors[] = {
    {0x10EC, "Realtek"}, {0x10DE, "NVIDIA"}, {0x8086, "Intel(R)"}, {0x1002, "AMD"},     {0x1022, "AMD"},
    {0x1106, "VIA"},     {0x1102, "Creative"}, {0x111D, "IDT"},    {0x8384, "IDT"},      // SigmaTel became IDT
    {0x14F1, "Conexant"}, {0x11D4, "Analog Devices"}, {0x1013, "Cirrus Logic"},
};
// clang-format on

constexpr uint32_t kClassNetwork = 0x02;    // base class
constexpr uint32_t kClassAudio = 0x0401;    // multimedia audio controller
constexpr uint32_t kClassHdAudio = 0x0403;  // HD-audio controller

// "Realtek Semiconductor Co., Ltd." gives "Realtek", "Advanced Micro Devices, Inc. [AMD]" gives "AMD".
std::string ShortVendorName(const std::string& name) {
  const size_t open = name.rfind('[');
  if (open != std::string::npos && name.back() == ']') return name.substr(open + 1, name.size() - open - 2);
  size_t cut = name.size();
  for (const char* ending : kVendorEndings) cut = std::min(cut, name.find(ending));
  return name.substr(0, cut);
}

std::string PciDescription(const std::string& root, uint32_t vendor, uint32_t device, const char* fallback) {
  for (const WindowsPciName& known : kWindowsPciNames) {
    if (known.vendor == vendor && known.device == device) return known.name;
  }
  const PciIdsNames names = LookupPciIds(root, vendor, device);
  const std::string vendorName = names.vendor.empty() ? "VEN_" + Hex(vendor, 4) : ShortVendorName(names.vendor);
  return Utf8ToGbk(vendorName + " " + (names.device.empty() ? fallback : names.device));
}

uint32_t HexFile(const std::string& path) { return ParseHex(ReadFirstLine(path)).value_or(0); }

// "0000:00:1f.3" gives bus 0, device 0x1f, function 3 as Windows' instance suffix "1F" << 3 | 3.
std::string PciInstance(const std::string& address, size_t index) {
  const size_t colon = address.rfind(':');
  const size_t dot = address.rfind('.');
  const size_t busColon = colon == std::string::npos ? std::string::npos : address.rfind(':', colon - 1);
  if (colon == std::string::npos || dot == std::string::npos || dot < colon) {
    return "3&11583659&0&" + Hex(static_cast<uint32_t>(index), 4);
  }
  const uint32_t bus = ParseHex(address.substr(busColon + 1, colon - busColon - 1)).value_or(0);
  const uint32_t slot = ParseHex(address.substr(colon + 1, dot - colon - 1)).value_or(0);
  const uint32_t function = ParseHex(address.substr(dot + 1)).value_or(0);
  return "3&11583659&0&" + (bus ? Hex(bus, 2) : std::string()) + Hex((slot << 3 | function) & 0xFF, 2);
}

struct Codec { uint32_t vendorId = 0; uint32_t subsystemId = 0; uint32_t revisionId = 0; std::string vendorName; };

std::vector<Codec> CodecsFromSysfs(const std::string& root) {
  std::vector<Codec> codecs;
  const std::string dir = root + "/sys/bus/hdaudio/devices/";
  for (const std::string& name : ListDirectory(dir)) {
    const std::string codecDir = dir + name;
    // A modem-only codec has no audio function group; Windows files it as a modem.
    if (ParseHex(ReadFirstLine(codecDir + "/afg")) == 0u && HexFile(codecDir + "/mfg") != 0) continue;
    Codec codec;
    codec.vendorId = HexFile(codecDir + "/vendor_id");
    codec.subsystemId = HexFile(codecDir + "/subsystem_id");
    codec.revisionId = HexFile(codecDir + "/revision_id");
    codec.vendorName = ReadFirstLine(codecDir + "/vendor_name");
    if (codec.vendorId != 0) codecs.push_back(codec);
  }
  return codecs;
}

std::string FieldAfter(const std::string& text, const char* label) {
  const size_t at = text.find(label);
  if (at == std::string::npos) return {};
  const size_t start = at + std::strlen(label);
  return TrimBlanks(text.substr(start, text.find('\n', start) - start));
}

// /proc/asound/cardN/codec#M, for kernels that do not show the HD-audio bus in sysfs.
std::vector<Codec> CodecsFromProcfs(const std::string& root) {
  std::vector<Codec> codecs;
  const std::string asound = root + "/proc/asound/";
  for (const std::string& card : ListDirectory(asound)) {
    if (card.rfind("card", 0) != 0 || card.size() == 4 || card.find_first_not_of("0123456789", 4) != std::string::npos) continue;
    for (const std::string& file : ListDirectory(asound + card)) {
      if (file.rfind("codec#", 0) != 0) continue;
      const std::string text = ReadMachineFile(asound + card + "/" + file);
      Codec codec;
      codec.vendorId = ParseHex(FieldAfter(text, "Vendor Id:")).value_or(0);
      codec.subsystemId = ParseHex(FieldAfter(text, "Subsystem Id:")).value_or(0);
      codec.revisionId = ParseHex(FieldAfter(text, "Revision Id:")).value_or(0);
      const std::string chip = FieldAfter(text, "Codec:");  // "Realtek ALC892"
      codec.vendorName = chip.substr(0, chip.find(' '));
      if (codec.vendorId != 0) codecs.push_back(codec);
    }
  }
  return codecs;
}

std::string CodecDescription(const Codec& codec) {
  std::string vendor = codec.vendorName;
  for (const CodecVendor& known : kCodecVendors) {
    if (known.vendor == codec.vendorId >> 16) vendor = known.name;
  }
  // Windows' own class driver calls an unknown codec "High Definition Audio Device".
  if (vendor.empty()) return "High Definition Audio Device";
  return Utf8ToGbk(vendor + " High Definition Audio");
}

// Writes the codecs; true when there was one.
bool AddCodecs(const std::string& root) {
  std::vector<Codec> codecs = CodecsFromSysfs(root);
  if (codecs.empty()) codecs = CodecsFromProcfs(root);
  for (size_t i = 0; i < codecs.size(); ++i) {
    const Codec& codec = codecs[i];
    const std::string hardwareId = "HDAUDIO\\FUNC_01&VEN_" + Hex(codec.vendorId >> 16, 4) + "&DEV_" +
                                   Hex(codec.vendorId, 4) + "&SUBSYS_" + Hex(codec.subsystemId, 8) + "&REV_" +
                                   Hex(codec.revisionId >> 8, 4);
    AddDeviceKey(hardwareId + "\\4&2a5b3c4d&0&" + Hex(static_cast<uint32_t>(i + 1), 4), hardwareId,
                 CodecDescription(codec), "MEDIA");
  }
  return !codecs.empty();
}

}  // namespace

void AddSoundAndNetworkDevices(const std::string& root) {
  const bool haveCodecs = AddCodecs(root);
  const std::string dir = root + "/sys/bus/pci/devices/";
  size_t index = 0;
  for (const std::string& address : ListDirectory(dir)) {
    const std::string device = dir + address;
    const uint32_t pciClass = HexFile(device + "/class") >> 8;
    const uint32_t vendor = HexFile(device + "/vendor");
    const uint32_t id = HexFile(device + "/device");
    std::string description, deviceClass;
    if (pciClass >> 8 == kClassNetwork) {
      description = PciDescription(root, vendor, id, "Network Adapter");
      deviceClass = "Net";
    } else if (pciClass == kClassHdAudio) {
      // Windows files the controller as a system device and the codecs on it as the sound devices;
      // only a controller without a codec found stands for the sound card itself.
      description = "High Definition Audio Controller";
      deviceClass = haveCodecs ? "System" : "MEDIA";
    } else if (pciClass == kClassAudio) {
      description = PciDescription(root, vendor, id, "Audio Device");
      deviceClass = "MEDIA";
    } else {
      continue;
    }
    const std::string hardwareId = "PCI\\VEN_" + Hex(vendor, 4) + "&DEV_" + Hex(id, 4) + "&SUBSYS_" +
                                   Hex(HexFile(device + "/subsystem_device"), 4) +
                                   Hex(HexFile(device + "/subsystem_vendor"), 4) + "&REV_" +
                                   Hex(HexFile(device + "/revision"), 2);
    AddDeviceKey(hardwareId + "\\" + PciInstance(address, index++), hardwareId, description, deviceClass);
  }
}

}  // namespace linux_machine
