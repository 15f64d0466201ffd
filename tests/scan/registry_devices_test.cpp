// The registry steps on regedit exports of whole machines: which devices are found, what each
// analyser is handed, and the keyboard and mouse rows.
#include "scan/registry_devices.h"

#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/input_devices.h"
#include "scan/records.h"
#include "tests/test_support.h"

namespace {

class RegistryDevices : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRegistry();
    ClearDriveGeometries();
    SetDisplayMode({1024, 768, 32});
  }
  void TearDown() override {
    ClearRegistry();
    ClearDriveGeometries();
  }

  static void Load(const std::string& name) {
    std::string error;
    ASSERT_TRUE(LoadRegistryExport(FixturePath("registry_devices/" + name), error)) << error;
  }

  static void ScanAll() { ScanRegistryDevices(nullptr); }
};

void SetBytes(int drive, uint64_t bytes) {
  SetDriveGeometry("\\\\.\\PHYSICALDRIVE" + std::to_string(drive), GeometryForCapacity(bytes));
}

// The detail rows of (label, text) pairs, in order.
std::string Rows(const std::vector<std::pair<const char*, const char*>>& rows) {
  std::string out;
  for (const auto& row : rows) {
    out += std::string("<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>") + row.first +
           "</b></small></td><td valign=\"center\"><small><font color=\"#0000A0\">" + row.second +
           "</font></small></td></tr>";
  }
  return out;
}

TEST_F(RegistryDevices, FindPresentDevicesListsKeysWithControl) {
  Load("sata_desktop.reg");
  std::vector<std::string> list = {"kept"};
  FindPresentDevices("SYSTEM\\CurrentControlSet\\Enum\\PCI", list);
  const std::vector<std::string> expected = {
      "kept",
      "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_10EC&DEV_8168&SUBSYS_2A6F103C&REV_02\\4&5d52b92&0&00e2",
      "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_1102&DEV_0005&SUBSYS_00311102&REV_00\\4&2b1a7d4&0&00e4",
      "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_8086&DEV_10D3&SUBSYS_20358086&REV_00\\4&1f7dbc9f&0&00e1",
      "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_8086&DEV_29C2&SUBSYS_2A6F103C&REV_02\\3&11583659&0&10",
  };
  EXPECT_EQ(list, expected);
  list.clear();
  FindPresentDevices("SYSTEM\\CurrentControlSet\\Enum\\NOSUCHBUS", list);
  EXPECT_TRUE(list.empty());
}

TEST_F(RegistryDevices, FindPresentDevicesAtAnyDepthAndCaseSensitiveControl) {
  SetMachineText("SYSTEM\\Root\\A\\Control\\Inner\\Control\\x", "v", "1");  // Control itself is descended into
  SetMachineText("SYSTEM\\Root\\B\\control", "v", "1");                    // not "Control"
  SetMachineText("SYSTEM\\Root\\C\\D\\E\\Control", "v", "1");
  CreateMachineKey("SYSTEM\\Root\\Control");
  std::vector<std::string> list;
  FindPresentDevices("SYSTEM\\Root", list);
  const std::vector<std::string> expected = {
      "SYSTEM\\Root\\A", "SYSTEM\\Root\\A\\Control\\Inner", "SYSTEM\\Root\\C\\D\\E", "SYSTEM\\Root"};
  EXPECT_EQ(list, expected);
}

TEST_F(RegistryDevices, FindPresentDevicesSkipsOverlongPaths) {
  const std::string deep = "SYSTEM\\Root\\" + std::string(250, 'k');
  CreateMachineKey(deep + "\\Control");
  CreateMachineKey("SYSTEM\\Root\\short\\Control");
  std::vector<std::string> list;
  FindPresentDevices("SYSTEM\\Root", list);
  EXPECT_EQ(list, std::vector<std::string>{"SYSTEM\\Root\\short"});
}

