// The mainboard analyser: maker rows and bonuses, model fallback, the four chipset tables, whole blocks.
#include "analysers/mainboard.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "analysers/mainboard_rules.h"
#include "tests/test_support.h"

namespace {

BoardRecord Board(const char* vendor, const char* model, const char* northbridge, const char* southbridge) {
  BoardRecord board;
  board.vendor = vendor;
  board.model = model;
  board.northbridge = northbridge;
  board.southbridge = southbridge;
  return board;
}

BoardRecord Analysed(BoardRecord board) {
  AnalyseBoard(board);
  return board;
}

TEST(AnalyseBoard, MakerRowsAndBonuses) {
  // clang-format off
  struct { const char* vendor; const char* chinese; const char* price; } kCases[] = {
      {"Gigabyte", "技嘉 ", "130"}, {"LENOVO", "联想 ", "130"}, {"Intel", "英特尔 ", "130"},
      {"onda", "昂达 ", "100"}, {"Yeston", "盈通 ", "100"}, {"ASUS", "华硕 ", "130"},
      {"ASUSTeK", "华硕 ", "130"}, {"MSI", "微星 ", "120"}, {"Micro-Star", "微星 ", "120"},
      {"Biostar", "映泰 ", "110"}, {"Maxsun", "铭瑄 ", "100"}, {"Unika", "双敏 ", "100"},
      {"ASL", "翔升 ", "100"}, {"ASRock", "华擎  ", "100"}, {"abit", "升技 ", "100"},
      {"Colorful", "七彩虹 ", "100"}, {"SOYO", "梅捷 ", "100"}, {"Jetway", "捷波 ", "100"},
      {"Supox", "磐正 ", "100"}, {"Speedway", "斯巴达克 ", "100"}, {"Foxconn", "富士康 ", "100"},
      {"Gamen", "冠盟 ", "100"}, {"Zotac", "索泰 ", "100"}, {"ECS", "精英 ", "100"},
      {"Jwele", "杰微 ", "100"}, {"j&w", "杰微 ", "100"}, {"Sapphire", "蓝宝石 ", "100"},
      {"TopStar", "顶星 ", "100"}, {"Dream", "致铭 ", "100"}, {"Koloe", "科脑 ", "100"},
      {"Dell", "戴尔 ", "130"}, {"Hp", "惠普 ", "130"},
      // Not listed: upper-cased, no bonus.
      {"Hewlett-Packard", "HEWLETT-PACKARD ", "100"}, {"Pegatron", "PEGATRON ", "100"},
      {"ASUSTeK1", "ASUSTEK1 ", "100"}, {"Gigabyte ", "GIGABYTE  ", "100"}, {"", "", "100"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const BoardRecord board = Analysed(Board(c.vendor, "X", "Intel G41 rev. A3", ""));
    EXPECT_EQ(U8(board.vendor), U8(c.chinese)) << c.vendor;
    EXPECT_EQ(board.price, c.price) << c.vendor;
  }
}

TEST(AnalyseBoard, PlaceholderModelFallsBackToTheNorthBridge) {
  // clang-format off
  struct { const char* model; const char* result; } kCases[] = {
      {"To be filled by O.E.M.", "Intel G41 rev. A3"}, {"To Be Filled By O.E.M.", "Intel G41 rev. A3"},
      {"unknown", "Intel G41 rev. A3"}, {"", "Intel G41 rev. A3"},
      {"Unknown", "Unknown"}, {"To be filled by O.E.M. ", "To be filled by O.E.M. "}, {"G41MT", "G41MT"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(Analysed(Board("", c.model, "Intel G41 rev. A3", "")).model, c.result) << c.model;
  }
}

struct ChipsetCase { const char* word; int price; };

// Each row of one table, found in the north bridge and, with a north bridge naming only the vendor,
// in the south bridge. Expected prices are those of the first row whose word the text holds.
void WalkTable(const char* prefix, const char* bareNorth, const ChipsetCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const std::string bridge = std::string(prefix) + cases[i].word + " rev. 00";
    const std::string price = std::to_string(cases[i].price);
    EXPECT_EQ(Analysed(Board("", "M", bridge.c_str(), "")).price, price) << bridge;
    EXPECT_EQ(Analysed(Board("", "M", bareNorth, bridge.c_str())).price, price) << "south " << bridge;
  }
}

TEST(AnalyseBoard, IntelChipsetRows) {
  // clang-format off
  const ChipsetCase kCases[] = {
      {"B75", 250}, {"P45", 150}, {"G31", 90}, {"G41", 100}, {"945", 100},
      {"H61", 160},  // the second H61 row (190) is never reached
      {"P41", 100}, {"Q77", 300}, {"H77", 320}, {"Q75", 320}, {"H67", 320}, {"PM45", 150}, {"Z68", 300},
      {"Z77", 250}, {"Q45", 120}, {"NM10", 140}, {"GL40", 100}, {"Z87", 150}, {"GM45", 130}, {"X79", 150},
      {"H57", 160}, {"H55", 150}, {"Z75", 150}, {"Q43", 150}, {"G43", 150}, {"P43", 150}, {"G45", 100},
      {"P55", 150}, {"Q33", 100}, {"X58", 150}, {"GS45", 150}, {"US15W", 150}, {"UL11L", 150},
      {"US15L", 150}, {"P67", 160}, {"Q35", 100}, {"915", 60}, {"965", 60}, {"P35", 60}, {"5400", 70},
      {"960", 80}, {"3200", 40}, {"5000", 40}, {"G33", 40}, {"963", 40},
      {"5000X", 40}, {"5000V", 40},  // both found as "5000"
      {"E7320", 80}, {"845", 40}, {"855", 40}, {"X48", 40}, {"7300", 80}, {"X38", 40}, {"910", 40},
      {"848", 40}, {"3210", 40}, {"3000", 40}, {"E7500", 40}, {"5100", 40}, {"7520", 40}, {"7230", 80},
      {"925", 40}, {"875", 40}, {"940", 40}, {"8500", 40}, {"7210", 80}, {"3010", 40}, {"8501", 80},
      {"7501", 40}, {"860", 40}, {"852", 40}, {"7505", 40}, {"7205", 80}, {"8870", 80},
      {"945GC", 100}, {"G41M", 100},  // words match inside longer model names
  };
  // clang-format on
  WalkTable("Intel ", "Intel Sandy Bridge rev. 09", kCases, std::size(kCases));
}

TEST(AnalyseBoard, AmdChipsetRows) {
  // clang-format off
  const ChipsetCase kCases[] = {
      {"A75", 220}, {"A55", 200}, {"760G", 120}, {"740", 120}, {"990X", 120}, {"780G", 120},
      {"990FX", 180}, {"880G", 150}, {"785G", 130},
      {"740G", 120},  // found as "740"
      {"770", 120}, {"870", 120}, {"890GX", 120}, {"970", 120}, {"780E", 120}, {"790GX", 120},
      {"890FX", 120}, {"M780G", 120}, {"790FX", 120}, {"780V", 120}, {"M770", 120}, {"M740G", 120},
      {"M690E", 120}, {"740V", 120}, {"M780V", 120}, {"690G", 120}, {"480X", 120}, {"580X", 120},
      {"690V", 120}, {"570X", 120}, {"690", 120}, {"760MP", 120}, {"760MPX", 120}, {"8000", 100},
      {"M590G", 80},
      {"M690G", 120}, {"M690V", 120}, {"M690T", 120}, {"RS690", 120},  // their 80 is never reached
  };
  // clang-format on
  WalkTable("AMD ", "AMD K8 rev. 00", kCases, std::size(kCases));
  // "790X" has no row, and none of the AMD words occurs in it.
  EXPECT_EQ(Analysed(Board("", "M", "AMD 790X rev. 00", "")).price, "");
}

TEST(AnalyseBoard, NvidiaChipsetRows) {
  // clang-format off
  const ChipsetCase kCases[] = {
      {"7025", 120}, {"MCP61", 80}, {"MCPP67M", 80}, {"MCP68S", 80}, {"MCP78S", 100}, {"MCP61P", 80},
      {"6100", 80}, {"MCP61S", 80}, {"MCP79H", 100}, {"MCP65GT", 80}, {"MCP78V", 100}, {"6150LE", 80},
      {"MCP67M", 80}, {"MCP61V", 80}, {"550", 80}, {"250", 80}, {"20LE", 80}, {"MCP68PV", 80},
      {"6150", 80}, {"MCP79U", 100}, {"MCP73PV", 100}, {"MCP73D", 100}, {"IGP", 80}, {"MCP78", 100},
      {"MCP73", 80}, {"400", 80}, {"C73XE", 80},
      {"MCP78D", 100},  // found as "MCP78": its own 80 is never reached
      {"MCP77MV", 80}, {"MCP65P", 80}, {"210S", 80}, {"C55", 80}, {"3600", 80}, {"70 SLI", 80},
      {"MCP72XE", 100}, {"MCP78U", 100}, {"MCP7A-U", 100}, {"MCP7A-H", 100}, {"MCP72", 100},
      {"MCP7A-GL", 100}, {"60 SLI", 80},
      {"MCP73U", 80}, {"MCP73V", 80},  // found as "MCP73": their own 100 is never reached
      {"80a SLI", 80}, {"520", 80}, {"C55P", 80}, {"MCP610", 80}, {"500", 80}, {"510", 80}, {"590", 80},
      {"3050", 40},
      {"3400", 80},  // found as "400"
      {"nForce5", 30}, {"nForce4", 30}, {"nForce3", 30},
  };
  // clang-format on
  WalkTable("NVIDIA ", "NVIDIA nForce rev. A2", kCases, std::size(kCases));
}

TEST(AnalyseBoard, OtherVendorRows) {
  const ChipsetCase kCases[] = {{"VIA", 20}, {"SIS", 20}, {"ServerWorks", 20}, {"ULi", 20}};
  WalkTable("", "", kCases, std::size(kCases));
}

TEST(AnalyseBoard, TableChoiceAndSearchOrder) {
  // clang-format off
  struct { const char* north; const char* south; const char* price; } kCases[] = {
      {"Intel P45 rev. 02", "Intel B75 rev. 04", "150"},  // the north bridge is searched first
      {"Intel/AMD 880G", "", ""},                         // "Intel" chooses the table before "AMD"
      {"AMD NVIDIA 7025", "", ""},                        // "AMD" before "NVIDIA"
      {"NVIDIA nForce 630a", "VIA VT8237", ""},           // the south bridge is searched in the same table
      {"", "VIA VT8237 rev. 00", "20"},
      {"", "Intel H61 rev. 05", ""},
      {"intel H61 rev. 05", "", ""},                      // vendor words are case-sensitive
      {"SiS 661FX rev. 11", "", ""},
      {"AMD RD9x0 rev. 02", "AMD SB910/950 rev. 40", ""},  // GA-970A-D3: no word listed
      {"AMD K12 rev. 00", "AMD A55 FCH rev. 02", "200"},
      {"", "", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(Analysed(Board("", "M", c.north, c.south)).price, c.price) << c.north << " / " << c.south;
  }
}

TEST(MainboardRules, TablesAreWellFormed) {
  EXPECT_EQ(std::size(kBoardMakers), 29u);
  std::set<std::string> keys;
  for (const auto& row : kBoardMakers) {
    EXPECT_TRUE(*row.key && *row.chinese);
    EXPECT_TRUE(keys.insert(row.key).second) << row.key;
    if (row.otherKey) {
      EXPECT_TRUE(keys.insert(row.otherKey).second) << row.otherKey;
    }
    for (const char* c = row.key; *c; ++c) EXPECT_FALSE(*c >= 'a' && *c <= 'z') << row.key;
    EXPECT_TRUE(row.bonus == 0 || row.bonus == 10 || row.bonus == 20 || row.bonus == 30);
  }
  EXPECT_EQ(keys.size(), 32u);
  // clang-format off
  struct { const ChipsetPrice* rows; size_t count; size_t expected; } kTables[] = {
      {kIntelChipsets, std::size(kIntelChipsets), 76}, {kAmdChipsets, std::size(kAmdChipsets), 39},
      {kNvidiaChipsets, std::size(kNvidiaChipsets), 58}, {kOtherChipsets, std::size(kOtherChipsets), 4},
  };
  // clang-format on
  for (const auto& table : kTables) {
    EXPECT_EQ(table.count, table.expected);
    for (size_t i = 0; i < table.count; ++i) EXPECT_TRUE(*table.rows[i].word && table.rows[i].price > 0);
  }
}

struct BoardMachine {
  const char* what;
  BoardRecord board;
  const char* name;
  const char* html;
  const char* text;
};

const char kHead[] = "<tr valign=\"top\"><td><span class=\"type\">主板:</span></td><td><span class=\"name\">";

TEST(AnalyseBoard, WholeBlocks) {
  // clang-format off
  const BoardMachine kMachines[] = {
      {"LGA775 ASUS G41",
       Board("ASUSTeK", "P5G41T-M LX", "Intel G41 rev. A3", "Intel 82801GB (ICH7/R) rev. A1"),
       "华硕  P5G41T-M LX",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">Intel G41 rev. A3</span><span class=\"age\"> 南桥:"
       "</span><span class=\"agevol\">Intel 82801GB (ICH7/R) rev. A1</span></br><span class=\"ap\"> 二手估价:"
       "</span><span class=\"apvol\">130</span></td></tr>",
       " 北桥:Intel G41 rev. A3 南桥:Intel 82801GB (ICH7/R) rev. A1\r\n 二手估价:130"},
      {"LGA1155 Gigabyte H61, chipset in the south bridge",
       Board("Gigabyte", "H61M-DS2", "Intel Sandy Bridge rev. 09", "Intel H61 rev. B3"),
       "技嘉  H61M-DS2",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">Intel Sandy Bridge rev. 09</span>"
       "<span class=\"age\"> 南桥:</span><span class=\"agevol\">Intel H61 rev. B3</span></br>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">190</span></td></tr>",
       " 北桥:Intel Sandy Bridge rev. 09 南桥:Intel H61 rev. B3\r\n 二手估价:190"},
      {"DQ77MK report",
       Board("Intel", "DQ77MK", "Intel Ivy Bridge rev. 09", "Intel Q77 rev. 04"),
       "英特尔  DQ77MK",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">Intel Ivy Bridge rev. 09</span>"
       "<span class=\"age\"> 南桥:</span><span class=\"agevol\">Intel Q77 rev. 04</span></br>"
       "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">330</span></td></tr>",
       " 北桥:Intel Ivy Bridge rev. 09 南桥:Intel Q77 rev. 04\r\n 二手估价:330"},
      {"AM3 ASUS 880G",
       Board("ASUSTeK", "M4A88T-M", "AMD 880G rev. 00", "AMD SB710 rev. 00"),
       "华硕  M4A88T-M",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">AMD 880G rev. 00</span><span class=\"age\"> 南桥:"
       "</span><span class=\"agevol\">AMD SB710 rev. 00</span></br><span class=\"ap\"> 二手估价:</span>"
       "<span class=\"apvol\">180</span></td></tr>",
       " 北桥:AMD 880G rev. 00 南桥:AMD SB710 rev. 00\r\n 二手估价:180"},
      {"FM1 board without a known maker",
       Board("", "To Be Filled By O.E.M.", "AMD K12 rev. 00", "AMD A55 FCH rev. 02"),
       " AMD K12 rev. 00",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">AMD K12 rev. 00</span><span class=\"age\"> 南桥:"
       "</span><span class=\"agevol\">AMD A55 FCH rev. 02</span></br><span class=\"ap\"> 二手估价:</span>"
       "<span class=\"apvol\">200</span></td></tr>",
       " 北桥:AMD K12 rev. 00 南桥:AMD A55 FCH rev. 02\r\n 二手估价:200"},
      {"ASRock P45: the maker's own blank",
       Board("ASRock", "P45XE", "Intel P45 rev. 02", "Intel 82801JR (ICH10R) rev. 00"),
       "华擎   P45XE",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">Intel P45 rev. 02</span><span class=\"age\"> 南桥:"
       "</span><span class=\"agevol\">Intel 82801JR (ICH10R) rev. 00</span></br><span class=\"ap\"> 二手估价:"
       "</span><span class=\"apvol\">150</span></td></tr>",
       " 北桥:Intel P45 rev. 02 南桥:Intel 82801JR (ICH10R) rev. 00\r\n 二手估价:150"},
      {"Biostar on VIA",
       Board("BIOSTAR", "P4M890-M7", "VIA P4M890 rev. 00", "VIA VT8237A rev. 00"),
       "映泰  P4M890-M7",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">VIA P4M890 rev. 00</span><span class=\"age\"> 南桥:"
       "</span><span class=\"agevol\">VIA VT8237A rev. 00</span></br><span class=\"ap\"> 二手估价:</span>"
       "<span class=\"apvol\">30</span></td></tr>",
       " 北桥:VIA P4M890 rev. 00 南桥:VIA VT8237A rev. 00\r\n 二手估价:30"},
      {"GA-970A-D3 report: no chipset word, no price row",
       Board("Gigabyte", "GA-970A-D3", "AMD RD9x0 rev. 02", "AMD SB910/950 rev. 40"),
       "技嘉  GA-970A-D3",
       "<span class=\"age\"> 北桥:</span><span class=\"agevol\">AMD RD9x0 rev. 02</span><span class=\"age\"> 南桥:"
       "</span><span class=\"agevol\">AMD SB910/950 rev. 40</span></br></td></tr>",
       " 北桥:AMD RD9x0 rev. 02 南桥:AMD SB910/950 rev. 40\r\n"},
      {"no maker, no model, no north bridge",
       Board("", "", "", "SIS 966 rev. 00"),
       " ",
       "<span class=\"age\"> 南桥:</span><span class=\"agevol\">SIS 966 rev. 00</span></br><span class=\"ap\"> "
       "二手估价:</span><span class=\"apvol\">20</span></td></tr>",
       " 南桥:SIS 966 rev. 00\r\n 二手估价:20"},
  };
  // clang-format on
  for (const auto& m : kMachines) {
    summaryHtml = "<prior>";
    summaryText = "prior";
    BoardRecord board = m.board;
    AnalyseBoard(board);
    EXPECT_EQ(U8(summaryHtml), U8(std::string("<prior>") + kHead + m.name + "</span></br>" + m.html)) << m.what;
    EXPECT_EQ(U8(summaryText), U8(std::string("prior\r\n\r\n主板:") + m.name + "\r\n" + m.text)) << m.what;
  }
}

}  // namespace
