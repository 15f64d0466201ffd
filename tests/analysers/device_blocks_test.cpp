// The sound, network and monitor analysers: maker tables, quality, speed and type words, the
// resolution, and their blocks byte for byte.
#include <gtest/gtest.h>

#include "analysers/monitor.h"
#include "analysers/network.h"
#include "analysers/sound.h"
#include "platform/display.h"
#include "scan/records.h"
#include "tests/test_support.h"

namespace {

TEST(Sound, RealtekByteForByte) {
  AnalyseSound("Realtek High Definition Audio");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n声卡:Realtek High Definition Audio\r\n品牌:瑞昱 音质:高保真"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">声卡:</span></td><td><span class=\"name\">"
               "Realtek High Definition Audio</span></br><span class=\"age\">品牌:</span><span class=\"agevol\">瑞昱"
               "</span><span class=\"age\"> 音质:</span><span class=\"agevol\">高保真</span></td></tr>"));
  EXPECT_EQ(detailRows, "");
}

TEST(Sound, MakersLastMatchWins) {
  // clang-format off
  struct { const char* description; const char* maker; bool highDefinition; } kCases[] = {
      {"Realtek AC'97 Audio", "瑞昱", false},
      {"NVIDIA High Definition Audio", "英伟达", true},
      {"NVIDIA HDMI via VIA codec", "威盛", false},  // both words: the later row wins
      {"VIA High Definition Audio", "威盛", true},
      {"Creative SB X-Fi", "创新", false},
      {"Realtek and Creative", "创新", false},
      {"High Definition Audio Device", "", true},
      {"Intel(R) Display Audio", "", false},
      {"realtek high definition audio", "", false},  // case-sensitive
      {"", "", false},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    AnalyseSound(c.description);
    std::string text = std::string("\r\n\r\n声卡:") + c.description + "\r\n";
    if (*c.maker) text += std::string("品牌:") + c.maker;
    if (c.highDefinition) text += " 音质:高保真";
    EXPECT_EQ(U8(summaryText), U8(text)) << c.description;
  }
}

TEST(Sound, PlainDescriptionAndGameport) {
  AnalyseSound("Intel(R) Display Audio");
  EXPECT_EQ(summaryHtml,
            "<tr valign=\"top\"><td><span class=\"type\">声卡:</span></td><td><span class=\"name\">"
            "Intel(R) Display Audio</span></br></td></tr>");
  ResetScanTexts();
  AnalyseSound("Gameport Joystick");
  AnalyseSound("Creative Gameport");
  EXPECT_EQ(summaryText + summaryHtml, "");
}

TEST(Sound, DescriptionIsEscapedInThePage) {
  AnalyseSound("AT&T <x>");
  EXPECT_EQ(summaryText, "\r\n\r\n声卡:AT&T <x>\r\n");
  EXPECT_NE(summaryHtml.find("<span class=\"name\">AT&amp;T &lt;x&gt;</span>"), std::string::npos);
}

TEST(Network, RealtekByteForByte) {
  AnalyseNetwork("Realtek PCIe GBE Family Controller");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n网卡:Realtek PCIe GBE Family Controller\r\n品牌:瑞昱 速度:千兆"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">网卡:</span></td><td><span class=\"name\">"
               "Realtek PCIe GBE Family Controller</span></br><span class=\"age\">品牌:</span>"
               "<span class=\"agevol\">瑞昱</span><span class=\"age\"> 速度:</span><span class=\"agevol\">千兆</span>"
               "</td></tr>"));
}

TEST(Network, MakersFirstMatchWins) {
  // clang-format off
  struct { const char* description; const char* maker; bool wireless; bool gigabit; } kCases[] = {
      {"Broadcom 802.11n Network Adapter", "博通", false, false},
      {"NVIDIA nForce Networking Controller", "英伟达", false, false},
      {"VIA bridge on NVIDIA nForce", "英伟达", false, false},  // both words: the first row wins
      {"VIA Rhine II Fast Ethernet Adapter", "威盛", false, false},
      {"Realtek RTL8168C(P)/8111C(P) Family PCI-E GBE NIC", "瑞昱", false, true},
      {"Intel(R) 82579LM Gigabit Network Connection", "", false, true},
      {"Broadcom NetLink (TM) Gigabit Ethernet", "博通", false, true},
      {"Atheros AR9285 Wireless Network Adapter", "", true, false},
      {"Realtek 8822CE Wireless LAN 802.11ac PCI-E NIC", "瑞昱", true, false},
      {"Wireless 1000 Adapter", "", true, true},
      {"Intel(R) Centrino(R) Advanced-N 6205", "", false, false},
      {"realtek gigabit", "", false, false},  // case-sensitive
      {"Realtek PCIe GbE Family Controller", "瑞昱", false, false},  // "GbE" is not "GBE"
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    AnalyseNetwork(c.description);
    std::string text = std::string("\r\n\r\n网卡:") + c.description + "\r\n";
    if (*c.maker) text += std::string("品牌:") + c.maker;
    if (c.wireless) text += " 类型:无线";
    if (c.gigabit) text += " 速度:千兆";
    EXPECT_EQ(U8(summaryText), U8(text)) << c.description;
  }
}