TEST_F(RegistryDevices, ReadServiceInstancesKeepsPositions) {
  Load("laptop_win10.reg");
  const std::vector<std::string> expected = {
      "SCSI\\Disk&Ven_&Prod_ST500LT012-1DG14\\4&1c2a3b4d&0&000000",
      "USBSTOR\\Disk&Ven_Verbatim&Prod_STORE_N_GO&Rev_1100\\AA00000000011421&0",
      "",  // "Count" is 3 but there is no value "2"
  };
  EXPECT_EQ(ReadServiceInstances("SYSTEM\\CurrentControlSet\\Services\\Disk\\Enum\\"), expected);
  EXPECT_TRUE(ReadServiceInstances("SYSTEM\\CurrentControlSet\\Services\\Cdrom\\Enum\\").empty());
  SetMachineText("SYSTEM\\Svc\\Enum", "0", "A\\B\\C");  // no "Count"
  EXPECT_TRUE(ReadServiceInstances("SYSTEM\\Svc\\Enum\\").empty());
  SetMachineDword("SYSTEM\\Svc\\Enum", "Count", 0);
  EXPECT_TRUE(ReadServiceInstances("SYSTEM\\Svc\\Enum\\").empty());
}

TEST_F(RegistryDevices, SataDesktopSummaryText) {
  Load("sata_desktop.reg");
  SetBytes(0, 1000204886016u);
  SetBytes(1, 2000398934016u);
  SetBytes(2, 4004511744u);  // the stick is the third instance of the disk service
  ScanAll();
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\n硬盘:西部数据 1000G \r\n型号:WD10EZEX-00BN5A0 接口:SATA\r\n"  // today's SATA identifier
               "希捷 2000G \r\n型号:ST2000DM001-1ER164\r\n\r\n硬盘总数:2个"
               "\r\n\r\nU盘:金士顿4.0G\r\n 型号:DataTraveler_2.0PMAP"
               "\r\n\r\n光驱:三星 TSSTcorp CDDVDW SH-S223C\r\n 二手估价:30"
               "\r\n\r\n光驱:先锋 PIONEER DVD-RW\r\n功能:刻录 二手估价:30"
               "\r\n\r\n显示器:ACR01A5\r\n 品牌:宏基 分辨率:1024*768"
               "\r\n\r\n声卡:High Definition Audio Device\r\n 音质:高保真"
               "\r\n\r\n声卡:Realtek High Definition Audio\r\n品牌:瑞昱 音质:高保真"
               "\r\n\r\n声卡:Creative SB X-Fi\r\n品牌:创新"
               "\r\n\r\n网卡:Realtek PCIe GBE Family Controller\r\n品牌:瑞昱 速度:千兆"
               "\r\n\r\n网卡:Intel(R) 82574L Gigabit Network Connection\r\n 速度:千兆"
               "\r\n\r\n键盘:Standard PS/2 Keyboard\r\n接口:PS/2 圆接口"
               "\r\n\r\n鼠标:PS/2 Compatible Mouse\r\n接口:PS/2 圆接口"));
}

TEST_F(RegistryDevices, SataDesktopDetailRows) {
  Load("sata_desktop.reg");
  ScanAll();  // no drive answers: the disk rows are written all the same
  EXPECT_EQ(U8(detailRows),
            U8(Rows({{"硬盘", "SCSI\\DiskWDC_____WD10EZEX-00BN5A001.0"},
                     {"U盘", "USBSTOR\\DiskKingstonDataTraveler_2.0PMAP"},
                     {"光驱", "IDE\\CdRomTSSTcorp_CDDVDW_SH-S223C________________SB01____"},
                     {"光驱", "IDE\\CdRomPIONEER_DVD-RW__DVR-220L________________1.00____"},
                     {"显示器", "MONITOR\\ACR01A5"},
                     {"声卡", "@hdaudio.inf,%hdaudio.devicedesc%;High Definition Audio Device"},
                     {"声卡", "Realtek High Definition Audio"},
                     {"声卡", "Creative SB X-Fi"},
                     {"网卡", "@oem11.inf,%rtl8168.devicedesc%;Realtek PCIe GBE Family Controller"},
                     {"网卡", "Intel(R) 82574L Gigabit Network Connection"},
                     {"键盘", "@keyboard.inf,%*pnp0303.devicedesc%;Standard PS/2 Keyboard"},
                     {"鼠标", "@msmouse.inf,%*pnp0f0e.devicedesc%;PS/2 Compatible Mouse"}})));
}

