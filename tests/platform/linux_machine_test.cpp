// The Linux machine registry on fake sysfs/procfs trees, read back through the registry, drive and
// display seams exactly as the scan reads them; and once on this machine's own "/".
#include "platform/linux_machine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/display.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "tests/test_support.h"

namespace {

namespace fs = std::filesystem;

const std::string kEnum = "SYSTEM\\CurrentControlSet\\Enum\\";
const std::string kServices = "SYSTEM\\CurrentControlSet\\Services\\";

// A fake machine: files and links below a scratch directory.
class FakeMachine {
 public:
  const std::string& root() const { return dir_.path(); }
  void File(const std::string& path, const std::string& bytes) const {
    const fs::path full = fs::path(dir_.path()) / path;
    fs::create_directories(full.parent_path());
    WriteFileBytes(full.string(), bytes);
  }
  // path becomes a link to target (both below the root), as sysfs links block devices to devices.
  void Link(const std::string& path, const std::string& target) const {
    const fs::path full = fs::path(dir_.path()) / path;
    fs::create_directories(full.parent_path());
    fs::create_directories(fs::path(dir_.path()) / target);
    fs::create_directory_symlink(fs::path(dir_.path()) / target, full);
  }
  // A block device: its device directory (vendor, model, rev) and /sys/block/NAME with size and removable.
  void Block(const std::string& name, const std::string& devicePath, const std::string& vendor, const std::string& model,
             const std::string& rev, const char* size, const char* removable) const {
    Link("sys/block/" + name + "/device", devicePath);
    if (!vendor.empty()) File(devicePath + "/vendor", vendor);
    if (!model.empty()) File(devicePath + "/model", model);
    if (!rev.empty()) File(devicePath + "/rev", rev);
    if (size) File("sys/block/" + name + "/size", size);
    if (removable) File("sys/block/" + name + "/removable", removable);
  }

 private:
  TempDir dir_;
};

class LinuxMachine : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistry();
    ClearDriveGeometries();
    SetDisplayMode({1024, 768, 32});
  }
  void TearDown() override {
    ClearRegistry();
    ClearDriveGeometries();
    SetDisplayMode({1024, 768, 32});
  }
};

std::string Text(const std::string& key, const std::string& name) {
  const RegistryKey open = OpenMachineKey(key);
  return open.isOpen() ? ReadTextValue(open, name).value_or("<none>") : "<no key>";
}

bool Present(const std::string& instancePath) { return OpenMachineKey(kEnum + instancePath + "\\Control").isOpen(); }

std::vector<std::string> Instances(const std::string& service) {
  const RegistryKey key = OpenMachineKey(kServices + service + "\\Enum");
  std::vector<std::string> paths;
  const uint32_t count = key.isOpen() ? ReadDwordValue(key, "Count").value_or(0) : 0;
  for (uint32_t i = 0; i < count; ++i) paths.push_back(ReadTextValue(key, std::to_string(i)).value_or("<none>"));
  return paths;
}

uint64_t DriveBytes(int index) {
  const auto g = ReadDriveGeometry("\\\\.\\PHYSICALDRIVE" + std::to_string(index));
  if (!g) return 0;
  return g->cylinders * g->tracksPerCylinder * g->sectorsPerTrack * g->bytesPerSector;
}

const char* const kUsbPath = "sys/devices/pci0000:00/0000:00:14.0/usb1/1-2";

