// The registry steps of the scan: present devices and service instances, and the disk, optical,
// monitor, sound and network steps that hand them to their analysers.
#include "scan/registry_devices.h"

#include <algorithm>
#include <optional>

#include "analysers/graphics.h"
#include "analysers/hard_disks.h"
#include "analysers/monitor.h"
#include "analysers/network.h"
#include "analysers/optical_drive.h"
#include "analysers/sound.h"
#include "analysers/storage_ids.h"
#include "analysers/usb_storage.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "scan/input_devices.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

constexpr const char* kDiskService = "SYSTEM\\CurrentControlSet\\Services\\Disk\\Enum\\";
constexpr const char* kCdromService = "SYSTEM\\CurrentControlSet\\Services\\Cdrom\\Enum\\";
constexpr const char* kDisplayEnum = "SYSTEM\\CurrentControlSet\\Enum\\DISPLAY";
constexpr const char* kHdAudioEnum = "SYSTEM\\CurrentControlSet\\Enum\\HDAUDIO";
constexpr const char* kPciEnum = "SYSTEM\\CurrentControlSet\\Enum\\PCI";

// Paths longer than this are not followed, as a 256-byte path buffer holds no more.
constexpr size_t kPathLimit = 255;

// A service's "Count" is trusted only up to this many instances, so that a damaged value does not
// keep the scan asking for billions of names.
constexpr uint32_t kInstanceLimit = 10000;

void FindBelow(const RegistryKey& key, const std::string& path, std::vector<std::string>& list) {
  for (uint32_t index = 0;; ++index) {
    const std::optional<std::string> name = EnumerateSubkey(key, index);
    if (!name) return;
    if (*name == "Control") list.push_back(path);
    const std::string child = path + "\\" + *name;
    if (child.size() > kPathLimit) continue;
    const RegistryKey childKey = OpenMachineKey(child);
    if (childKey.isOpen()) FindBelow(childKey, child, list);
  }
}

// The old rule's number: the leading digits of "LocationInformation" plus one, or 0 when the value
// cannot be read; for a USB disk its instance position plus one.
int32_t OldDiskNumber(const DiskDevice& device) {
  if (device.usb) return static_cast<int32_t>(device.instance + 1);
  if (!device.location) return 0;
  const int32_t value = LeadingNumber(*device.location);
  return value == INT32_MAX ? value : value + 1;
}

// The last part of an instance path: the instance name, which for a USB disk is its serial number.
std::string InstanceName(const std::string& instancePath) {
  const size_t slash = instancePath.rfind('\\');
  return slash == std::string::npos ? instancePath : instancePath.substr(slash + 1);
}

}  // namespace

std::string CutAfterFirst(const std::string& text, char mark) {
  const size_t at = text.find(mark);
  if (at == std::string::npos || at == 0) return text;
  return text.substr(at + 1);
}

std::optional<std::string> ReadInstanceValue(const std::string& instancePath, const std::string& name) {
  const RegistryKey device = OpenMachineKey(kEnumPrefix + instancePath);
  if (!device.isOpen()) return std::nullopt;
  return ReadTextValue(device, name);
}

bool ReadClassAndDescription(const std::string& keyPath, std::string& deviceClass, std::string& description) {
  const RegistryKey device = OpenMachineKey(keyPath);
  if (!device.isOpen()) return false;
  const std::optional<std::string> desc = ReadTextValue(device, "DeviceDesc");
  const std::optional<std::string> cls = ReadTextValue(device, "Class");
  if (!desc || !cls) return false;
  description = *desc;
  deviceClass = *cls;
  return true;
}

void FindPresentDevices(const std::string& root, std::vector<std::string>& list) {
  const RegistryKey key = OpenMachineKey(root);
  if (key.isOpen()) FindBelow(key, root, list);
}

std::vector<std::string> ReadServiceInstances(const std::string& serviceEnumKey) {
  std::vector<std::string> instances;
  const RegistryKey key = OpenMachineKey(serviceEnumKey);
  if (!key.isOpen()) return instances;
  const std::optional<uint32_t> count = ReadDwordValue(key, "Count");
  if (!count) return instances;
  const uint32_t limit = *count < kInstanceLimit ? *count : kInstanceLimit;
  for (uint32_t i = 0; i < limit; ++i) {
    // An unreadable instance keeps its place as an empty path, so positions stay instance numbers.
    instances.push_back(ReadTextValue(key, std::to_string(i)).value_or(std::string()));
  }
  return instances;
}