TEST_F(RegistryDevices, KeyboardAndMouseRowsByteForByte) {
  Load("sata_desktop.reg");
  ScanPs2KeyboardsAndMice();
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr><td><span class=\"type\">键盘:</span></td><td><span class=\"name\">Standard PS/2 Keyboard</span> "
               "</br><span class=\"age\">接口:</span><span class=\"age\">PS/2 圆接口</span></td></tr>"
               "<tr><td><span class=\"type\">鼠标:</span></td><td><span class=\"name\">PS/2 Compatible Mouse</span>"
               "</br><span class=\"age\">接口:</span><span class=\"age\">PS/2 圆接口</span></td></tr>"));
}

TEST_F(RegistryDevices, IdeMachineWithUsbSticksAndUsbInput) {
  Load("ide_xp.reg");
  SetDriveGeometry("\\\\.\\PHYSICALDRIVE0", {60801, 12, 255, 63, 512});
  SetBytes(1, 251000193024u);
  SetBytes(2, 8004304896u);   // Generic stick, third instance
  SetBytes(3, 15502147584u);  // Kingston stick, fourth instance
  ScanAll();
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\n硬盘:西部数据 500G \r\n型号:WD5000AAKS-00V1A0 接口:串口 转速:7200转 缓存:16MB二手估价:250\r\n"
               "迈拓 251G \r\n型号:6L250S0 接口:并口 缓存:2M二手估价:150\r\n\r\n硬盘总数:2个"
               "\r\n\r\nU盘:8.0G\r\n 型号:Generic_Flash_Disk金士顿15.5G\r\n 型号:DataTraveler_G31.00\r\nU盘总数:2个"
               "\r\n\r\n光驱:索尼 SONY DVD RW DRU-840A\r\n功能:刻录 二手估价:30"
               "\r\n\r\n显示器:Default_Monitor\r\n 品牌:默认监视器 分辨率:1024*768"
               "\r\n\r\n声卡:Realtek AC'97 Audio\r\n品牌:瑞昱"  // the game port gives no block
               "\r\n\r\n网卡:VIA Rhine II Fast Ethernet Adapter\r\n品牌:威盛"
               "\r\n\r\n键盘:Standard 101/102-Key or Microsoft Natural PS/2 Keyboard\r\n接口:PS/2 圆接口"
               "\r\n\r\n键盘:USB Keykoard\r\n接口:USB"  // its second interface is the same keyboard;
               // a keyboard that names itself "USB Keyboard" is not one the scan recognises
               "\r\n\r\n鼠标:USB Optical Mouse\r\n接口:USB"));
  EXPECT_EQ(U8(detailRows),
            U8(Rows({{"硬盘", "IDE\\DiskWDC_WD5000AAKS-00V1A0____________________05.01B05"},
                     {"硬盘", "IDE\\DiskMAXTOR_6L250S0_______________________________BANC1G10"},
                     {"U盘", "USBSTOR\\DiskGeneric_Flash_Disk_____8.07"},
                     {"U盘", "USBSTOR\\DiskKingstonDataTraveler_G31.00"},
                     {"光驱", "IDE\\CdRomSONY_DVD_RW_DRU-840A_____________________1.0a____"},
                     {"显示器", "Monitor\\Default_Monitor"},
                     {"声卡", "Realtek AC'97 Audio"},
                     {"声卡", "Gameport Joystick"},
                     {"网卡", "VIA Rhine II Fast Ethernet Adapter"},
                     {"键盘", "Standard 101/102-Key or Microsoft Natural PS/2 Keyboard"},
                     {"键盘:", "USB Keykoard"},
                     {"鼠标", "USB Optical Mouse"}})));
}

