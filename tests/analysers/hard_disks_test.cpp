// The hard disk analyser: brand table, model-number rules, price ranges and the block it writes.
#include "analysers/hard_disks.h"

#include <gtest/gtest.h>

#include "platform/drives.h"
#include "tests/test_support.h"

namespace {

constexpr const char* kDrive0 = "\\\\.\\PHYSICALDRIVE0";
constexpr const char* kDrive1 = "\\\\.\\PHYSICALDRIVE1";

class HardDisks : public ::testing::Test {
 protected:
  void SetUp() override { ClearDriveGeometries(); }
  void TearDown() override { ClearDriveGeometries(); }
};

void SetGigabytes(const char* drive, uint64_t gigabytes) {
  SetDriveGeometry(drive, GeometryForCapacity(gigabytes * 1000000000u));
}

// The model-number rules by the makers' names.
constexpr DiskCodes kMaxtor = DiskCodes::kMaxtor;
constexpr DiskCodes kSeagate = DiskCodes::kSeagate;
constexpr DiskCodes kWd = DiskCodes::kWesternDigital;
constexpr DiskCodes kHitachi = DiskCodes::kHitachi;
constexpr DiskCodes kNoRule = DiskCodes::kNone;

// DecodeDiskModel of a brand with the given rule on drive 0 of the given size (0: no drive).
DiskInfo Decode(DiskCodes codes, const char* model, uint64_t gigabytes) {
  ClearDriveGeometries();
  if (gigabytes > 0) SetGigabytes(kDrive0, gigabytes);
  DiskInfo info;
  info.brand = "x";
  info.codes = codes;
  DecodeDiskModel(info, model, 1);
  return info;
}

TEST_F(HardDisks, QueryDriveGeometryAsksDriveNumberMinusOne) {
  SetDriveGeometry("\\\\.\\PHYSICALDRIVE2", {7, 12, 1, 1, 512});
  SetDriveGeometry("\\\\.\\PHYSICALDRIVE-1", {9, 12, 1, 1, 512});
  DriveGeometry g;
  EXPECT_TRUE(QueryDriveGeometry(g, 3));
  EXPECT_EQ(g.cylinders, 7u);
  EXPECT_FALSE(QueryDriveGeometry(g, 2));
  EXPECT_FALSE(QueryDriveGeometry(g, 0));  // an unknown number asks no drive, not "-1"
  EXPECT_FALSE(QueryDriveGeometry(g, -5));
}

TEST_F(HardDisks, DrivePathsAndCapacities) {
  EXPECT_EQ(PhysicalDrivePath(0), kDrive0);
  EXPECT_EQ(PhysicalDrivePath(40), "\\\\.\\PHYSICALDRIVE40");
  EXPECT_EQ(GeometryBytes({60801, 12, 255, 63, 512}), 500105249280u);
  for (uint64_t bytes : {0ull, 1ull, 4004511744ull, 500107862016ull, 9223372036854775808ull}) {
    EXPECT_EQ(GeometryBytes(GeometryForCapacity(bytes)), bytes) << bytes;
  }
}

TEST_F(HardDisks, SizeIsDecimalGigabytesOfTheGeometry) {
  SetDriveGeometry(kDrive0, {60801, 12, 255, 63, 512});  // 500,105,249,280 bytes
  DiskInfo info;
  DecodeDiskModel(info, "anything", 1);
  EXPECT_EQ(info.size, "500");
  EXPECT_EQ(info.price, "");  // no brand: nothing decoded, no price
  SetDriveGeometry(kDrive0, {1, 12, 1, 1, 999999999});
  DiskInfo small;
  DecodeDiskModel(small, "x", 1);
  EXPECT_EQ(small.size, "0");
  DiskInfo none;
  DecodeDiskModel(none, "x", 2);
  EXPECT_EQ(none.size, "");
}

TEST_F(HardDisks, BrandRules) {
  // clang-format off
  struct { DiskCodes codes; const char* model; const char* cache; const char* interface; const char* rotation; } kCases[] = {
      // Maxtor: serial when the model ends in S, cache code at length - 5.
      {kMaxtor, "6L250S0", "2M", "并口", ""},
      {kMaxtor, "6H500F0", "32M", "并口", ""},
      {kMaxtor, "6B600M0", "16M", "并口", ""},
      {kMaxtor, "6B800M0", "8M", "并口", ""},
      {kMaxtor, "6V300F0", "3", "并口", ""},     // an unknown code is shown as it is
      {kMaxtor, "7V250F0S", "32M", "串口", ""},  // position 3 of 8
      {kMaxtor, "6L250S", "", "", ""},          // length 6 is too short
      // Seagate: no "-" and longer than 10.
      {kSeagate, "ST3500418AS", "16M", "串口", ""},
      {kSeagate, "ST31000528AS", "32M", "串口", ""},
      {kSeagate, "ST3250620NS", "64M", "串口", ""},
      {kSeagate, "ST3160815AS", "8M", "串口", ""},
      {kSeagate, "ST31600210A", "", "并口", ""},  // code 0 leaves the cache empty
      {kSeagate, "ST2000DM001-1CH164", "", "", ""},
      {kSeagate, "ST3160815A", "", "", ""},       // length 10 is too short
      // Western Digital: the two letters before the first "-".
      {kWd, "WD5000AAKS-00V1A0", "16MB", "串口", "7200转"},
      {kWd, "WD1600JB", "8MB", "并口", "7200转"},
      {kWd, "WD1002FAEX-00Z3A0", "", "串口", "E"},  // an unknown letter stays
      {kWd, "WD1000FYYG", "", "SAS", "7200转"},
      {kWd, "WD", "", "串口", "W"},
      {kWd, "W", "", "", ""},            // too short for two letters
      {kWd, "-WDJS", "", "", ""},
      // Hitachi: longer than 14; cache at length - 2, interface at - 4, rotation at - 12.
      {kHitachi, "HDS721050CLA362", "16M", "串口", "7200转 "},
      {kHitachi, "HDT725025VLAT80", "8M", "并口", "7200转 "},
      {kHitachi, "HDS541010KLA330", "3", "串口", "5400转 "},  // a "3" stays "3"
      {kHitachi, "HDX123456789012", "1", "90", "12"},
      {kHitachi, "HDS72105CLA362", "", "", ""},  // length 14 is too short
      // Brands without a numbering rule.
      {kNoRule, "MK3252GSX", "", "", ""},
      {kNoRule, "MHV2080AH", "", "", ""},
      {kNoRule, "SV300S37A120G", "", "", ""},
      {kNoRule, "SSDSA2M080G2GC", "", "", ""},
      {kNoRule, "Richdisk", "", "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const DiskInfo info = Decode(c.codes, c.model, 0);
    EXPECT_EQ(U8(info.cache), U8(c.cache)) << c.model;
    EXPECT_EQ(U8(info.interface), U8(c.interface)) << c.model;
    EXPECT_EQ(U8(info.rotation), U8(c.rotation)) << c.model;
  }
}

TEST_F(HardDisks, WesternDigitalLetters) {
  // clang-format off
  struct { const char* letters; const char* rotation; const char* cache; const char* interface; } kCases[] = {
      {"AS", "5400转", "2MB", "串口"},   {"BD", "7200转", "2MB", "串口"},  {"CT", "5400转", "16MB", "串口"},
      {"DX", "5400转", "32MB", "串口"},  {"FA", "10000转", "16MB", "并口"}, {"GB", "10000转", "8MB", "并口"},
      {"JC", "7200转", "8MB", "并口"},   {"KE", "7200转", "16MB", "并口"}, {"LF", "7200转", "32MB", "SAS"},
      {"VG", "5400转", "8MB", "SAS"},    {"RS", "5400转", "64MB", "串口"}, {"YS", "7200转", "", "串口"},
      {"EZ", "E", "", "Z"},              {"sa", "s", "", "a"},            // lower case is not a code
  };
  // clang-format on
  for (const auto& c : kCases) {
    DiskInfo info;
    DecodeWdCodes(info, c.letters[0], c.letters[1]);
    EXPECT_EQ(U8(info.rotation), U8(c.rotation)) << c.letters;
    EXPECT_EQ(U8(info.cache), U8(c.cache)) << c.letters;
    EXPECT_EQ(U8(info.interface), U8(c.interface)) << c.letters;
  }
}

TEST_F(HardDisks, PriceRangesOnBothInterfaces) {
  // clang-format off
  struct { uint64_t gigabytes; const char* serial; const char* parallel; } kCases[] = {
      {1, "", ""},         {2, "30", "20"},       {69, "30", "20"},      {70, "", ""},
      {71, "80", "60"},    {84, "80", "60"},      {85, "", "60"},        {88, "", "60"},
      {89, "", "60"},      {90, "", ""},          {100, "", ""},         {150, "", ""},
      {151, "150", "120"}, {169, "150", "120"},   {170, "", ""},         {240, "", ""},
      {241, "180", "150"}, {250, "180", "150"},   {259, "180", "150"},   {260, "", ""},
      {310, "", ""},       {311, "200", "180"},   {329, "200", "180"},   {330, "", ""},
      {490, "", ""},       {491, "250", "220"},   {809, "250", "220"},   {810, "", ""},
      {900, "", ""},       {901, "350", "280"},   {1099, "350", "280"},  {1100, "", ""},
      {1400, "", ""},      {1401, "400", "350"},  {1599, "400", "350"},  {1600, "", ""},
      {1900, "", ""},      {1901, "450", "400"},  {2099, "450", "400"},  {2100, "", ""},
      {2900, "", ""},      {2901, "450", ""},     {3099, "450", ""},     {3100, "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(Decode(kSeagate, "ST3500418AS", c.gigabytes).price, c.serial) << c.gigabytes << " GB serial";
    EXPECT_EQ(Decode(kSeagate, "ST3500418AA", c.gigabytes).price, c.parallel) << c.gigabytes << " GB parallel";
  }
  EXPECT_EQ(Decode(kWd, "WD2500YS", 250).price, "180");
  EXPECT_EQ(Decode(kWd, "WD1000FYYG", 1000).price, "");  // SAS has no price
  EXPECT_EQ(Decode(kNoRule, "MK3252GSX", 320).price, "");        // no interface, no price
  EXPECT_EQ(Decode(kSeagate, "ST3500418AS", 0).price, "");        // no drive
}

// Runs the analyser on identifiers with the given sizes on drives 0, 1, ... (0 GB: no drive).
void Analyse(std::vector<DiskEntry> entries, std::vector<uint64_t> gigabytes) {
  ClearDriveGeometries();
  for (size_t i = 0; i < gigabytes.size(); ++i) {
    if (gigabytes[i] > 0) SetGigabytes(("\\\\.\\PHYSICALDRIVE" + std::to_string(i)).c_str(), gigabytes[i]);
  }
  AnalyseHardDisks(entries);
}

TEST_F(HardDisks, WorkedExampleByteForByte) {
  SetDriveGeometry(kDrive0, {60801, 12, 255, 63, 512});
  std::vector<DiskEntry> entries = {{"IDE\\DiskWDC_WD5000AAKS-00V1A0______________________01.03B01", 1}};
  AnalyseHardDisks(entries);
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\n硬盘:西部数据 500G \r\n型号:WD5000AAKS-00V1A0 接口:串口 转速:7200转 缓存:16MB二手估价:250\r\n"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">硬盘:</span></td><td><span class=\"name\">西部数据 500G"
               "</span></br><span class=\"age\">型号:</span><span class=\"agevol\">WD5000AAKS-00V1A0</span>"
               "<span class=\"age\"> 接口:</span><span class=\"agevol\">串口</span>"
               "<span class=\"age\"> 转速:</span><span class=\"agevol\">7200转</span>"
               "<span class=\"age\"> 缓存:</span><span class=\"agevol\">16MB</span>"
               "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">250</span></br></td></tr>"));
  EXPECT_EQ(U8(detailRows),
            U8("<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>硬盘</b></small></td>"
               "<td valign=\"center\"><small><font color=\"#0000A0\">"
               "IDE\\DiskWDC_WD5000AAKS-00V1A0______________________01.03B01</font></small></td></tr>"));
}

TEST_F(HardDisks, BrandPrefixesAndTypes) {
  // clang-format off
  struct { const char* id; const char* brand; const char* model; const char* type; } kCases[] = {
      {"IDE\\DiskWDC_WD800JB-00JJC0", "西部数据", "WD800JB-00JJC0", ""},
      {"IDE\\DiskMAXTOR_6L250S0", "迈拓", "6L250S0", ""},
      {"IDE\\DiskST3500418AS", "希捷", "ST3500418AS", ""},
      {"IDE\\DiskHDS721050CLA362", "日立", "HDS721050CLA362", ""},
      {"IDE\\DiskTOSHIBA_MK3252GSX", "东芝", "MK3252GSX", ""},
      {"IDE\\DiskFUJITSU_MHV2080AH", "富士通", "MHV2080AH", ""},
      {"SCSI\\DiskKINGSTON_SV300S37A120G", "金士顿", "SV300S37A120G", ""},
      {"IDE\\DiskINTEL_SSDSA2M080G2GC", "英特尔", "SSDSA2M080G2GC", "固态硬盘"},
      {"IDE\\DiskSSD_128G", "", "SSD_128G", "固态硬盘"},
      {"IDE\\DiskvDisk_01", "", "vDisk_01", "虚拟盘"},
      {"IDE\\DiskRichdisk_v2", "锐起", "Richdisk_v2", "虚拟盘"},
      {"IDE\\VxpDisk_Virtual", "", "_Virtual", "虚拟盘"},  // "VxpDisk_" alone makes it virtual
      // Today's SATA identifier (padded vendor and product fields): the makers' table finds no brand
      // in "WDC", so the fields are read and the maker found by its word.
      {"SCSI\\DiskWDC_____WD10EZEX-00BN5A001.0", "西部数据", "WD10EZEX-00BN5A0", ""},
      {"IDE\\Diskwdc_wd800", "", "wdc_wd800", ""},                  // prefixes are case-sensitive
      {"ABCDEFG", "", "DEFG", ""},  // no "Disk": from the fourth character on
      {"ABC", "", "", ""},
      {"AB", "", "", ""},
      {"", "", "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    SetGigabytes(kDrive0, 250);
    std::vector<DiskEntry> entries = {{c.id, 1}};
    AnalyseHardDisks(entries);
    const std::string head = "\r\n\r\n硬盘:" + std::string(c.brand) + " 250G \r\n型号:" + c.model;
    EXPECT_EQ(U8(summaryText.substr(0, head.size())), U8(head)) << c.id;
    const std::string type = *c.type ? std::string(" 类型:") + c.type : std::string();
    EXPECT_EQ(summaryText.find(" 类型:") == std::string::npos, type.empty()) << c.id;
    if (!type.empty()) {
      EXPECT_NE(summaryText.find(type), std::string::npos) << c.id;
    }
  }
}

TEST_F(HardDisks, VirtualDiskShowsNoPrice) {
  Analyse({{"SCSI\\VxpDisk_ST3500418AS", 1}}, {500});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘: 500G \r\n型号:_ST3500418AS 类型:虚拟盘\r\n"));
  ResetScanTexts();
  Analyse({{"IDE\\DiskST3500418AS__VxpDisk_", 1}}, {500});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘:希捷 500G \r\n型号:ST3500418AS 类型:虚拟盘 接口:串口 缓存:16M\r\n"));
}

TEST_F(HardDisks, RichdiskBehindAMakersPrefixDecodesNothing) {
  Analyse({{"IDE\\DiskWDC_Richdisk_7200AAKS", 1}}, {250});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘:锐起 250G \r\n型号:Richdisk_7200AAKS 类型:虚拟盘\r\n"));
}

TEST_F(HardDisks, SolidStateAndUnknownBrand) {
  Analyse({{"IDE\\DiskINTEL_SSDSA2M080G2GC____2CV102HD", 1}}, {80});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘:英特尔 80G \r\n型号:SSDSA2M080G2GC 类型:固态硬盘\r\n"));
  ResetScanTexts();
  Analyse({{"IDE\\DiskSAMSUNG_HD502HJ", 1}}, {500});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘: 500G \r\n型号:SAMSUNG_HD502HJ\r\n"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">硬盘:</span></td><td><span class=\"name\"> 500G</span></br>"
               "<span class=\"age\">型号:</span><span class=\"agevol\">SAMSUNG_HD502HJ</span></br></td></tr>"));
}

TEST_F(HardDisks, TwoDisksGiveTheCount) {
  Analyse({{"IDE\\DiskST3500418AS", 1}, {"IDE\\DiskMAXTOR_6L250S0", 2}}, {500, 250});
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\n硬盘:希捷 500G \r\n型号:ST3500418AS 接口:串口 缓存:16M二手估价:250\r\n"
               "迈拓 250G \r\n型号:6L250S0 接口:并口 缓存:2M二手估价:150\r\n\r\n硬盘总数:2个"));
  const std::string tail = "</br><span class=\"ap\"><b>硬盘总数:</b></span><span class=\"apvol\">2个</span></td></tr>";
  EXPECT_EQ(U8(summaryHtml.substr(summaryHtml.size() - tail.size())), U8(tail));
}

