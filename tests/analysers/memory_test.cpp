// The memory analyser: channel and generation words, sizes, module tables, module lines, whole blocks.
#include "analysers/memory.h"

#include <gtest/gtest.h>

#include <cstring>

#include "analysers/memory_rules.h"
#include "tests/test_support.h"

namespace {

MemoryModule Module(const char* manufacturer, const char* bandwidth, const char* size) {
  MemoryModule module;
  module.manufacturer = manufacturer;
  module.bandwidth = bandwidth;
  module.size = size;
  return module;
}

// The one module after analysing it under the given memory type.
MemoryModule AnalysedModule(const char* type, MemoryModule module) {
  MemoryRecord memory;
  memory.type = type;
  std::vector<MemoryModule> modules{module};
  AnalyseMemory(memory, modules);
  return modules[0];
}

TEST(AnalyseMemory, ChannelWords) {
  // clang-format off
  struct { const char* channels; const char* word; } kCases[] = {
      {"Single", "单"}, {"Dual", "双"}, {"Dual (Unganged)", "双"}, {"DualX", "双"},
      {"Triple", "Triple"}, {"single", "single"}, {"Single ", "Single "}, {" Dual", " Dual"}, {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    MemoryRecord memory;
    memory.channels = c.channels;
    std::vector<MemoryModule> none;
    AnalyseMemory(memory, none);
    EXPECT_EQ(U8(memory.channels), U8(c.word)) << c.channels;
  }
}

TEST(AnalyseMemory, GenerationsAndTotalSize) {
  // clang-format off
  struct { const char* type; const char* size; const char* generation; const char* gigabytes; } kCases[] = {
      {"DDR2", "2048", "DDR2(二代)", "2G"},
      {"DDR3", "4096", "DDR3(三代)", "4G"},
      {"DDR", "512", "DDR(一代)", "0.5G"},
      {"DDR4", "16384", "DDR4(四代)", "16G"},
      {"DDR5", "32768", "DDR5(五代)", "32G"},
      {"LPDDR3", "2048", "LPDDR3(三代)", "2G"},
      {"LPDDR4", "4096", "LPDDR4(四代)", "4G"},
      {"LPDDR4X", "8192", "LPDDR4X(四代)", "8G"},
      {"LPDDR5", "16384", "LPDDR5(五代)", "16G"},
      {"LPDDR5X", "16384", "LPDDR5X(五代)", "16G"},
      {"DDR4 ", "8192", "DDR4 ", "8G"},  // the test is exact equality
      {"LPDDR2", "1024", "LPDDR2", "1G"},
      {"ddr3", "256", "ddr3", "0.25G"},
      {"DDR3L", "3072", "DDR3L", "3G"},
      {"DDR3", "1536", "DDR3(三代)", "1.5G"},
      {"DDR3", "768", "DDR3(三代)", "0.75G"},
      {"DDR3", "2047", "DDR3(三代)", "1.999G"},
      {"DDR3", "1000", "DDR3(三代)", "0.977G"},
      {"DDR3", "4096.9", "DDR3(三代)", "4G"},  // whole megabytes only
      {"DDR3", "4 GBytes", "DDR3(三代)", "0.004G"},  // megabytes only: newer reports are converted before
      {"DDR3", "lots", "DDR3(三代)", "0G"},
      {"DDR3", "", "DDR3(三代)", ""},  // a size the report did not give stays unknown
  };
  // clang-format on
  for (const auto& c : kCases) {
    MemoryRecord memory;
    memory.type = c.type;
    memory.size = c.size;
    std::vector<MemoryModule> none;
    AnalyseMemory(memory, none);
    EXPECT_EQ(U8(memory.type), U8(c.generation)) << c.type;
    EXPECT_EQ(memory.size, c.gigabytes) << c.size;
  }
}

TEST(AnalyseMemory, BandwidthRows) {
  // clang-format off
  struct { const char* bandwidth; const char* clock; } kCases[] = {
      {"PC3-10600", "1333"}, {"PC3-10700H", "1333"}, {"PC3-10700", "1333"},
      {"PC2-4300", "533"}, {"PC2-4300f", "533"}, {"PC2-5300", "667"}, {"PC2-5300f", "667"},
      {"PC2-6400", "800"}, {"PC2-6400f", "800"}, {"PC3-12800", "1600"},
      {"PC2100", "266"}, {"PC2700", "333"}, {"PC3200", "400"},
      {"PC3-8500", "PC3-8500"}, {"pc3-10600", "pc3-10600"}, {"PC3-10600 ", "PC3-10600 "}, {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(AnalysedModule("DDR3", Module("Kingston ", c.bandwidth, "2048")).bandwidth, c.clock) << c.bandwidth;
  }
}

TEST(AnalyseMemory, BrandRows) {
  // clang-format off
  struct { const char* manufacturer; const char* chinese; } kCases[] = {
      {"Kingston ", "金士顿 "}, {"Kingmax ", "胜创 "}, {"Kingbox ", "黑金刚 "}, {"Samsung ", "三星 "},
      {"Corsair ", "海盗船 "}, {"A-Data ", "威刚 "}, {"Tigo ", "金泰克 "}, {"Plextor ", "浦科特 "},
      {"Transcend ", "创见 "}, {"Apacer ", "宇瞻 "}, {"Gskill ", "芝奇 "}, {"Geil ", "金邦科技 "},
      {"Elixir ", "南亚易胜 "}, {"Hynix ", "现代 "}, {"Hyundai ", "现代 "}, {"Ramax ", "记忆数码 "},
      {"Ramaxel ", "记忆数码 "}, {"Leadmax ", "超胜科技 "}, {"Wjdhk ", "无间道 "}, {"Guangwei ", "光威 "},
      {"Team ", "十铨科技 "}, {"ASint ", "昱联科技 "}, {"Patriot ", "博帝 "}, {"Messbon ", "梅赛伯 "},
      {"Ramsta ", "瑞势 "}, {"Bestdon ", "邦顿 "}, {"Romos ", "蓝魔 "},
      {"Kingston", "Kingston"}, {"kingston ", "kingston "}, {"SK ", "SK "}, {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(U8(AnalysedModule("DDR3", Module(c.manufacturer, "", "2048")).manufacturer), U8(c.chinese))
        << c.manufacturer;
  }
}

TEST(AnalyseMemory, PriceRows) {
  // clang-format off
  struct { const char* type; const char* size; const char* gigabytes; const char* price; } kCases[] = {
      {"DDR2", "1024", "1", "50"}, {"DDR2", "2048", "2", "100"}, {"DDR2", "3072", "3", "120"},
      {"DDR2", "4096", "4", "160"}, {"DDR3", "2048", "2", "50"}, {"DDR3", "4096", "4", "70"},
      {"DDR3", "6144", "6", "100"}, {"DDR3", "8192", "8", "140"}, {"DDR", "1024", "1", "50"},
      {"DDR", "512", "0.5", "20"}, {"DDR", "205", "0.2", "5"},
      // Misses.
      {"DDR", "256", "0.25", ""}, {"DDR", "204", "0.199", ""}, {"DDR3", "1024", "1", ""},
      {"DDR2", "512", "0.5", ""}, {"DDR3", "16384", "16", ""}, {"DDR4", "8192", "8", ""},
      {"", "2048", "2", ""}, {"DDR3", "many", "0", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const MemoryModule module = AnalysedModule(c.type, Module("", "", c.size));
    EXPECT_EQ(module.size, c.gigabytes) << c.type << " " << c.size;
    EXPECT_EQ(module.price, c.price) << c.type << " " << c.size;
  }
}

TEST(MemoryRules, TablesAreWellFormed) {
  EXPECT_EQ(std::size(kBandwidthClocks), 13u);
  for (const auto& row : kBandwidthClocks) EXPECT_TRUE(*row.bandwidth && *row.clock);
  EXPECT_EQ(std::size(kMemoryBrands), 27u);
  for (const auto& row : kMemoryBrands) {
    const size_t keyLength = std::strlen(row.manufacturer), nameLength = std::strlen(row.chinese);
    ASSERT_GE(keyLength, 2u);
    ASSERT_GE(nameLength, 2u);
    EXPECT_EQ(row.manufacturer[keyLength - 1], ' ');  // the report's word carries one blank
    EXPECT_EQ(row.chinese[nameLength - 1], ' ');
  }
  EXPECT_EQ(std::size(kMemoryPrices), 11u);
  for (const auto& row : kMemoryPrices) EXPECT_TRUE(*row.type && *row.size && *row.price);
  EXPECT_EQ(std::size(kMemoryGenerations), 10u);
  // The rules' three rows come first; the price table knows none of the later generations.
  EXPECT_STREQ(kMemoryGenerations[2].type, "DDR");
  for (size_t i = 3; i < std::size(kMemoryGenerations); ++i) {
    for (const auto& price : kMemoryPrices) EXPECT_STRNE(price.type, kMemoryGenerations[i].chinese);
  }
}

// Modules of today's generations are listed with brand, size and clock, and get no price.
TEST(AnalyseMemory, NewerGenerationsGetNoPrice) {
  for (const char* type : {"DDR4", "DDR5", "LPDDR4X"}) {
    MemoryRecord memory;
    memory.type = type;
    memory.size = "8192";
    std::vector<MemoryModule> modules(1);
    modules[0].manufacturer = "Corsair ";
    modules[0].size = "8192";
    modules[0].bandwidth = "DDR4-2401";
    AnalyseMemory(memory, modules);
    EXPECT_EQ(modules[0].price, "") << type;
    EXPECT_EQ(U8(modules[0].manufacturer), U8("海盗船 "));
    EXPECT_EQ(modules[0].size, "8");
    EXPECT_EQ(modules[0].bandwidth, "DDR4-2401");  // no clock row for its name: shown as the report names it
    EXPECT_EQ(summaryText.find("二手估价"), std::string::npos) << U8(summaryText);
    summaryText.clear();
  }
}

struct MemoryMachine {
  const char* what;
  MemoryRecord memory;
  std::vector<MemoryModule> modules;
  const char* html;
  const char* text;
};

const char kHead[] = "<tr valign=\"top\"><td><span class=\"type\">内存:</span></td><td><span class=\"name\">";

TEST(AnalyseMemory, WholeBlocks) {
  const MemoryMachine kMachines[] = {
      {"LGA775 G41, two DDR2 modules",
       {"2048", "DDR2", "Dual", "400.0 MHz"},
       {Module("Kingston ", "PC2-6400", "1024"), Module("Kingston ", "PC2-6400", "1024")},
       "DDR2(二代) 2G</span></br><span class=\"age\"> 当前主频:</span><span class=\"agevol\">400.0 MHz</span>"
       "<span class=\"age\"> 通道:</span><span class=\"agevol\">双</span> </br><span class=\"age\">第1条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">金士顿 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">1G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">800</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">50</span></br><span class=\"age\">第2条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">金士顿 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">1G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">800</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">50</span></br><span class=\"age\"><b>内存条总数:"
       "</b></span><span class=\"agevol\">2条</span></td></tr>",
       "\r\n\r\n内存:DDR2(二代) 2G\r\n当前主频:400.0 MHz 通道:双\r\n第1条 品牌:金士顿  大小:1G 最大频率:800 "
       "二手估价:50\r\n第2条 品牌:金士顿  大小:1G 最大频率:800 二手估价:50\r\n内存条总数:2条"},
      {"LGA1155 H61, two DDR3 modules of 2048 MB",
       {"4096", "DDR3", "Dual", "665.1 MHz"},
       {Module("Kingston ", "PC3-10700H", "2048"), Module("Kingston ", "PC3-10700H", "2048")},
       "DDR3(三代) 4G</span></br><span class=\"age\"> 当前主频:</span><span class=\"agevol\">665.1 MHz</span>"
       "<span class=\"age\"> 通道:</span><span class=\"agevol\">双</span> </br><span class=\"age\">第1条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">金士顿 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">2G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">1333</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">50</span></br><span class=\"age\">第2条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">金士顿 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">2G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">1333</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">50</span></br><span class=\"age\"><b>内存条总数:"
       "</b></span><span class=\"agevol\">2条</span></td></tr>",
       "\r\n\r\n内存:DDR3(三代) 4G\r\n当前主频:665.1 MHz 通道:双\r\n第1条 品牌:金士顿  大小:2G 最大频率:1333 "
       "二手估价:50\r\n第2条 品牌:金士顿  大小:2G 最大频率:1333 二手估价:50\r\n内存条总数:2条"},
      {"DQ77MK, one unlisted DDR3 module",
       {"4096", "DDR3", "Single", "798.7 MHz (1:6)"},
       {Module("SK ", "PC3-12800", "4096")},
       "DDR3(三代) 4G</span></br><span class=\"age\"> 当前主频:</span><span class=\"agevol\">798.7 MHz (1:6)"
       "</span><span class=\"age\"> 通道:</span><span class=\"agevol\">单</span> </br><span class=\"age\"> 品牌:"
       "</span><span class=\"agevol\">SK </span><span class=\"age\"> 大小:</span><span class=\"agevol\">4G</span>"
       "<span class=\"age\"> 最大频率:</span><span class=\"agevol\">1600</span><span class=\"ap\"> 二手估价:"
       "</span><span class=\"apvol\">70</span></td></tr>",
       "\r\n\r\n内存:DDR3(三代) 4G\r\n当前主频:798.7 MHz (1:6) 通道:单\r\n 品牌:SK  大小:4G 最大频率:1600 二手估价:70"},
      {"AM3 880G, two unequal DDR3 modules",
       {"3072", "DDR3", "Dual (Unganged)", "666.7 MHz"},
       {Module("Samsung ", "PC3-10600", "2048"), Module("A-Data ", "PC3-8500", "1024")},
       "DDR3(三代) 3G</span></br><span class=\"age\"> 当前主频:</span><span class=\"agevol\">666.7 MHz</span>"
       "<span class=\"age\"> 通道:</span><span class=\"agevol\">双</span> </br><span class=\"age\">第1条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">三星 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">2G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">1333</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">50</span></br><span class=\"age\">第2条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">威刚 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">1G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">PC3-8500"
       "</span></br><span class=\"age\"><b>内存条总数:</b></span><span class=\"agevol\">2条</span></td></tr>",
       "\r\n\r\n内存:DDR3(三代) 3G\r\n当前主频:666.7 MHz 通道:双\r\n第1条 品牌:三星  大小:2G 最大频率:1333 "
       "二手估价:50\r\n第2条 品牌:威刚  大小:1G 最大频率:PC3-8500\r\n内存条总数:2条"},
      {"DDR machine, unknown brand and a 256 MB module without price",
       {"768", "DDR", "Single", "200.0 MHz"},
       {Module("Hynix ", "PC3200", "512"), Module("", "PC2700", "256")},
       "DDR(一代) 0.75G</span></br><span class=\"age\"> 当前主频:</span><span class=\"agevol\">200.0 MHz</span>"
       "<span class=\"age\"> 通道:</span><span class=\"agevol\">单</span> </br><span class=\"age\">第1条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">现代 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">0.5G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">400</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">20</span></br><span class=\"age\">第2条</span>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">未知</span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">0.25G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">333</span>"
       "</br><span class=\"age\"><b>内存条总数:</b></span><span class=\"agevol\">2条</span></td></tr>",
       "\r\n\r\n内存:DDR(一代) 0.75G\r\n当前主频:200.0 MHz 通道:单\r\n第1条 品牌:现代  大小:0.5G 最大频率:400 "
       "二手估价:20\r\n第2条 品牌:未知 大小:0.25G 最大频率:333\r\n内存条总数:2条"},
      {"an empty second size ends the lines but every record is counted",
       {"2048", "DDR2", "", ""},
       {Module("Kingmax ", "", "1024"), Module("Kingmax ", "PC2-6400", ""), Module("Kingmax ", "", "1024")},
       "DDR2(二代) 2G</span></br></br><span class=\"age\">第1条</span><span class=\"age\"> 品牌:</span>"
       "<span class=\"agevol\">胜创 </span><span class=\"age\"> 大小:</span><span class=\"agevol\">1G</span>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">50</span></br><span class=\"age\"><b>内存条总数:"
       "</b></span><span class=\"agevol\">3条</span></td></tr>",
       "\r\n\r\n内存:DDR2(二代) 2G\r\n\r\n第1条 品牌:胜创  大小:1G 二手估价:50\r\n内存条总数:3条"},
      {"a size that is not a number still gets its line",
       {"1024", "DDR2", "Single", ""},
       {Module("Geil ", "PC2-5300", "n/a")},
       "DDR2(二代) 1G</span></br><span class=\"age\"> 通道:</span><span class=\"agevol\">单</span> </br>"
       "<span class=\"age\"> 品牌:</span><span class=\"agevol\">金邦科技 </span><span class=\"age\"> 大小:</span>"
       "<span class=\"agevol\">0G</span><span class=\"age\"> 最大频率:</span><span class=\"agevol\">667</span>"
       "</td></tr>",
       "\r\n\r\n内存:DDR2(二代) 1G\r\n 通道:单\r\n 品牌:金邦科技  大小:0G 最大频率:667"},
      {"no SPD block",
       {"2048", "DDR3", "Dual", "532.0 MHz"},
       {},
       "DDR3(三代) 2G</span></br><span class=\"age\"> 当前主频:</span><span class=\"agevol\">532.0 MHz</span>"
       "<span class=\"age\"> 通道:</span><span class=\"agevol\">双</span> </td></tr>",
       "\r\n\r\n内存:DDR3(三代) 2G\r\n当前主频:532.0 MHz 通道:双"},
      {"no memory type: the row still opens",
       {"4096", "", "", ""},
       {},
       " 4G</span></br></td></tr>",
       "\r\n\r\n内存: 4G\r\n"},
  };
  for (const auto& m : kMachines) {
    summaryHtml = "<prior>";
    summaryText = "prior";
    MemoryRecord memory = m.memory;
    std::vector<MemoryModule> modules = m.modules;
    AnalyseMemory(memory, modules);
    EXPECT_EQ(U8(summaryHtml), U8(std::string("<prior>") + kHead + m.html)) << m.what;
    EXPECT_EQ(U8(summaryText), U8(std::string("prior") + m.text)) << m.what;
  }
}

TEST(AnalyseMemory, ModulesAfterAnEmptySizeStayAsTheyWere) {
  MemoryRecord memory;
  memory.type = "DDR3";
  std::vector<MemoryModule> modules{Module("Kingston ", "PC3-10600", "2048"), Module("Kingston ", "", ""),
                                    Module("Kingston ", "PC3-10600", "2048")};
  AnalyseMemory(memory, modules);
  EXPECT_EQ(U8(modules[0].manufacturer), U8("金士顿 "));
  EXPECT_EQ(modules[0].size + "/" + modules[0].bandwidth + "/" + modules[0].price, "2/1333/50");
  EXPECT_EQ(modules[2].manufacturer, "Kingston ");
  EXPECT_EQ(modules[2].size + "/" + modules[2].bandwidth + "/" + modules[2].price, "2048/PC3-10600/");
}

}  // namespace