void AddDisks(const FakeMachine& m) {
  m.Block("sda", "sys/devices/pci0000:00/0000:00:1f.2/ata1/host0/target0:0:0/0:0:0:0", "ATA     \n",
          "WDC WD5000AAKS-0\n", "01.0\n", "976773168\n", "0\n");
  m.File("sys/block/sda/queue/rotational", "1\n");
  // An old IDE disk with an empty vendor file, a model longer than the field and no revision.
  m.Block("hda", "sys/devices/pci0000:00/0000:00:1f.1/ide0/0.0", "\n",
          "MAXTOR 6L250S0 WITH A MODEL NAME FAR LONGER THAN ANY FIELD\n", "", "490234752\n", "0\n");
  m.Block("vda", "sys/devices/pci0000:00/0000:00:02.0/virtio1", "0x1af4\n", "", "", "536870912\n", "0\n");
  m.Link("sys/block/nvme0n1/device", "sys/devices/pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0");
  m.File("sys/devices/pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/model", "Samsung SSD 970 EVO Plus 1TB            \n");
  m.File("sys/devices/pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/firmware_rev", "2B2QEXM7\n");
  m.File("sys/block/nvme0n1/size", "1953525168\n");
  m.File("sys/block/nvme0n1/removable", "0\n");
  m.File("sys/block/nvme0n1/queue/rotational", "0\n");
  m.File("sys/devices/pci0000:00/0000:00:1d.0/0000:3d:00.0/nvme/nvme0/serial", "S4EWNX0R123456  \n");
  // An empty card-reader slot (no media) named before the stick, and the stick with its serial.
  m.Block("sdb", std::string(kUsbPath) + "/1-2:1.0/host6/target6:0:0/6:0:0:1", "Generic-\n", "SD/MMC          \n",
          "1.00\n", "0\n", "1\n");
  m.Block("sdc", std::string(kUsbPath) + "/1-2:1.0/host6/target6:0:0/6:0:0:0", "Kingston\n", "DataTraveler 2.0\n",
          "PMAP\n", "15630336\n", "1\n");
  m.File(std::string(kUsbPath) + "/idVendor", "0951\n");
  m.File(std::string(kUsbPath) + "/serial", "C860008861D7EF41CA13157C\n");
  // Not disks for the scan: a fixed disk without a size, a removable disk off USB, loop and zram.
  m.Block("sde", "sys/devices/pci0000:00/0000:00:1f.2/ata2/host1/target1:0:0/1:0:0:0", "ATA\n", "ST3500418AS\n",
          "CC38\n", nullptr, "0\n");
  m.Block("sdf", "sys/devices/pci0000:00/0000:00:1f.2/ata3/host2/target2:0:0/2:0:0:0", "IOMEGA\n", "ZIP 100\n",
          "1.0\n", "196608\n", "1\n");
  m.File("sys/block/loop0/size", "2048\n");
  m.File("sys/block/zram0/size", "2048\n");
}