TEST(Network, TypeBeforeSpeedAndPlainDescription) {
  AnalyseNetwork("Wireless 1000 <AT&T>");
  EXPECT_EQ(summaryHtml,
            "<tr valign=\"top\"><td><span class=\"type\">网卡:</span></td><td><span class=\"name\">"
            "Wireless 1000 &lt;AT&amp;T&gt;</span></br><span class=\"age\"> 类型:</span><span class=\"agevol\">无线"
            "</span><span class=\"age\"> 速度:</span><span class=\"agevol\">千兆</span></td></tr>");
  ResetScanTexts();
  AnalyseNetwork("3Com Fast Ethernet");
  EXPECT_EQ(summaryHtml,
            "<tr valign=\"top\"><td><span class=\"type\">网卡:</span></td><td><span class=\"name\">"
            "3Com Fast Ethernet</span></br></td></tr>");
}

class Monitor : public ::testing::Test {
 protected:
  void SetUp() override { SetDisplayMode({1366, 768, 32}); }
  void TearDown() override { SetDisplayMode({1024, 768, 32}); }
};

TEST_F(Monitor, AcerByteForByte) {
  AnalyseMonitor("ACR01A5");
  EXPECT_EQ(U8(summaryText), U8("\r\n\r\n显示器:ACR01A5\r\n 品牌:宏基 分辨率:1366*768"));
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">显示器:</span></td><td><span class=\"name\">ACR01A5"
               "</span></br><span class=\"age\">品牌:</span><span class=\"agevol\">宏基</span>"
               "<span class=\"age\"> 分辨率:</span><span class=\"agevol\">1366*768</span></td></tr>"));
}

TEST_F(Monitor, MakerTable) {
  // clang-format off
  struct { const char* identifier; const char* maker; } kCases[] = {
      {"AOC2260", "冠捷"},  {"ACR01A5", "宏基"},  {"HKC2413", "惠科"},  {"LEN65C5", "联想"},
      {"PHLC0D1", "飞利蒲"}, {"BNQ7F4D", "明基"},  {"Default_Monitor", "默认监视器"},
      {"CMO1720", "奇美"},  {"ACI27A1", "华硕"},  {"GSM5B35", "LG"},    {"SAM0A7A", "三星"},
      {"HWP2847", "惠普"},  {"AUO21ED", "友达"},  {"BOE07E7", "京东方"}, {"DEL3000", "戴尔"},
      {"HPC1A2B", "惠浦"},  {"LGD0338", "LG"},    {"CGC1234", "长城"},  {"MON2201", "美昂"},
      {"MAY1B00", "玛雅"},
      {"LGDAOC1", "冠捷"},  // the earlier row wins
      {"aoc2260", ""},      // case-sensitive
      {"HPN3541", ""},      {"CMN0001", ""},      {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    ResetScanTexts();
    AnalyseMonitor(c.identifier);
    std::string text = std::string("\r\n\r\n显示器:") + c.identifier + "\r\n";
    if (*c.maker) text += std::string(" 品牌:") + c.maker;
    text += " 分辨率:1366*768";
    EXPECT_EQ(U8(summaryText), U8(text)) << c.identifier;
  }
}

TEST_F(Monitor, NoMakerAndEscaping) {
  SetDisplayMode({1920, 1080, 32});
  AnalyseMonitor("X<&>");
  EXPECT_EQ(summaryText, "\r\n\r\n显示器:X<&>\r\n 分辨率:1920*1080");
  EXPECT_EQ(U8(summaryHtml),
            U8("<tr valign=\"top\"><td><span class=\"type\">显示器:</span></td><td><span class=\"name\">X&lt;&amp;&gt;"
               "</span></br><span class=\"age\"> 分辨率:</span><span class=\"agevol\">1920*1080</span></td></tr>"));
}

}  // namespace