TEST_F(RegistryDevices, UsbInputRowsByteForByte) {
  Load("ide_xp.reg");
  ScanUsbKeyboardsAndMice();
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr><td><span class=\"type\">键盘:</span></td><td><span class=\"name\">USB Keykoard</span></br>"
               "<span class=\"age\">接口:</span><span class=\"age\">USB</span></td></tr>"
               "<tr><td><span class=\"type\">鼠标:</span></td><td><span class=\"name\">USB Optical Mouse</span></br>"
               "<span class=\"age\">接口:</span><span class=\"age\">USB</span></td></tr>"));
}

TEST_F(RegistryDevices, LaptopWithoutDiskNumberMonitorOrOpticalDrive) {
  Load("laptop_win10.reg");
  SetBytes(0, 500107862016u);  // never asked: the disk has no "LocationInformation"
  SetBytes(1, 16008609792u);   // the stick, second instance
  ScanAll();
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\nU盘:威宝16.0G\r\n 型号:STORE N GO"
               "\r\n\r\n声卡:IDT High Definition Audio CODEC\r\n 音质:高保真"
               "\r\n\r\n声卡:Intel(R) Display Audio\r\n"
               "\r\n\r\n网卡:;Realtek PCIe FE Family Controller\r\n品牌:瑞昱"  // ";" first: passed whole
               "\r\n\r\n网卡:AT&T <Wireless> Adapter\r\n 类型:无线"
               "\r\n\r\n网卡:Intel(R) Centrino(R) Advanced-N 6205\r\n"
               "\r\n\r\n鼠标:PS/2 Compatible Mouse\r\n接口:PS/2 圆接口"
               "\r\n\r\n键盘:Standard PS/2 Keyboard\r\n接口:PS/2 圆接口"
               "\r\n\r\n鼠标:USB Optical Mouse\r\n接口:USB"
               "\r\n\r\n键盘:USB Keykoard\r\n接口:USB"));
  EXPECT_EQ(detailRows.find("显示器"), std::string::npos);
  EXPECT_EQ(detailRows.find("光驱"), std::string::npos);
  EXPECT_NE(detailRows.find(Rows({{"硬盘", "SCSI\\DiskST500LT012-1DG142__0001"}})), std::string::npos);
}

TEST_F(RegistryDevices, RegistryTextIsEscapedInThePages) {
  Load("laptop_win10.reg");
  ScanNetworkAdapters();
  EXPECT_NE(summaryHtml.find("<span class=\"name\">AT&amp;T &lt;Wireless&gt; Adapter</span>"), std::string::npos);
  EXPECT_EQ(summaryHtml.find("AT&T"), std::string::npos);
  EXPECT_NE(detailRows.find(Rows({{"网卡", "@oem7.inf,%atheros.devicedesc%;AT&amp;T &lt;Wireless&gt; Adapter"}})),
            std::string::npos);
  ResetScanTexts();
  ClearRegistry();
  SetMachineText("SYSTEM\\CurrentControlSet\\Enum\\ACPI\\PNP0303\\1", "DeviceDesc", "A&B <Keys>");
  SetMachineText("SYSTEM\\CurrentControlSet\\Enum\\ACPI\\PNP0303\\1", "Class", "Keyboard");
  CreateMachineKey("SYSTEM\\CurrentControlSet\\Enum\\ACPI\\PNP0303\\1\\Control");
  ScanPs2KeyboardsAndMice();
  EXPECT_EQ(summaryText, "\r\n\r\n键盘:A&B <Keys>\r\n接口:PS/2 圆接口");
  EXPECT_NE(summaryHtml.find(">A&amp;B &lt;Keys&gt;</span> </br>"), std::string::npos);
  EXPECT_EQ(detailRows, Rows({{"键盘", "A&amp;B &lt;Keys&gt;"}}));
}

TEST_F(RegistryDevices, EmptyRegistryWritesNothing) {
  ScanAll();
  EXPECT_EQ(summaryText + summaryHtml + detailRows, "");
}