TEST_F(LinuxMachine, DisksAsTheDiskServiceListsThem) {
  FakeMachine m;
  AddDisks(m);
  BuildRegistryFromMachine(m.root());

  // In Disk\Enum order: instance path, HardwareID, LocationInformation (as Windows 10 writes it: each
  // AHCI port a bus, every disk target 0), bytes of the drive with that index.
  // clang-format off
  struct Row { const char* path; const char* hardwareId; const char* location; uint64_t bytes; };
  const Row kRows[] = {
      {"SCSI\\Disk&Ven_&Prod_MAXTOR_6L250S0_W\\4&1a2b3c4d&0&000000", "SCSI\\Disk________MAXTOR_6L250S0_W",
       "Bus Number 0, Target Id 0, LUN 0", 490234752ull * 512},
      // SATA: Windows takes the model's first word as the vendor, as its real ids show.
      {"SCSI\\Disk&Ven_WDC&Prod_WD5000AAKS-0\\4&1a2b3c4d&0&010000", "SCSI\\DiskWDC_____WD5000AAKS-0____01.0",
       "Bus Number 1, Target Id 0, LUN 0", 976773168ull * 512},
      {"SCSI\\Disk&Ven_VirtIO&Prod_Block_Device\\4&1a2b3c4d&0&020000", "SCSI\\DiskVirtIO__Block_Device____",
       "Bus Number 2, Target Id 0, LUN 0", 536870912ull * 512},
      {"SCSI\\Disk&Ven_NVMe&Prod_Samsung_SSD_970\\4&1a2b3c4d&0&030000", "SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q",
       "Bus Number 0, Target Id 0, LUN 0", 1953525168ull * 512},
      // USB: the stick with media before the empty slot; no LocationInformation (the scan does not read it).
      {"USBSTOR\\Disk&Ven_Kingston&Prod_DataTraveler_2.0&Rev_PMAP\\C860008861D7EF41CA13157C&0",
       "USBSTOR\\DiskKingstonDataTraveler_2.0PMAP", "<none>", 15630336ull * 512},
      {"USBSTOR\\Disk&Ven_Generic-&Prod_SD/MMC&Rev_1.00\\C860008861D7EF41CA13157C&0",
       "USBSTOR\\DiskGeneric-SD/MMC__________1.00", "<none>", 0},
  };
  // clang-format on
  const std::vector<std::string> paths = Instances("Disk");
  ASSERT_EQ(paths.size(), std::size(kRows));
  for (size_t i = 0; i < std::size(kRows); ++i) {
    const Row& row = kRows[i];
    EXPECT_EQ(paths[i], row.path) << i;
    const std::string key = kEnum + row.path;
    EXPECT_EQ(Text(key, "HardwareID"), row.hardwareId) << i;
    EXPECT_EQ(Text(key, "LocationInformation"), row.location) << i;
    EXPECT_EQ(Text(key, "Class"), "DiskDrive") << i;
    EXPECT_TRUE(Present(row.path)) << i;
    EXPECT_EQ(DriveBytes(static_cast<int>(i)), row.bytes) << i;
    // The storage stack's answer: this device is physical drive i.
    EXPECT_EQ(DriveNumberOfDevice(row.path), std::optional<uint32_t>(static_cast<uint32_t>(i))) << i;
  }
  // What each drive says about itself, as IOCTL_STORAGE_QUERY_PROPERTY would.
  // clang-format off
  struct Identity { const char* vendor; const char* product; const char* serial; DriveBus bus; std::optional<bool> solid; };
  const Identity kIdentities[] = {
      {"", "MAXTOR 6L250S0 WITH A MODEL NAME FAR LONGER THAN ANY FIELD", "", DriveBus::kOther, std::nullopt},
      {"", "WDC WD5000AAKS-0", "", DriveBus::kSata, false},
      {"", "Block Device", "", DriveBus::kOther, std::nullopt},
      {"", "Samsung SSD 970 EVO Plus 1TB", "S4EWNX0R123456", DriveBus::kNvme, true},
      {"Kingston", "DataTraveler 2.0", "", DriveBus::kUsb, std::nullopt},
      {"Generic-", "SD/MMC", "", DriveBus::kUsb, std::nullopt},
  };
  // clang-format on
  for (size_t i = 0; i < std::size(kIdentities); ++i) {
    const std::optional<DriveIdentity> identity = ReadDriveIdentity(static_cast<uint32_t>(i));
    ASSERT_TRUE(identity) << i;
    EXPECT_EQ(identity->vendor, kIdentities[i].vendor) << i;
    EXPECT_EQ(identity->product, kIdentities[i].product) << i;
    EXPECT_EQ(identity->serial, kIdentities[i].serial) << i;
    EXPECT_EQ(identity->bus, kIdentities[i].bus) << i;
    EXPECT_EQ(identity->solidState, kIdentities[i].solid) << i;
  }
  EXPECT_FALSE(ReadDriveIdentity(6));
  EXPECT_EQ(U8(Text(kEnum + kRows[0].path, "DeviceDesc")), U8("磁盘驱动器"));
  EXPECT_EQ(Text(kEnum + kRows[4].path, "DeviceDesc"), "Kingston DataTraveler 2.0 USB Device");
  EXPECT_EQ(ReadDriveGeometry("\\\\.\\PHYSICALDRIVE4")->mediaType, 11u);  // removable
  EXPECT_EQ(ReadDriveGeometry("\\\\.\\PHYSICALDRIVE0")->mediaType, 12u);  // fixed
  EXPECT_FALSE(ReadDriveGeometry("\\\\.\\PHYSICALDRIVE6"));
}

