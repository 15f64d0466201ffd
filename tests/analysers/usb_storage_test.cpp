// The USB storage analyser: its own brand table, the one-decimal size, the stop rule and the block.
#include "analysers/usb_storage.h"

#include <gtest/gtest.h>

#include "platform/drives.h"
#include "tests/test_support.h"

namespace {

class UsbStorage : public ::testing::Test {
 protected:
  void SetUp() override { ClearDriveGeometries(); }
  void TearDown() override { ClearDriveGeometries(); }
};

// Drive i gets bytes[i] (0: no drive); the entries are numbered 1, 2, ...
void Analyse(const std::vector<const char*>& ids, const std::vector<uint64_t>& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] > 0) SetDriveGeometry("\\\\.\\PHYSICALDRIVE" + std::to_string(i), GeometryForCapacity(bytes[i]));
  }
  std::vector<DiskEntry> entries;
  for (size_t i = 0; i < ids.size(); ++i) entries.push_back({ids[i], static_cast<int32_t>(i + 1)});
  AnalyseUsbStorage(entries);
}

TEST_F(UsbStorage, KingstonStickByteForByte) {
  Analyse({"USBSTOR\\DiskKingston_DataTraveler_2.0_PMAP"}, {4004511744u});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\nU盘:金士顿4.0G\r\n 型号:_DataTraveler_2.0_PMAP"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">U盘:</span></td><td><span class=\"name\">金士顿 4.0G </span>"
               "</br><span class=\"age\">型号:</span><span class=\"agevol\">_DataTraveler_2.0_PMAP</span></br></td></tr>"));
  EXPECT_EQ(U8(detailRows),
            U8("<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>U盘</b></small></td>"
               "<td valign=\"center\"><small><font color=\"#0000A0\">USBSTOR\\DiskKingston_DataTraveler_2.0_PMAP"
               "</font></small></td></tr>"));
}

TEST_F(UsbStorage, BrandTable) {
  // clang-format off
  struct { const char* id; const char* brand; const char* model; } kCases[] = {
      {"USBSTOR\\DiskWDC_WD5000BEVT", "西部数据", "WD5000BEVT"},
      {"USBSTOR\\DiskMAXTOR_OneTouch", "迈拓", "OneTouch"},
      {"USBSTOR\\DiskST950032_5AS", "希捷", "ST950032_5AS"},
      {"USBSTOR\\DiskHDT72505", "日立", "HDT72505"},
      {"USBSTOR\\DiskTOSHIBA_External_USB_3.0", "东芝", "External_USB_3.0"},
      {"USBSTOR\\DiskFUJITSU_MHV2080BH", "富士通", "MHV2080BH"},
      {"USBSTOR\\DiskKingstonDT_101_G2", "金士顿", "DT_101_G2"},
      {"USBSTOR\\DiskKINGSTON_DT_101", "", "KINGSTON_DT_101"},  // upper case is not this table's Kingston
      {"USBSTOR\\DiskINTEL_SSD", "", "INTEL_SSD"},
      {"USBSTOR\\DiskVerbatimSTORE_N_GO______1100", "威宝", "STORE N GO"},  // padded fields: a maker after the table
      {"USBSTOR\\DiskGeneric_Flash_Disk_____8.07", "", "Generic_Flash_Disk"},  // no maker known: the table's model
      {"USBSTOR\\DiskSSD_X", "", "SSD_X"},  // no solid-state test here
      {"USBXYZW", "", "XYZW"},              // no "Disk": from the fourth character on
      {"USB", "", ""},
      {"US", "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    Analyse({c.id}, {8000000000u});
    EXPECT_EQ(U8(summaryText), U8(std::string("\r\n\r\nU盘:") + c.brand + "8.0G\r\n 型号:" + c.model)) << c.id;
  }
}

TEST_F(UsbStorage, SizeHasOneDecimal) {
  // clang-format off
  struct { uint64_t bytes; const char* size; } kCases[] = {
      {1250000000u, "1.3"},   // 1250 x 0.001f in double is 1.25000006, which rounds up
      {1000000000u, "1.0"},   {1999999999u, "2.0"},  // 1999 MB
      {4004511744u, "4.0"},   {15931539456u, "15.9"}, {31914983424u, "31.9"},
      {64023257088u, "64.0"}, {2000398934016u, "2000.4"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    ClearDriveGeometries();
    Analyse({"USBSTOR\\DiskGeneric_Flash_Disk"}, {c.bytes});
    EXPECT_EQ(U8(summaryText), U8(std::string("\r\n\r\nU盘:") + c.size + "G\r\n 型号:Generic_Flash_Disk")) << c.bytes;
  }
}

TEST_F(UsbStorage, SmallOrMissingStickEndsTheListing) {
  Analyse({"USBSTOR\\DiskGeneric_512M"}, {512000000u});  // 0.5: no block at all
  EXPECT_EQ(summaryText + summaryHtml, "");
  EXPECT_NE(detailRows, "");
  ResetScanTexts();
  ClearDriveGeometries();
  Analyse({"USBSTOR\\DiskGeneric_Card_Reader"}, {});
  EXPECT_EQ(summaryText + summaryHtml, "");
  ResetScanTexts();
  ClearDriveGeometries();
  Analyse({"USBSTOR\\DiskKingstonA", "USBSTOR\\DiskGeneric_Card_Reader", "USBSTOR\\DiskKingstonC"},
          {2000000000u, 0, 4000000000u});
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\nU盘:金士顿2.0G\r\n 型号:A"));
  EXPECT_EQ(summaryHtml.substr(summaryHtml.size() - 22), "</span></br></td></tr>");
  EXPECT_EQ(detailRows.find("KingstonC"), std::string::npos);
}

TEST_F(UsbStorage, TwoSticksGiveTheCount) {
  Analyse({"USBSTOR\\DiskKingstonDataTraveler_G3", "USBSTOR\\DiskSanDisk_Cruzer_Blade__1.26"},
          {7759462400u, 16008609792u});
  EXPECT_EQ(U8(summaryText),
            U8("\r\n\r\nU盘:金士顿7.8G\r\n 型号:DataTraveler_G316.0G\r\n 型号:SanDisk_Cruzer_Blade\r\nU盘总数:2个"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">U盘:</span></td><td>"
               "<span class=\"name\">金士顿 7.8G </span></br><span class=\"age\">型号:</span>"
               "<span class=\"agevol\">DataTraveler_G3</span></br>"
               "<span class=\"name\"> 16.0G </span></br><span class=\"age\">型号:</span>"
               "<span class=\"agevol\">SanDisk_Cruzer_Blade</span></br>"
               "<span class=\"ap\"><b>U盘总数:</b></span><span class=\"apvol\">2个</span></td></tr>"));
}

TEST_F(UsbStorage, EmptyListWritesNothing) {
  AnalyseUsbStorage({});
  EXPECT_EQ(summaryText + summaryHtml + detailRows, "");
}

TEST_F(UsbStorage, ModelIsEscapedInThePage) {
  Analyse({"USBSTOR\\DiskAT&T_<Stick>"}, {2000000000u});
  EXPECT_EQ(summaryText, "\r\n\r\nU盘:2.0G\r\n 型号:AT&T_<Stick>");
  EXPECT_NE(summaryHtml.find("AT&amp;T_&lt;Stick&gt;"), std::string::npos);
  EXPECT_NE(detailRows.find("AT&amp;T_&lt;Stick&gt;"), std::string::npos);
}

}  // namespace