TEST_F(RegistryDevices, MonitorWithoutHardwareId) {
  CreateMachineKey("SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\XYZ\\1\\Control");
  ScanMonitor();
  EXPECT_EQ(summaryText, "\r\n\r\n显示器:\r\n 分辨率:1024*768");
  EXPECT_EQ(detailRows, Rows({{"显示器", ""}}));
}

TEST_F(RegistryDevices, SoundRepeatsOnlyWhenNotConsecutive) {
  const char* kDevices[][2] = {
      {"HDAUDIO\\A\\1", "Realtek High Definition Audio"}, {"HDAUDIO\\A\\2", "Realtek High Definition Audio"},
      {"HDAUDIO\\B\\1", "Intel(R) Display Audio"},        {"HDAUDIO\\C\\1", "Realtek High Definition Audio"},
      {"PCI\\D\\1", "Realtek High Definition Audio"},      {"PCI\\E\\1", "Vendor\\Sub;Named Card"},
  };
  for (const auto& device : kDevices) {
    const std::string key = std::string("SYSTEM\\CurrentControlSet\\Enum\\") + device[0];
    SetMachineText(key, "DeviceDesc", device[1]);
    SetMachineText(key, "Class", "MEDIA");
    CreateMachineKey(key + "\\Control");
  }
  SetMachineText("SYSTEM\\CurrentControlSet\\Enum\\PCI\\F\\1", "DeviceDesc", "Lower class");
  SetMachineText("SYSTEM\\CurrentControlSet\\Enum\\PCI\\F\\1", "Class", "Media");
  CreateMachineKey("SYSTEM\\CurrentControlSet\\Enum\\PCI\\F\\1\\Control");
  ScanSoundDevices();
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\n声卡:Realtek High Definition Audio\r\n品牌:瑞昱 音质:高保真"
               "\r\n\r\n声卡:Intel(R) Display Audio\r\n"
               "\r\n\r\n声卡:Realtek High Definition Audio\r\n品牌:瑞昱 音质:高保真"
               "\r\n\r\n声卡:Named Card\r\n"));  // after the "\", then after the ";"
}

// ---- Which physical drive each disk is ----

// A fixed disk; location null: no "LocationInformation".
DiskDevice Fixed(const char* path, const char* id, const char* location) {
  return {path, id, location ? std::optional<std::string>(location) : std::nullopt, false, 0};
}
DiskDevice Stick(const char* path, const char* id, uint32_t instance) { return {path, id, std::nullopt, true, instance}; }

DriveIdentity Named(const char* product, const char* serial = "") {
  DriveIdentity identity;
  identity.product = product;
  identity.serial = serial;
  return identity;
}

constexpr const char* kAhci = "Bus Number 0, Target Id 0, LUN 0";
constexpr const char* kWdId = "SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0";
constexpr const char* kKingstonId = "USBSTOR\\DiskKingstonDataTraveler_3.0PMAP";