TEST_F(HardDisks, DiskWithoutSizeEndsTheListing) {
  Analyse({{"IDE\\DiskST3500418AS", 1}, {"IDE\\DiskST3250620NS", 2}, {"IDE\\DiskST3160815AS", 3}}, {500, 0, 160});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘:希捷 500G \r\n型号:ST3500418AS 接口:串口 缓存:16M二手估价:250\r\n"));
  EXPECT_EQ(summaryHtml.find("硬盘总数"), std::string::npos);
  EXPECT_EQ(summaryHtml.substr(summaryHtml.size() - 15), "</br></td></tr>");
  EXPECT_EQ(detailRows.find("ST3160815AS"), std::string::npos);  // the listing stopped before it
  EXPECT_NE(detailRows.find("ST3250620NS"), std::string::npos);
}

TEST_F(HardDisks, NothingListedWithoutSizes) {
  Analyse({{"IDE\\DiskST3500418AS", 0}}, {500});  // number 0: the drive is unknown
  EXPECT_EQ(summaryText, "");
  EXPECT_EQ(summaryHtml, "");
  EXPECT_NE(detailRows, "");
  ResetScanTexts();
  Analyse({{"IDE\\DiskST3500418AS", 1}}, {});  // no such drive
  EXPECT_EQ(summaryHtml, "");
  SetDriveGeometry(kDrive0, {1, 12, 1, 1, 999999999});  // under 1 GB
  std::vector<DiskEntry> small = {{"IDE\\DiskST3500418AS", 1}};
  AnalyseHardDisks(small);
  EXPECT_EQ(summaryHtml, "");
  ResetScanTexts();
  std::vector<DiskEntry> none;
  AnalyseHardDisks(none);
  EXPECT_EQ(summaryText + summaryHtml + detailRows, "");
}

TEST_F(HardDisks, RegistryTextIsEscapedInThePagesOnly) {
  Analyse({{"SCSI\\DiskAT&T_<x>", 1}}, {100});
  EXPECT_EQ(summaryText, "\r\n\r\n硬盘: 100G \r\n型号:AT&T_<x>\r\n");
  EXPECT_NE(summaryHtml.find("<span class=\"agevol\">AT&amp;T_&lt;x&gt;</span>"), std::string::npos);
  EXPECT_NE(detailRows.find(">SCSI\\DiskAT&amp;T_&lt;x&gt;</font>"), std::string::npos);
}

TEST_F(HardDisks, HitachiUndecodedCodesAreEscaped) {
  Analyse({{"IDE\\DiskHDS72<>50CL&&62", 1}}, {500});
  EXPECT_NE(summaryHtml.find("<span class=\"age\"> 接口:</span><span class=\"agevol\">&amp;&amp;</span>"),
            std::string::npos);
  EXPECT_NE(summaryHtml.find("HDS72&lt;&gt;50CL&amp;&amp;62"), std::string::npos);
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n硬盘:日立 500G \r\n型号:HDS72<>50CL&&62 接口:&& 转速:7200转  缓存:16M\r\n"));
}

}  // namespace
