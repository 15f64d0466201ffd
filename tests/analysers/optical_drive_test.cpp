// The optical drive analyser: vendor table, burner markers, the fixed estimate and the count.
#include "analysers/optical_drive.h"

#include <gtest/gtest.h>

#include "scan/records.h"
#include "tests/test_support.h"

namespace {

TEST(OpticalDrive, SamsungDriveByteForByte) {
  AnalyseOpticalDrive("IDE\\CdRomTSSTcorp_CDDVDW_SH-S223C________________SB01____");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n光驱:三星 TSSTcorp CDDVDW SH-S223C\r\n 二手估价:30"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">光驱:</span></td><td><span class=\"name\">"
               "三星 TSSTcorp CDDVDW SH-S223C</span></br><span class=\"ap\"> 二手估价:</span>"
               "<span class=\"apvol\">30</span></td></tr>"));
  EXPECT_EQ(U8(detailRows),
            U8("<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>光驱</b></small></td>"
               "<td valign=\"center\"><small><font color=\"#0000A0\">"
               "IDE\\CdRomTSSTcorp_CDDVDW_SH-S223C________________SB01____</font></small></td></tr>"));
}

TEST(OpticalDrive, BurnerByteForByte) {
  AnalyseOpticalDrive("IDE\\CdRomHL-DT-ST_DVDRAM_GH22NS50______________TN02____");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n光驱:日立LG HL-DT-ST DVDRAM GH22NS50\r\n 二手估价:30"));
  ResetScanTexts();
  AnalyseOpticalDrive("IDE\\CdRomPIONEER_DVD-RW__DVR-220L");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n光驱:先锋 PIONEER DVD-RW\r\n功能:刻录 二手估价:30"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">光驱:</span></td><td><span class=\"name\">"
               "先锋 PIONEER DVD-RW</span></br><span class=\"age\">功能:</span><span class=\"agevol\">刻录</span>"
               "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">30</span></td></tr>"));
}

TEST(OpticalDrive, VendorsAndMarkers) {
  // clang-format off
  struct { const char* id; const char* brand; const char* model; bool burner; } kCases[] = {
      {"IDE\\CdRomSONY_DVD_RW_DRU-840A", "索尼", "SONY DVD RW DRU-840A", true},  // "_RW_"
      {"IDE\\CdRomHL-DT-ST_DVD-ROM_GDR8164B", "日立LG", "HL-DT-ST DVD-ROM GDR8164B", false},
      {"IDE\\CdRomASUS_DRW-24B1ST___", "华硕", "ASUS DRW-24B1ST", true},
      {"SCSI\\CdRomTSSTcorpDVD+-RW_SU-208BBD300", "", "TSSTcorpDVD+-RW SU-208BBD300", true},  // no "_" after the vendor
      {"IDE\\CdRomPIONEER_BD-ROM_BDC-202", "先锋", "PIONEER BD-ROM BDC-202", false},
      {"IDE\\CdRomSAMSUNG_DVD-ROM_SD-608__________________2.2_____", "三星", "SAMSUNG DVD-ROM SD-608", false},
      {"IDE\\CdRomBENQ_DVD_DD_DW1640", "明基", "BENQ DVD DD DW1640", false},
      {"IDE\\CdRomTECLAST_DVDRW_X1", "台电", "TECLAST DVDRW X1", true},  // "DRW"
      {"IDE\\CdRomOEM_TECLAST_SONY_", "索尼", "OEM TECLAST SONY ", false},  // the table order decides
      {"IDE\\CdRomVBOX_CD-ROM_____________________________1.0_____", "", "VBOX CD-ROM", false},
      {"IDE\\CdRomsony_dvd", "", "sony dvd", false},
      {"ABCDEFGH", "", "EFGH", false},  // no "CdRom": from the fifth character on
      {"ABCD", "", "", false},
      {"ABC", "", "", false},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    AnalyseOpticalDrive(c.id);
    const std::string expected = std::string("\r\n\r\n光驱:") + c.brand + " " + c.model + "\r\n" +
                                 (c.burner ? "功能:刻录" : "") + " 二手估价:30";
    EXPECT_EQ(U8(summaryText), U8(expected)) << c.id;
  }
}

TEST(OpticalDrive, TwoDrivesTwoBlocks) {
  AnalyseOpticalDrive("IDE\\CdRomTSSTcorp_CDDVDW_SH-S223C");
  AnalyseOpticalDrive("IDE\\CdRomXYZ_DVD");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n光驱:三星 TSSTcorp CDDVDW SH-S223C\r\n 二手估价:30\r\n\r\n光驱: XYZ DVD\r\n 二手估价:30"));
}

TEST(OpticalDrive, ModelIsEscapedInThePage) {
  AnalyseOpticalDrive("IDE\\CdRomAT&T_<DVD>");
  EXPECT_EQ(summaryText, "\r\n\r\n光驱: AT&T <DVD>\r\n 二手估价:30");
  EXPECT_NE(summaryHtml.find("<span class=\"name\"> AT&amp;T &lt;DVD&gt;</span>"), std::string::npos);
  EXPECT_NE(detailRows.find("IDE\\CdRomAT&amp;T_&lt;DVD&gt;"), std::string::npos);
}

}  // namespace
