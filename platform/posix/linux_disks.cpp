// Disks and optical drives from /sys/block as the disk and cdrom services list them on Windows, with
// the geometry the scan asks each physical drive for.
#include "platform/posix/linux_disks.h"

#include <algorithm>

#include "platform/drives.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/posix/linux_machine_parts.h"
#include "platform/registry.h"
#include "scan/text_helpers.h"

namespace linux_machine {

namespace {

constexpr uint32_t kRemovableMedia = 11;  // MEDIA_TYPE RemovableMedia; GeometryForCapacity gives FixedMedia

// Block device names of disks (partitions are not listed in /sys/block; loop, ram, zram, md and dm
// devices start otherwise).
constexpr const char* kDiskPrefixes[] = {"sd", "nvme", "vd", "hd"};

struct BlockDisk {
  std::string name;
  std::string vendor;
  std::string product;
  std::string revision;
  std::string model;   // the whole name the drive gives, as the storage stack reports it on Windows
  std::string serial;
  uint64_t bytes = 0;  // 0 when unknown or without media
  bool usb = false;
  DriveBus bus = DriveBus::kUnknown;
  std::optional<bool> solidState;  // from the queue's rotational flag
};

bool IsDiskName(const std::string& name) {
  return std::any_of(std::begin(kDiskPrefixes), std::end(kDiskPrefixes),
                     [&](const char* prefix) { return StartsWith(name, prefix); });
}

uint64_t ReadCapacity(const std::string& blockDir) {
  const std::string sectors = ReadFirstLine(blockDir + "/size");
  if (sectors.empty() || sectors.size() > 19 || sectors.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::stoull(sectors) * 512;  // /sys/block/X/size counts 512-byte sectors whatever the drive's own
}

// Whether the resolved device path runs through the given bus below the machine's /sys.
bool OnBus(const std::string& root, const std::string& devicePath, const char* bus) {
  const std::string resolved = ResolvedPath(devicePath);
  const std::string resolvedRoot = ResolvedPath(root.empty() ? "/" : root);
  if (resolved.empty()) return false;
  const size_t start = resolvedRoot == "/" ? 0 : resolvedRoot.size();
  return resolved.find(bus, start) != std::string::npos;
}

// Linux names every SATA disk's vendor "ATA"; Windows takes the first word of the model as the
// vendor and the rest as the product ("WDC WD5000AAKS-0" gives WDC and WD5000AAKS-0), and a model
// without a blank gives an empty vendor, so that the identifiers read as they do on Windows.
void SplitAtaModel(BlockDisk& disk) {
  const size_t blank = disk.product.find(' ');
  if (blank == std::string::npos) {
    disk.vendor.clear();
    return;
  }
  disk.vendor = disk.product.substr(0, blank);
  disk.product = disk.product.substr(blank + 1);
}

std::string Words(const std::string& a, const std::string& b) {
  const std::string left = TrimBlanks(a), right = TrimBlanks(b);
  return left.empty() ? right : right.empty() ? left : left + " " + right;
}

BlockDisk ReadDisk(const std::string& root, const std::string& name) {
  const std::string blockDir = root + "/sys/block/" + name;
  const std::string device = blockDir + "/device";
  BlockDisk disk;
  disk.name = name;
  if (StartsWith(name, "nvme")) {
    disk.vendor = "NVMe";
    disk.product = ReadFirstLine(device + "/model");
    disk.revision = ReadFirstLine(device + "/firmware_rev");
  } else if (StartsWith(name, "vd")) {
    // virtio gives no inquiry data: its vendor file holds the PCI vendor number.
    disk.vendor = "VirtIO";
    disk.product = ReadFirstLine(device + "/model");
    if (disk.product.empty()) disk.product = "Block Device";
  } else {
    disk.vendor = ReadFirstLine(device + "/vendor");
    disk.product = ReadFirstLine(device + "/model");
    disk.revision = ReadFirstLine(device + "/rev");
    if (disk.vendor == "ATA") SplitAtaModel(disk);
  }
  disk.bytes = ReadCapacity(blockDir);
  disk.usb = OnBus(root, device, "/usb");
  disk.model = Words(disk.vendor == "NVMe" || disk.vendor == "VirtIO" ? std::string() : disk.vendor, disk.product);
  if (StartsWith(name, "nvme")) disk.serial = ReadFirstLine(device + "/serial");
  if (disk.usb) {
    disk.bus = DriveBus::kUsb;
  } else if (StartsWith(name, "nvme")) {
    disk.bus = DriveBus::kNvme;
  } else if (OnBus(root, device, "/ata")) {
    disk.bus = DriveBus::kSata;
  } else {
    disk.bus = DriveBus::kOther;  // virtio, SCSI and SAS: no interface a buyer asks about
  }
  const std::string rotational = ReadFirstLine(blockDir + "/queue/rotational");
  if (rotational == "0" || rotational == "1") disk.solidState = rotational == "0";
  return disk;
}

// The revision as Windows writes it after vendor and product: four characters, or nothing when
// the drive gives none.
std::string RevisionField(const std::string& revision) {
  return revision.empty() ? std::string() : PaddedIdField(revision, 4);
}

std::string InquiryId(const BlockDisk& disk) {
  return PaddedIdField(disk.vendor, 8) + PaddedIdField(disk.product, 16) + RevisionField(disk.revision);
}

std::string VendorProductKey(const BlockDisk& disk) {
  return "&Ven_" + KeyIdField(disk.vendor, 8) + "&Prod_" + KeyIdField(disk.product, 16);
}

// A USB device's serial number from the nearest USB device directory above the disk, as the
// USBSTOR instance name; a made-up one when the stick has none.
std::string UsbInstanceName(const std::string& root, const BlockDisk& disk, size_t position) {
  std::string dir = ResolvedPath(root + "/sys/block/" + disk.name + "/device");
  const std::string resolvedRoot = ResolvedPath(root.empty() ? "/" : root);
  while (dir.size() > resolvedRoot.size() && dir.find('/') != std::string::npos) {
    if (!ReadFirstLine(dir + "/idVendor").empty()) {
      const std::string serial = KeyIdField(ReadFirstLine(dir + "/serial"), 64);
      if (!serial.empty()) return serial + "&0";
      break;
    }
    dir.erase(dir.rfind('/'));
  }
  return "7&2f5a3b1c&0&" + Hex(static_cast<uint32_t>(position), 4) + "&0";
}

// Physical drive index as the storage stack answers for it on Windows: the device of this instance
// path is that drive, which names itself and gives its geometry (when it has media).
void AddDrive(const std::string& instancePath, size_t index, const BlockDisk& disk, bool removable) {
  const uint32_t drive = static_cast<uint32_t>(index);
  SetDeviceDriveNumber(instancePath, drive);
  DriveIdentity identity;
  identity.product = disk.model;
  identity.serial = disk.serial;
  identity.bus = disk.bus;
  identity.solidState = disk.solidState;
  if (disk.usb) {  // a USB drive names its vendor and product apart, as in its inquiry data
    identity.vendor = TrimBlanks(disk.vendor);
    identity.product = TrimBlanks(disk.product);
  }
  SetDriveIdentity(drive, identity);
  if (disk.bytes == 0) return;  // no media: the drive cannot be asked, as on Windows
  DriveGeometry geometry = GeometryForCapacity(disk.bytes);
  if (removable) geometry.mediaType = kRemovableMedia;
  SetDriveGeometry(PhysicalDrivePath(drive), geometry);
}

std::string AddFixedDisk(const BlockDisk& disk, size_t index) {
  const std::string path = "SCSI\\Disk" + VendorProductKey(disk) + "\\4&1a2b3c4d&0&" +
                           Hex(static_cast<uint32_t>(index), 2) + "0000";
  AddDeviceKey(path, "SCSI\\Disk" + InquiryId(disk), "磁盘驱动器", "DiskDrive");
  // Windows 10 names each AHCI port a bus of its own and every disk target 0; an NVMe drive sits
  // on bus 0 of its own controller.
  const size_t bus = disk.bus == DriveBus::kNvme ? 0 : index;
  SetMachineText("SYSTEM\\CurrentControlSet\\Enum\\" + path, "LocationInformation",
                 "Bus Number " + std::to_string(bus) + ", Target Id 0, LUN 0");
  AddDrive(path, index, disk, false);
  return path;
}

std::string AddUsbDisk(const std::string& root, const BlockDisk& disk, size_t index) {
  const std::string path = "USBSTOR\\Disk" + VendorProductKey(disk) + "&Rev_" + KeyIdField(disk.revision, 4) +
                           "\\" + UsbInstanceName(root, disk, index);
  AddDeviceKey(path, "USBSTOR\\Disk" + InquiryId(disk), Utf8ToGbk(Words(disk.vendor, disk.product) + " USB Device"),
               "DiskDrive");
  AddDrive(path, index, disk, true);
  return path;
}

}  // namespace

void AddDisks(const std::string& root) {
  std::vector<BlockDisk> fixed, usb;
  for (const std::string& name : ListDirectory(root + "/sys/block")) {
    if (!IsDiskName(name) || ReadFirstLine(root + "/sys/block/" + name + "/hidden") == "1") continue;
    BlockDisk disk = ReadDisk(root, name);
    const bool removable = ReadFirstLine(root + "/sys/block/" + name + "/removable") == "1";
    // Windows lists every disk behind USB as USB storage, removable or not.
    if (disk.usb) {
      usb.push_back(disk);
    } else if (!removable && disk.bytes > 0) {
      // A fixed disk without a capacity would end the scan's disk listing before the disks after it.
      fixed.push_back(disk);
    }
  }
  // An empty card-reader slot ends the scan's USB listing, so the slots with media come first.
  std::stable_sort(usb.begin(), usb.end(), [](const BlockDisk& a, const BlockDisk& b) {
    return (a.bytes > 0) > (b.bytes > 0);
  });
  std::vector<std::string> paths;
  for (const BlockDisk& disk : fixed) paths.push_back(AddFixedDisk(disk, paths.size()));
  for (const BlockDisk& disk : usb) paths.push_back(AddUsbDisk(root, disk, paths.size()));
  AddServiceInstances("Disk", paths);
}

void AddOpticalDrives(const std::string& root) {
  std::vector<std::string> paths;
  for (const std::string& name : ListDirectory(root + "/sys/block")) {
    if (!StartsWith(name, "sr")) continue;
    const std::string device = root + "/sys/block/" + name + "/device";
    BlockDisk drive;
    drive.vendor = ReadFirstLine(device + "/vendor");
    drive.product = ReadFirstLine(device + "/model");
    drive.revision = ReadFirstLine(device + "/rev");
    const std::string index = std::to_string(paths.size());
    std::string path, hardwareId;
    if (OnBus(root, device, "/ata")) {
      // Windows names an IDE drive by its whole model (vendor and product as the drive joins them),
      // padded to 40, and its firmware padded to 8.
      hardwareId = "IDE\\CdRom" + PaddedIdField(Words(drive.vendor, drive.product), 40) +
                   PaddedIdField(drive.revision, 8);
      path = hardwareId + "\\5&1e5d3123&0&" + index + ".0.0";
    } else {
      hardwareId = "SCSI\\CdRom" + InquiryId(drive);
      path = "SCSI\\CdRom" + VendorProductKey(drive) + "\\4&23a5a6ac&0&" + Hex(static_cast<uint32_t>(paths.size()), 2) +
             "0100";
    }
    AddDeviceKey(path, hardwareId, "CD-ROM 驱动器", "CDROM");
    paths.push_back(path);
  }
  AddServiceInstances("Cdrom", paths);
}

}  // namespace linux_machine
