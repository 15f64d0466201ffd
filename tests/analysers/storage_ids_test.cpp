// Today's disk identifiers: reading the padded SCSI and USBSTOR fields, matching a drive's own
// identity, the makers' table, and the disk and stick blocks written for them.
#include "analysers/storage_ids.h"

#include <gtest/gtest.h>

#include "analysers/hard_disks.h"
#include "analysers/storage_ids_rules.h"
#include "analysers/usb_storage.h"
#include "platform/drives.h"
#include "tests/test_support.h"

namespace {

class StorageIds : public ::testing::Test {
 protected:
  void SetUp() override { ClearDriveGeometries(); }
  void TearDown() override { ClearDriveGeometries(); }
};

DriveIdentity Identity(const char* vendor, const char* product, const char* serial = "",
                       DriveBus bus = DriveBus::kUnknown, std::optional<bool> solid = std::nullopt) {
  DriveIdentity identity;
  identity.vendor = vendor;
  identity.product = product;
  identity.serial = serial;
  identity.bus = bus;
  identity.solidState = solid;
  return identity;
}

// Physical drive index with bytes and, when product is not null, its own identity.
void SetDrive(uint32_t index, uint64_t bytes, const DriveIdentity* identity = nullptr) {
  SetDriveGeometry(PhysicalDrivePath(index), GeometryForCapacity(bytes));
  if (identity) SetDriveIdentity(index, *identity);
}

TEST(StorageIdsParse, PaddedFieldsAndDeviceIds) {
  // clang-format off
  struct { const char* id; bool parsed; bool usb; const char* vendor; const char* product; const char* revision; } kCases[] = {
      // Real identifiers of Windows 7 and 10 (AIDA64 and registry exports of the shared fixtures).
      {"SCSI\\DiskWDC_____WD10EZEX-00BN5A001.0", true, false, "WDC", "WD10EZEX-00BN5A0", "01.0"},
      {"SCSI\\DiskHGST_____HTS545032A7E380GGBO", true, false, "HGST", "HTS545032A7E380", "GGBO"},
      {"SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", true, false, "NVMe", "Samsung SSD 970", "2B2Q"},
      {"SCSI\\DiskWDC_____WD10EZEX-00BN5A0", true, false, "WDC", "WD10EZEX-00BN5A0", ""},  // second string
      {"USBSTOR\\DiskVerbatimSTORE_N_GO______1100", true, true, "Verbatim", "STORE N GO", "1100"},
      {"USBSTOR\\DiskKingstonDataTraveler_2.0PMAP", true, true, "Kingston", "DataTraveler 2.0", "PMAP"},
      {"SCSI\\Disk________ST2000DM001-1ER1CC26", true, false, "", "ST2000DM001-1ER1", "CC26"},
      // Device ids, as instance paths begin.
      {"SCSI\\Disk&Ven_NVMe&Prod_Samsung_SSD_970\\5&1f7d3e21&0&000000", true, false, "NVMe", "Samsung SSD 970", ""},
      {"USBSTOR\\Disk&Ven_Kingston&Prod_DataTraveler_2.0&Rev_PMAP", true, true, "Kingston", "DataTraveler 2.0", "PMAP"},
      {"SCSI\\Disk&Ven_&Prod_ST500LT012-1DG14", true, false, "", "ST500LT012-1DG14", ""},
      // Not these shapes: the makers' tables alone handle them.
      {"IDE\\DiskWDC_WD5000AAKS-00V1A0____________________05.01B05", false, false, "", "", ""},
      {"SCSI\\DiskKINGSTON_SV300S37A120G", false, false, "", "", ""},        // 22 characters
      {"USBSTOR\\DiskSanDisk_Cruzer_Blade__1.26", false, false, "", "", ""},  // 26 characters
      {"USBSTOR\\DiskKINGSTON_DT_101", false, false, "", "", ""},
      {"SCSI\\CdRomTSSTcorpDVD+-RW_SU-208BBD300", false, false, "", "", ""},
      {"SCSI\\Disk________________________", false, false, "", "", ""},      // nothing in the fields
      {"SCSI\\Disk", false, false, "", "", ""},
      {"", false, false, "", "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const std::optional<StorageId> id = ParseStorageId(c.id);
    ASSERT_EQ(id.has_value(), c.parsed) << c.id;
    if (!id) continue;
    EXPECT_EQ(id->usb, c.usb) << c.id;
    EXPECT_EQ(id->vendor, c.vendor) << c.id;
    EXPECT_EQ(id->product, c.product) << c.id;
    EXPECT_EQ(id->revision, c.revision) << c.id;
  }
}

TEST(StorageIdsParse, IdentityMatches) {
  // clang-format off
  struct { const char* id; const char* instance; DriveIdentity identity; bool matches; } kCases[] = {
      // SATA: Windows reports the whole ATA model as the product, vendor word included.
      {"SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0", "4&2c3ae5b2&0&010000", Identity("", "WDC WD10EZEX-08WN4A0"), true},
      {"SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0", "", Identity("ATA", "WDC WD10EZEX-08WN4A0"), true},
      {"SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0", "", Identity("", "wdc wd10ezex-08wn4a0"), true},  // no case
      {"SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0", "", Identity("", "WDC WD20EZRZ-22Z5HB0"), false},
      {"SCSI\\DiskHGST_____HTS545032A7E380GGBO", "", Identity("", "HGST HTS545032A7E380"), true},
      // NVMe: the identifier keeps 16 characters of the model; the drive gives all of it.
      {"SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", "", Identity("", "Samsung SSD 970 EVO Plus 500GB"), true},
      {"SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", "", Identity("NVMe", "Samsung SSD 970 EVO Plus 500GB"), true},
      {"SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", "", Identity("", "Samsung SSD 980 PRO 1TB"), false},
      {"SCSI\\DiskSamsung_SSD_860_EVO_250GRVT0", "", Identity("", "Samsung SSD 970 EVO Plus 500GB"), false},
      // USB: vendor and product apart, or the product alone; the serial decides between two alike.
      {"USBSTOR\\DiskKingstonDataTraveler_2.0PMAP", "C860008861D7EF41CA13157C&0",
       Identity("Kingston", "DataTraveler 2.0", "C860008861D7EF41CA13157C"), true},
      {"USBSTOR\\DiskKingstonDataTraveler_2.0PMAP", "C860008861D7EF41CA13157C&0",
       Identity("Kingston", "DataTraveler 2.0", "001CC0EC3450BB7135B50F24"), false},
      {"USBSTOR\\DiskKingstonDataTraveler_2.0PMAP", "7&f810be1&0&_&0",  // a made-up instance name
       Identity("Kingston", "DataTraveler 2.0", "001CC0EC3450BB7135B50F24"), true},
      {"USBSTOR\\DiskKingstonDataTraveler_2.0PMAP", "", Identity("SanDisk", "DataTraveler 2.0"), false},
      {"USBSTOR\\DiskSanDisk_Ultra___________1.00", "", Identity("", "Ultra"), true},
      {"USBSTOR\\DiskSanDisk_Ultra___________1.00", "", Identity("", ""), false},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const std::optional<StorageId> id = ParseStorageId(c.id);
    ASSERT_TRUE(id) << c.id;
    EXPECT_EQ(IdentityMatches(*id, c.instance, c.identity), c.matches) << c.id << " / " << c.identity.product;
  }
}

TEST(StorageIdsMakers, EveryRowFindsItsMaker) {
  for (const StorageMakerRow& row : kStorageMakers) {
    const std::string name = std::string(row.pattern) + (row.match == MakerMatch::kWord ? " X1" : "1000");
    const StorageMaker maker = FindStorageMaker(name);
    // An earlier row may take the name first only when it gives the same brand.
    EXPECT_EQ(U8(maker.brand), U8(row.brand)) << row.pattern;
  }
}

TEST(StorageIdsMakers, WordsAndModelNumbers) {
  // clang-format off
  struct { const char* name; const char* brand; const char* model; } kCases[] = {
      {"WDC WD10EZEX-08WN4A0", "西部数据", "WD10EZEX-08WN4A0"},
      {"WD Blue SN570 500GB", "西部数据", "Blue SN570 500GB"},
      {"WD_BLACK SN770 1TB", "西部数据", "WD_BLACK SN770 1TB"},
      {"ST2000DM001-1ER164", "希捷", "ST2000DM001-1ER164"},   // Seagate's mark stays
      {"STORE N GO", "", "STORE N GO"},                         // "ST" not followed by a digit
      {"Samsung SSD 970 EVO Plus 500GB", "三星", "SSD 970 EVO Plus 500GB"},
      {"SAMSUNG MZVLB512HAJQ-000L7", "三星", "MZVLB512HAJQ-000L7"},
      {"KINGSTON SA400S37240G", "金士顿", "SA400S37240G"},
      {"CT500MX500SSD1", "英睿达", "CT500MX500SSD1"},
      {"SK hynix BC711 HFM256GD3JX013N", "海力士", "BC711 HFM256GD3JX013N"},
      {"HFS256GD9TNG-62A0A", "海力士", "HFS256GD9TNG-62A0A"},
      {"HGST HTS545032A7E380", "日立", "HTS545032A7E380"},
      {"SanDisk Ultra", "闪迪", "Ultra"},
      {"SanDiskUltra", "", "SanDiskUltra"},                     // a word must end
      {"Generic Flash Disk", "", "Generic Flash Disk"},
      {"HP", "惠普", ""},
      {"", "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const StorageMaker maker = FindStorageMaker(c.name);
    EXPECT_EQ(U8(maker.brand), U8(c.brand)) << c.name;
    EXPECT_EQ(maker.model, c.model) << c.name;
  }
}

TEST(StorageIdsDescribe, InterfaceAndKind) {
  const StorageId sata = *ParseStorageId("SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0");
  const StorageId nvme = *ParseStorageId("SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q");
  const StorageId ssd = *ParseStorageId("SCSI\\DiskSamsung_SSD_860_EVO_250GRVT0");
  const StorageId stick = *ParseStorageId("USBSTOR\\DiskSanDisk_Ultra___________1.00");
  const StorageId kingston = *ParseStorageId("SCSI\\DiskKINGSTONSA400S37240G____SBFK");
  const DriveIdentity kSeekless = Identity("", "KINGSTON SA400S37240G", "", DriveBus::kSata, true);
  const DriveIdentity kSpinning = Identity("", "WDC WD10EZEX-08WN4A0", "", DriveBus::kSata, false);
  const DriveIdentity kRaid = Identity("", "Samsung SSD 970 EVO Plus 500GB", "", DriveBus::kRaid);
  const DriveIdentity kUasp = Identity("", "WDC WD10EZEX-08WN4A0", "", DriveBus::kUsb, false);
  const DriveIdentity kVirtual = Identity("", "WDC WD10EZEX-08WN4A0", "", DriveBus::kOther);
  // clang-format off
  struct { const StorageId* id; const DriveIdentity* identity; const char* brand; const char* model;
           const char* interface; bool solid; } kCases[] = {
      {&sata, nullptr, "西部数据", "WD10EZEX-08WN4A0", "SATA", false},
      {&nvme, nullptr, "三星", "SSD 970", "NVMe", true},          // NVMe drives are solid state
      {&ssd, nullptr, "三星", "SSD 860 EVO 250G", "SATA", true},   // the name says so
      {&stick, nullptr, "闪迪", "Ultra", "USB", false},
      {&kingston, nullptr, "金士顿", "SA400S37240G", "SATA", false},
      {&kingston, &kSeekless, "金士顿", "SA400S37240G", "SATA", true},  // no seek penalty
      {&sata, &kSpinning, "西部数据", "WD10EZEX-08WN4A0", "SATA", false},
      {&nvme, &kRaid, "三星", "SSD 970 EVO Plus 500GB", "NVMe", true},  // a RAID volume: the identifier's bus
      {&sata, &kUasp, "西部数据", "WD10EZEX-08WN4A0", "USB", false},
      {&sata, &kVirtual, "西部数据", "WD10EZEX-08WN4A0", "", false},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const StorageDescription d = DescribeStorage(*c.id, c.identity);
    EXPECT_EQ(U8(d.brand), U8(c.brand)) << c.model;
    EXPECT_EQ(d.model, c.model);
    EXPECT_EQ(d.interface, c.interface) << c.model;
    EXPECT_EQ(d.solidState, c.solid) << c.model;
  }
}

TEST_F(StorageIds, TodaysDisksInTheDiskBlock) {
  const DriveIdentity nvme = Identity("", "Samsung SSD 970 EVO Plus 500GB", "", DriveBus::kNvme, true);
  const DriveIdentity hdd = Identity("", "WDC WD10EZEX-08WN4A0", "", DriveBus::kSata, false);
  const DriveIdentity ssd = Identity("", "KINGSTON SA400S37240G", "", DriveBus::kSata, true);
  const DriveIdentity other = Identity("", "ST2000DM001-1ER164", "", DriveBus::kSata, false);
  SetDrive(0, 500107862016u, &nvme);
  SetDrive(1, 1000204886016u, &hdd);
  SetDrive(2, 240057409536u, &ssd);
  SetDrive(3, 2000398934016u, &other);  // not the device asking for it: the identifier's own name
  AnalyseHardDisks({{"SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q", 1},
                    {"SCSI\\DiskWDC_____WD10EZEX-08WN4A001.0", 2},
                    {"SCSI\\DiskKINGSTONSA400S37240G____SBFK", 3},
                    {"SCSI\\DiskTOSHIBA_DT01ACA100______MS2O", 4}});
  // No estimate: the price table is for the serial and parallel disks of the makers' table. The
  // Toshiba disk is the makers' table's (its "TOSHIBA_" prefix) and keeps that table's output.
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\n硬盘:三星 500G \r\n型号:SSD 970 EVO Plus 500GB 类型:固态硬盘 接口:NVMe\r\n"
               "西部数据 1000G \r\n型号:WD10EZEX-08WN4A0 接口:SATA\r\n"
               "金士顿 240G \r\n型号:SA400S37240G 类型:固态硬盘 接口:SATA\r\n"
               "东芝 2000G \r\n型号:DT01ACA100\r\n"
               "\r\n硬盘总数:4个"));
  EXPECT_NE(detailRows.find("SCSI\\DiskNVMe____Samsung_SSD_970_2B2Q"), std::string::npos);
}

TEST_F(StorageIds, TodaysSticksInTheUsbBlock) {
  const DriveIdentity ultra = Identity("SanDisk", "Ultra", "4C530001230101115371", DriveBus::kUsb);
  SetDrive(0, 30765219840u, &ultra);
  SetDrive(1, 16008609792u);
  SetDrive(2, 8004304896u);
  AnalyseUsbStorage({{"USBSTOR\\DiskSanDisk_Ultra___________1.00", 1},
                     {"USBSTOR\\DiskVerbatimSTORE_N_GO______1100", 2},
                     {"USBSTOR\\DiskGeneric_Flash_Disk_____8.07", 3}});  // no maker known: as before
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\nU盘:闪迪30.8G\r\n 型号:Ultra威宝16.0G\r\n 型号:STORE N GO8.0G\r\n"
                                " 型号:Generic_Flash_Disk\r\nU盘总数:3个"));
}

}  // namespace