std::vector<int32_t> AssignDriveNumbers(const std::vector<DiskDevice>& devices) {
  std::vector<int32_t> numbers(devices.size(), 0);
  std::vector<uint32_t> taken;  // drive numbers given to a device
  const auto isTaken = [&](uint32_t drive) { return std::find(taken.begin(), taken.end(), drive) != taken.end(); };
  const auto give = [&](size_t i, uint32_t drive) {
    numbers[i] = static_cast<int32_t>(drive + 1);
    taken.push_back(drive);
  };
  // The storage stack's answer for the device itself.
  for (size_t i = 0; i < devices.size(); ++i) {
    const std::optional<uint32_t> drive = DriveNumberOfDevice(devices[i].instancePath);
    if (drive && *drive < INT32_MAX && !isTaken(*drive)) give(i, *drive);
  }
  // The drive that names itself as the device does.
  std::optional<std::vector<std::pair<uint32_t, DriveIdentity>>> drives;  // asked once, when needed
  for (size_t i = 0; i < devices.size(); ++i) {
    if (numbers[i] != 0) continue;
    const std::optional<StorageId> id = ParseStorageId(devices[i].hardwareId);
    if (!id) continue;
    if (!drives) drives = ListDriveIdentities();
    for (const auto& [drive, identity] : *drives) {
      if (drive >= INT32_MAX || isTaken(drive)) continue;
      if (!IdentityMatches(*id, InstanceName(devices[i].instancePath), identity)) continue;
      give(i, drive);
      break;
    }
  }
  // The old rule, only where it is unambiguous: when two devices still without a drive would ask the
  // same one, the machine numbers its disks otherwise (every AHCI and NVMe disk names target 0), and
  // neither those numbers nor a USB disk's position say which drive is which.
  std::vector<int32_t> old;
  for (size_t i = 0; i < devices.size(); ++i) old.push_back(numbers[i] == 0 ? OldDiskNumber(devices[i]) : 0);
  for (size_t i = 0; i < old.size(); ++i) {
    for (size_t j = i + 1; j < old.size(); ++j) {
      if (old[i] >= 1 && old[i] == old[j]) return numbers;
    }
  }
  for (size_t i = 0; i < devices.size(); ++i) {
    if (old[i] >= 1 && !isTaken(static_cast<uint32_t>(old[i] - 1))) numbers[i] = old[i];
  }
  return numbers;
}

void ScanDisks() {
  std::vector<DiskDevice> devices;
  const std::vector<std::string> instances = ReadServiceInstances(kDiskService);
  for (size_t i = 0; i < instances.size(); ++i) {
    if (instances[i].empty()) continue;
    const RegistryKey key = OpenMachineKey(kEnumPrefix + instances[i]);
    if (!key.isOpen()) continue;
    const std::optional<std::string> id = ReadTextValue(key, "HardwareID");
    if (!id) continue;
    DiskDevice device;
    device.instancePath = instances[i];
    device.hardwareId = *id;
    device.location = ReadTextValue(key, "LocationInformation");
    device.usb = StartsWith(*id, "USBSTOR");
    device.instance = static_cast<uint32_t>(i);
    devices.push_back(device);
  }
  const std::vector<int32_t> numbers = AssignDriveNumbers(devices);
  std::vector<DiskEntry> fixedDisks;
  std::vector<DiskEntry> usbDisks;
  for (size_t i = 0; i < devices.size(); ++i) {
    (devices[i].usb ? usbDisks : fixedDisks).push_back({devices[i].hardwareId, numbers[i]});
  }
  AnalyseHardDisks(fixedDisks);
  AnalyseUsbStorage(usbDisks);
}

void ScanOpticalDrives() {
  for (const std::string& instance : ReadServiceInstances(kCdromService)) {
    if (instance.empty()) continue;
    const std::optional<std::string> id = ReadInstanceValue(instance, "HardwareID");
    if (id) AnalyseOpticalDrive(*id);
  }
}

void ScanMonitor() {
  std::vector<std::string> list;
  FindPresentDevices(kDisplayEnum, list);
  if (list.empty()) return;
  std::string identifier;
  const RegistryKey device = OpenMachineKey(list.front());
  if (device.isOpen()) identifier = ReadTextValue(device, "HardwareID").value_or(std::string());
  AppendDetailRow("显示器", EscapeHtml(identifier));
  AnalyseMonitor(CutAfterFirst(identifier, '\\'));
}

void ScanSoundDevices() {
  std::vector<std::string> list;
  FindPresentDevices(kHdAudioEnum, list);
  FindPresentDevices(kPciEnum, list);
  std::string lastAccepted;
  for (const std::string& path : list) {
    std::string deviceClass, description;
    if (!ReadClassAndDescription(path, deviceClass, description)) continue;
    if (deviceClass != "MEDIA" || description == lastAccepted) continue;
    lastAccepted = description;
    AppendDetailRow("声卡", EscapeHtml(description));
    AnalyseSound(CutAfterFirst(CutAfterFirst(description, '\\'), ';'));
  }
}

void ScanNetworkAdapters() {
  std::vector<std::string> list;
  FindPresentDevices(kPciEnum, list);
  for (const std::string& path : list) {
    std::string deviceClass, description;
    if (!ReadClassAndDescription(path, deviceClass, description) || deviceClass != "Net") continue;
    AppendDetailRow("网卡", EscapeHtml(description));
    AnalyseNetwork(CutAfterFirst(description, ';'));
  }
}

void ScanRegistryDevices(const GraphicsRecord* graphics) {
  ScanDisks();
  if (graphics != nullptr) AnalyseGraphics(*graphics);
  ScanOpticalDrives();
  ScanMonitor();
  ScanSoundDevices();
  ScanNetworkAdapters();
  ScanPs2KeyboardsAndMice();
  ScanUsbKeyboardsAndMice();
}