TEST_F(LinuxMachine, OpticalDrivesByTheirBus) {
  FakeMachine m;
  m.Block("sr0", "sys/devices/pci0000:00/0000:00:1f.2/ata4/host3/target3:0:0/3:0:0:0", "TSSTcorp\n",
          "CDDVDW SH-S223C \n", "SB01\n", "2097151\n", "1\n");
  m.Block("sr1", std::string(kUsbPath) + "/1-2:1.0/host7/target7:0:0/7:0:0:0", "HL-DT-ST\n", "DVDRAM GP08NU6W\n",
          "1.00\n", "0\n", "1\n");
  BuildRegistryFromMachine(m.root());

  const char* const kIde = "IDE\\CdRomTSSTcorp_CDDVDW_SH-S223C________________SB01____";
  const std::vector<std::string> expected = {std::string(kIde) + "\\5&1e5d3123&0&0.0.0",
                                             "SCSI\\CdRom&Ven_HL-DT-ST&Prod_DVDRAM_GP08NU6W\\4&23a5a6ac&0&010100"};
  EXPECT_EQ(Instances("Cdrom"), expected);
  EXPECT_EQ(Text(kEnum + expected[0], "HardwareID"), kIde);
  EXPECT_EQ(Text(kEnum + expected[1], "HardwareID"), "SCSI\\CdRomHL-DT-STDVDRAM_GP08NU6W_1.00");
  EXPECT_EQ(Text(kEnum + expected[1], "Class"), "CDROM");
  EXPECT_TRUE(Present(expected[0]) && Present(expected[1]));
  EXPECT_TRUE(Instances("Disk").empty());  // optical drives are not disks
}

void AddSoundAndNetwork(const FakeMachine& m) {
  const std::string hda = "sys/bus/hdaudio/devices/";
  m.File(hda + "hdaudioC0D0/vendor_id", "0x10ec0892\n");
  m.File(hda + "hdaudioC0D0/subsystem_id", "0x80862035\n");
  m.File(hda + "hdaudioC0D0/revision_id", "0x100302\n");
  m.File(hda + "hdaudioC0D0/vendor_name", "Realtek\n");
  m.File(hda + "hdaudioC0D0/afg", "0x1\n");
  m.File(hda + "hdaudioC0D1/vendor_id", "0x14f12c06\n");  // a modem codec: skipped
  m.File(hda + "hdaudioC0D1/afg", "0x0\n");
  m.File(hda + "hdaudioC0D1/mfg", "0x2\n");
  m.File(hda + "hdaudioC0D3/vendor_id", "0x80862806\n");
  m.File(hda + "hdaudioC0D3/subsystem_id", "0x80860101\n");
  m.File(hda + "hdaudioC0D3/revision_id", "0x100000\n");
  m.File(hda + "hdaudioC0D3/vendor_name", "Intel\n");
  m.File(hda + "hdaudioC1D0/vendor_id", "0x53534d41\n");  // a vendor nobody names
  m.File(hda + "hdaudioC1D0/revision_id", "0x100000\n");
  struct Pci { const char* address; const char* cls; const char* ven; const char* dev; const char* subVen;
               const char* subDev; const char* rev; };
  const Pci kDevices[] = {
      {"0000:00:1b.0", "0x040300", "0x8086", "0x1e20", "0x8086", "0x2035", "0x04"},
      {"0000:00:19.0", "0x020000", "0x8086", "0x1502", "0x8086", "0x2035", "0x04"},
      {"0000:02:00.0", "0x020000", "0x10ec", "0x8168", "0x103c", "0x2a6f", "0x02"},
      {"0000:03:00.0", "0x040100", "0x1102", "0x0004", "0x1102", "0x0051", "0x03"},
      {"0000:04:00.0", "0x028000", "0xabcd", "0x1234", "0x0000", "0x0000", "0x01"},
      {"0000:00:1f.0", "0x060100", "0x8086", "0x1e44", "0x8086", "0x2035", "0x04"},  // ISA bridge: nothing
  };
  for (const Pci& d : kDevices) {
    const std::string dir = std::string("sys/bus/pci/devices/") + d.address + "/";
    m.File(dir + "class", std::string(d.cls) + "\n");
    m.File(dir + "vendor", std::string(d.ven) + "\n");
    m.File(dir + "device", std::string(d.dev) + "\n");
    m.File(dir + "subsystem_vendor", std::string(d.subVen) + "\n");
    m.File(dir + "subsystem_device", std::string(d.subDev) + "\n");
    m.File(dir + "revision", std::string(d.rev) + "\n");
  }
  m.File("usr/share/misc/pci.ids",
         "# pci.ids excerpt\n"
         "1102  Creative Labs\n"
         "\t0004  SB Audigy\n"
         "\t\t1102 0051  SB0090 Audigy Player\n"
         "8086  Intel Corporation\n"
         "\t1502  82579LM Gigabit Network Connection (Lewisville)\n"
         "\t1e20  7 Series/C216 Chipset Family High Definition Audio Controller\n"
         "C 02  Network controller\n");
}