TEST_F(RegistryDevices, DriveNumbers) {
  struct Case {
    const char* what;
    std::vector<DiskDevice> devices;
    std::vector<std::pair<const char*, uint32_t>> stack;      // instance path -> drive, as the stack answers
    std::vector<std::pair<uint32_t, DriveIdentity>> drives;  // what drives say about themselves
    std::vector<int32_t> expected;                           // drive number plus one per device
  };
  const std::vector<Case> kCases = {
      {"IDE machine: LocationInformation and stick positions, as the old rule gives",
       {Fixed("IDE\\DiskA\\0", "IDE\\DiskWDC_WD5000AAKS", "0"), Fixed("IDE\\DiskB\\1", "IDE\\DiskMAXTOR_6L250S0", "1"),
        Stick("USBSTOR\\DiskC\\X&0", "USBSTOR\\DiskGeneric_Flash_Disk", 2), Stick("USBSTOR\\DiskD\\Y&0", kKingstonId, 3)},
       {}, {}, {1, 2, 3, 4}},
      {"AHCI: every disk on target 0, nothing answers: no disk and no stick is guessed",
       {Fixed("SCSI\\A\\0", kWdId, kAhci), Fixed("SCSI\\B\\1", "SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", kAhci),
        Stick("USBSTOR\\C\\X&0", kKingstonId, 2)},
       {}, {}, {0, 0, 0}},
      {"one SATA disk alone: its old number asks no other disk's drive", {Fixed("SCSI\\A\\0", kWdId, kAhci)}, {}, {}, {1}},
      {"the storage stack answers for each device, whatever its position",
       {Fixed("SCSI\\A\\0", kWdId, kAhci), Fixed("SCSI\\B\\1", kWdId, kAhci), Stick("USBSTOR\\C\\X&0", kKingstonId, 2)},
       {{"SCSI\\A\\0", 1}, {"scsi\\b\\1", 2}, {"USBSTOR\\C\\X&0", 0}}, {}, {2, 3, 1}},
      {"a drive the stack gave is not given again by the old rule",
       {Fixed("SCSI\\A\\0", kWdId, "0"), Fixed("IDE\\B\\1", "IDE\\DiskST3500418AS", "0")},
       {{"SCSI\\A\\0", 0}}, {}, {1, 0}},
      {"the same drive answered twice goes to the first device only",
       {Fixed("SCSI\\A\\0", kWdId, nullptr), Fixed("SCSI\\B\\1", kWdId, nullptr)},
       {{"SCSI\\A\\0", 0}, {"SCSI\\B\\1", 0}}, {}, {1, 0}},
      {"two disks of one model: the drives that name themselves so, lowest first",
       {Fixed("SCSI\\A\\0", kWdId, kAhci), Fixed("SCSI\\B\\1", kWdId, kAhci)},
       {}, {{0, Named("Samsung SSD 970 EVO Plus 500GB")}, {1, Named("WDC WD10EZEX-08WN4A0")}, {2, Named("WDC WD10EZEX-08WN4A0")}},
       {2, 3}},
      {"two sticks of one model: the serial in the instance name decides",
       {Stick("USBSTOR\\Disk&Ven_Kingston\\AAAA&0", kKingstonId, 0), Stick("USBSTOR\\Disk&Ven_Kingston\\BBBB&0", kKingstonId, 1)},
       {}, {{4, Named("DataTraveler 3.0", "BBBB")}, {5, Named("DataTraveler 3.0", "AAAA")}}, {6, 5}},
      {"an identity that is no device's leaves the old rule to the rest",
       {Fixed("IDE\\A\\0", "IDE\\DiskST3500418AS", "0"), Stick("USBSTOR\\C\\X&0", kKingstonId, 1)},
       {}, {{3, Named("Samsung SSD 970 EVO Plus 500GB")}}, {1, 2}},
  };
  for (const Case& c : kCases) {
    ClearDriveGeometries();
    for (const auto& [path, drive] : c.stack) SetDeviceDriveNumber(path, drive);
    for (const auto& [index, identity] : c.drives) SetDriveIdentity(index, identity);
    EXPECT_EQ(AssignDriveNumbers(c.devices), c.expected) << c.what;
  }
}

// The Windows 10 desktop as the scan sees it on the machine: the storage stack answers for each
// device, and each drive gives its name, bus and seek penalty.
void Win10DesktopDrives() {
  // clang-format off
  struct { const char* path; uint32_t drive; uint64_t bytes; DriveIdentity identity; } kDrives[] = {
      {"SCSI\\Disk&Ven_NVMe&Prod_Samsung_SSD_970\\5&1f7d3e21&0&000000", 0, 500107862016u,
       {"NVMe", "Samsung SSD 970 EVO Plus 500GB", "S4EWNX0R123456", DriveBus::kNvme, true}},
      {"SCSI\\Disk&Ven_WDC&Prod_WD10EZEX-08WN4A0\\4&2c3ae5b2&0&010000", 1, 1000204886016u,
       {"", "WDC WD10EZEX-08WN4A0", "WD-WCC6Y0123456", DriveBus::kSata, false}},
      {"SCSI\\Disk&Ven_Samsung&Prod_SSD_860_EVO_250G\\4&2c3ae5b2&0&020000", 2, 250059350016u,
       {"", "Samsung SSD 860 EVO 250GB", "S3YHNX0K123456", DriveBus::kSata, true}},
      {"USBSTOR\\Disk&Ven_SanDisk&Prod_Ultra&Rev_1.00\\4C530001230101115371&0", 3, 30765219840u,
       {"SanDisk", "Ultra", "4C530001230101115371", DriveBus::kUsb, false}},
  };
  // clang-format on
  for (const auto& d : kDrives) {
    SetDeviceDriveNumber(d.path, d.drive);
    SetDriveIdentity(d.drive, d.identity);
    SetBytes(static_cast<int>(d.drive), d.bytes);
  }
}