TEST_F(LinuxMachine, SoundAndNetworkDevices) {
  FakeMachine m;
  AddSoundAndNetwork(m);
  BuildRegistryFromMachine(m.root());

  // Instance path (below Enum), DeviceDesc, Class; the HardwareID is the path before the instance.
  // clang-format off
  struct Row { const char* path; const char* desc; const char* cls; };
  const Row kRows[] = {
      {"HDAUDIO\\FUNC_01&VEN_10EC&DEV_0892&SUBSYS_80862035&REV_1003\\4&2a5b3c4d&0&0001",
       "Realtek High Definition Audio", "MEDIA"},
      {"HDAUDIO\\FUNC_01&VEN_8086&DEV_2806&SUBSYS_80860101&REV_1000\\4&2a5b3c4d&0&0002",
       "Intel(R) High Definition Audio", "MEDIA"},
      {"HDAUDIO\\FUNC_01&VEN_5353&DEV_4D41&SUBSYS_00000000&REV_1000\\4&2a5b3c4d&0&0003",
       "High Definition Audio Device", "MEDIA"},
      // The controller of those codecs is a system device, not a second sound card.
      {"PCI\\VEN_8086&DEV_1E20&SUBSYS_20358086&REV_04\\3&11583659&0&D8", "High Definition Audio Controller", "System"},
      {"PCI\\VEN_8086&DEV_1502&SUBSYS_20358086&REV_04\\3&11583659&0&C8",
       "Intel 82579LM Gigabit Network Connection (Lewisville)", "Net"},
      {"PCI\\VEN_10EC&DEV_8168&SUBSYS_2A6F103C&REV_02\\3&11583659&0&0200", "Realtek PCIe GBE Family Controller", "Net"},
      {"PCI\\VEN_1102&DEV_0004&SUBSYS_00511102&REV_03\\3&11583659&0&0300", "Creative SB Audigy", "MEDIA"},
      {"PCI\\VEN_ABCD&DEV_1234&SUBSYS_00000000&REV_01\\3&11583659&0&0400", "VEN_ABCD Network Adapter", "Net"},
  };
  // clang-format on
  for (const Row& row : kRows) {
    const std::string path = row.path;
    const std::string key = kEnum + path;
    EXPECT_EQ(Text(key, "HardwareID"), path.substr(0, path.rfind('\\'))) << path;
    EXPECT_EQ(Text(key, "DeviceDesc"), row.desc) << path;
    EXPECT_EQ(Text(key, "Class"), row.cls) << path;
    EXPECT_TRUE(Present(path)) << path;
  }
  // Nothing else under HDAUDIO (no modem) and under PCI (no bridge).
  const RegistryKey hdaudio = OpenMachineKey(kEnum + "HDAUDIO");
  EXPECT_FALSE(EnumerateSubkey(hdaudio, 3));
  const RegistryKey pci = OpenMachineKey(kEnum + "PCI");
  EXPECT_TRUE(EnumerateSubkey(pci, 4));
  EXPECT_FALSE(EnumerateSubkey(pci, 5));
}

TEST_F(LinuxMachine, CodecsFromProcfsAndAControllerAlone) {
  FakeMachine m;
  m.File("proc/asound/cards", " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n");
  m.File("proc/asound/card0/codec#0",
         "Codec: Realtek ALC889\nAddress: 0\nAFG Function Id: 0x1 (unsol 1)\nVendor Id: 0x10ec0889\n"
         "Subsystem Id: 0x1458a002\nRevision Id: 0x100004\n");
  m.File("proc/asound/card0/codec#1", "Codec: Nvidia GPU 42 HDMI/DP\nVendor Id: 0x10de0042\nSubsystem Id: 0x14583557\n"
                                      "Revision Id: 0x100100\n");
  BuildRegistryFromMachine(m.root());
  EXPECT_EQ(Text(kEnum + "HDAUDIO\\FUNC_01&VEN_10EC&DEV_0889&SUBSYS_1458A002&REV_1000\\4&2a5b3c4d&0&0001", "DeviceDesc"),
            "Realtek High Definition Audio");
  EXPECT_EQ(Text(kEnum + "HDAUDIO\\FUNC_01&VEN_10DE&DEV_0042&SUBSYS_14583557&REV_1001\\4&2a5b3c4d&0&0002", "DeviceDesc"),
            "NVIDIA High Definition Audio");

  // Without any codec the HD-audio controller is the sound device.
  FakeMachine alone;
  alone.File("sys/bus/pci/devices/0000:00:1f.3/class", "0x040300\n");
  alone.File("sys/bus/pci/devices/0000:00:1f.3/vendor", "0x8086\n");
  ClearRegistry();
  BuildRegistryFromMachine(alone.root());
  const std::string key = kEnum + "PCI\\VEN_8086&DEV_0000&SUBSYS_00000000&REV_00\\3&11583659&0&FB";
  EXPECT_EQ(Text(key, "Class"), "MEDIA");
  EXPECT_EQ(Text(key, "DeviceDesc"), "High Definition Audio Controller");
}

// An EDID base block of maker ACR (00000 00001 00011 10010 = 0x0472), product 0x01A5.
std::string Edid(unsigned char maker0, unsigned char maker1) {
  std::string edid(128, '\0');
  const unsigned char head[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, maker0, maker1, 0xA5, 0x01};
  for (size_t i = 0; i < sizeof head; ++i) edid[i] = static_cast<char>(head[i]);
  return edid;
}

TEST_F(LinuxMachine, FirstConnectedMonitorAndItsMode) {
  FakeMachine m;
  m.File("sys/class/drm/card0/dev", "226:0\n");
  m.File("sys/class/drm/card0-DP-1/status", "disconnected\n");
  m.File("sys/class/drm/card0-DP-1/edid", Edid(0x10, 0xAC));
  m.File("sys/class/drm/card0-eDP-1/status", "connected\n");
  m.File("sys/class/drm/card0-eDP-1/edid", std::string(128, '\x55'));  // not an EDID
  m.File("sys/class/drm/card0-HDMI-A-1/status", "connected\n");
  m.File("sys/class/drm/card0-HDMI-A-1/edid", Edid(0x04, 0x72));
  m.File("sys/class/drm/card0-HDMI-A-1/modes", "1920x1080\n1680x1050\n1280x1024\n");
  m.File("sys/class/drm/card0-DP-2/status", "connected\n");  // no EDID
  BuildRegistryFromMachine(m.root());

  const RegistryKey display = OpenMachineKey(kEnum + "DISPLAY");
  EXPECT_EQ(EnumerateSubkey(display, 0).value_or(""), "ACR01A5");
  EXPECT_FALSE(EnumerateSubkey(display, 1));
  const std::string path = "DISPLAY\\ACR01A5\\5&2f1a3c4b&0&UID4352";
  EXPECT_EQ(Text(kEnum + path, "HardwareID"), "MONITOR\\ACR01A5");
  EXPECT_TRUE(Present(path));
  const DisplayMode mode = ReadDisplayMode();
  EXPECT_EQ(mode.width, 1920);
  EXPECT_EQ(mode.height, 1080);
  EXPECT_EQ(mode.bitsPerPixel, 32);
}