const char* const kWin10DesktopDisks =
    "\r\n\r\n硬盘:西部数据 1000G \r\n型号:WD10EZEX-08WN4A0 接口:SATA\r\n"
    "三星 500G \r\n型号:SSD 970 EVO Plus 500GB 类型:固态硬盘 接口:NVMe\r\n"
    "三星 250G \r\n型号:SSD 860 EVO 250GB 类型:固态硬盘 接口:SATA\r\n"
    "\r\n硬盘总数:3个"
    "\r\n\r\nU盘:闪迪30.8G\r\n 型号:Ultra";

TEST_F(RegistryDevices, Win10DesktopEachDiskItsOwnDrive) {
  Load("win10_desktop.reg");
  Win10DesktopDrives();
  ScanDisks();
  EXPECT_EQ(U8(summaryText), U8(kWin10DesktopDisks));
}

TEST_F(RegistryDevices, Win10DesktopByTheDrivesNamesAlone) {
  // No answer for the devices (a saved registry with the drives' names, as hwdex-cli is given them).
  Load("win10_desktop.reg");
  const std::pair<uint64_t, const char*> kDrives[] = {{500107862016u, "Samsung SSD 970 EVO Plus 500GB"},
                                                      {1000204886016u, "WDC WD10EZEX-08WN4A0"},
                                                      {250059350016u, "Samsung SSD 860 EVO 250GB"},
                                                      {30765219840u, "Ultra"}};
  for (uint32_t i = 0; i < std::size(kDrives); ++i) {
    SetBytes(static_cast<int>(i), kDrives[i].first);
    SetDriveIdentity(i, Named(kDrives[i].second));
  }
  ScanDisks();
  EXPECT_EQ(U8(summaryText), U8(kWin10DesktopDisks));
}

TEST_F(RegistryDevices, Win10DesktopWithSizesAloneGuessesNothing) {
  // Every fixed disk's LocationInformation names drive 0, and the stick's position names the hard
  // disk's drive: the old rule would show one capacity three times and the disk's size as the stick's.
  Load("win10_desktop.reg");
  SetBytes(0, 500107862016u);
  SetBytes(1, 1000204886016u);
  SetBytes(2, 250059350016u);
  SetBytes(3, 30765219840u);
  ScanDisks();
  EXPECT_EQ(summaryText, "");
  EXPECT_EQ(summaryHtml, "");
  EXPECT_EQ(U8(detailRows), U8(Rows({{"硬盘", "SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0"},
                                     {"U盘", "USBSTOR\\DiskSanDisk_Ultra___________1.00"}})));
}

TEST_F(RegistryDevices, Win7LaptopEachDiskItsOwnDrive) {
  Load("win7_laptop.reg");
  SetBytes(0, 500107862016u);
  SetDriveIdentity(0, Named("WDC WD5000LPVX-22V0TT0"));
  SetBytes(1, 320072933376u);
  SetDriveIdentity(1, Named("HGST HTS545032A7E380"));
  SetBytes(2, 16008609792u);
  SetDriveIdentity(2, Named("STORE N GO"));
  ScanDisks();
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘:日立 320G \r\n型号:HTS545032A7E380 接口:SATA\r\n"
                                "西部数据 500G \r\n型号:WD5000LPVX-22V0TT0 接口:SATA\r\n"
                                "\r\n硬盘总数:2个"
                                "\r\n\r\nU盘:威宝16.0G\r\n 型号:STORE N GO"));
}

}  // namespace