TEST_F(LinuxMachine, MonitorWithoutModesKeepsTheDisplayMode) {
  FakeMachine m;
  m.File("sys/class/drm/card1-DP-2/status", "connected\n");
  m.File("sys/class/drm/card1-DP-2/edid", Edid(0x10, 0xAC) + std::string(128, '\0'));  // DEL, with an extension
  m.File("sys/class/drm/card1-DP-2/modes", "garbage\n");
  BuildRegistryFromMachine(m.root());
  EXPECT_EQ(Text(kEnum + "DISPLAY\\DEL01A5\\5&2f1a3c4b&0&UID4352", "HardwareID"), "MONITOR\\DEL01A5");
  EXPECT_EQ(ReadDisplayMode().width, 1024);
}

const char* const kInputDevices =
    "I: Bus=0011 Vendor=0001 Product=0001 Version=ab41\n"
    "N: Name=\"AT Translated Set 2 keyboard\"\n"
    "P: Phys=isa0060/serio0/input0\n"
    "H: Handlers=sysrq kbd event0 leds \n"
    "B: EV=120013\n"
    "\n"
    "I: Bus=0011 Vendor=0002 Product=0005 Version=0000\n"
    "N: Name=\"ImPS/2 Generic Wheel Mouse\"\n"
    "P: Phys=isa0060/serio1/input0\n"
    "H: Handlers=mouse0 event1 \n"
    "B: EV=7\n"
    "\n"
    "I: Bus=0019 Vendor=0000 Product=0001 Version=0000\n"
    "N: Name=\"Power Button\"\n"
    "P: Phys=LNXPWRBN/button/input0\n"
    "H: Handlers=kbd event2 \n"
    "B: EV=3\n"
    "\n"
    "I: Bus=0003 Vendor=1c4f Product=0002 Version=0110\n"
    "N: Name=\"SIGMACHIP USB Keyboard Consumer Control\"\n"
    "P: Phys=usb-0000:00:14.0-3/input1\n"
    "H: Handlers=kbd event5 \n"
    "B: EV=1f\n"
    "\n"
    "I: Bus=0003 Vendor=1c4f Product=0002 Version=0110\n"
    "N: Name=\"SIGMACHIP USB Keyboard\"\n"
    "P: Phys=usb-0000:00:14.0-3/input0\n"
    "H: Handlers=sysrq kbd leds event4 \n"
    "B: EV=120013\n"
    "\n"
    "I: Bus=0003 Vendor=093a Product=2510 Version=0111\n"
    "N: Name=\"PixArt USB Optical Mouse\"\n"
    "P: Phys=usb-0000:00:14.0-4/input0\n"
    "H: Handlers=mouse1 event6 \n"
    "B: EV=17\n";

TEST_F(LinuxMachine, KeyboardsAndMice) {
  FakeMachine m;
  m.File("proc/bus/input/devices", kInputDevices);
  BuildRegistryFromMachine(m.root());

  const std::string keyboard = "ACPI\\PNP0303\\4&1d401fb5&0";
  const std::string mouse = "ACPI\\PNP0F13\\4&1d401fb5&0";
  EXPECT_EQ(U8(Text(kEnum + keyboard, "DeviceDesc")), U8("标准 PS/2 键盘"));
  EXPECT_EQ(Text(kEnum + keyboard, "Class"), "Keyboard");
  EXPECT_EQ(U8(Text(kEnum + mouse, "DeviceDesc")), U8("PS/2 兼容鼠标"));
  EXPECT_EQ(Text(kEnum + mouse, "Class"), "Mouse");
  EXPECT_TRUE(Present(keyboard) && Present(mouse));
  EXPECT_FALSE(EnumerateSubkey(OpenMachineKey(kEnum + "ACPI"), 2));  // the power button is neither

  // The plain keyboard and mouse first, then the keyboard's other function with its own name.
  const std::vector<std::string> expected = {
      "HID\\VID_1C4F&PID_0002&MI_00\\7&1ba1b322&0&0000",
      "HID\\VID_093A&PID_2510&MI_00\\7&1ba1b322&0&0001",
      "HID\\VID_1C4F&PID_0002&MI_01\\7&1ba1b322&0&0002",
  };
  ASSERT_EQ(Instances("hidusb"), expected);
  EXPECT_EQ(Text(kEnum + expected[0], "LocationInformation"), "USB Keykoard");
  EXPECT_EQ(Text(kEnum + expected[1], "LocationInformation"), "USB Optical Mouse");
  EXPECT_EQ(Text(kEnum + expected[2], "LocationInformation"), "SIGMACHIP USB Keyboard Consumer Control");
  EXPECT_TRUE(Present(expected[0]));
}

TEST_F(LinuxMachine, EmptyRootGivesAnEmptyRegistry) {
  FakeMachine m;
  BuildRegistryFromMachine(m.root());
  BuildRegistryFromMachine(m.root() + "/no/such/dir");
  EXPECT_FALSE(OpenMachineKey("SYSTEM").isOpen());
  EXPECT_FALSE(ReadDriveGeometry("\\\\.\\PHYSICALDRIVE0"));
  EXPECT_EQ(ReadDisplayMode().width, 1024);
}

TEST_F(LinuxMachine, OddFilesAreSkipped) {
  FakeMachine m;
  m.File("sys/block/sda/size", "-12\n");  // no device directory, a negative size
  m.File("sys/block/sdb/size", "99999999999999999999999\n");
  m.File("sys/block/sdb/device/model", std::string(5000, 'x'));
  m.File("sys/bus/pci/devices/0000:00:03.0/class", "not a number\n");
  m.File("sys/bus/pci/devices/bad-address/class", "0x020000\n");
  m.File("sys/bus/pci/devices/bad-address/vendor", "0x1af4\n");
  m.File("sys/bus/pci/devices/bad-address/device", "0x1041\n");
  m.File("sys/bus/hdaudio/devices/hdaudioC0D0/vendor_id", "\n");
  m.File("sys/class/drm/card0-HDMI-A-1/status", "connected\n");
  m.File("sys/class/drm/card0-HDMI-A-1/edid", Edid(0x04, 0x72).substr(0, 127));  // cut short
  m.File("proc/bus/input/devices", std::string("P: Phys=usb-\nH: Handlers=mouse\n\n\n\xff\xfe garbage\nB: EV=zz\n"));
  BuildRegistryFromMachine(m.root());
  EXPECT_TRUE(Instances("Disk").empty());
  EXPECT_FALSE(OpenMachineKey(kEnum + "DISPLAY").isOpen());
  EXPECT_FALSE(OpenMachineKey(kEnum + "HDAUDIO").isOpen());
  EXPECT_EQ(Text(kEnum + "PCI\\VEN_1AF4&DEV_1041&SUBSYS_00000000&REV_00\\3&11583659&0&0000", "DeviceDesc"),
            "Red Hat VirtIO Ethernet Adapter");
  // The mouse without ids still counts: the scan sees its name.
  EXPECT_EQ(Text(kEnum + "HID\\VID_0000&PID_0000&MI_00\\7&1ba1b322&0&0000", "LocationInformation"), "USB Optical Mouse");
}

TEST_F(LinuxMachine, ThisMachine) {
  BuildRegistryFromMachine("/");
  if (!fs::exists("/sys/block/vda")) GTEST_SKIP() << "no /sys/block/vda here";
  bool found = false;
  for (const std::string& path : Instances("Disk")) {
    const std::string id = Text(kEnum + path, "HardwareID");
    if (id.rfind("SCSI\\DiskVirtIO", 0) == 0) found = true;
  }
  EXPECT_TRUE(found);
}

}  // namespace
