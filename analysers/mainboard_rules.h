// The mainboard rule tables: board makers with their bonus, and the chipset prices per chipset vendor.
#pragma once

// clang-format off

// Board makers: upper-cased DMI vendor word (a second spelling or null), Chinese name, bonus in yuan.
struct BoardMaker { const char* key; const char* otherKey; const char* chinese; int bonus; };
inline constexpr BoardMaker kBoardMakers[] = {
    {"GIGABYTE", nullptr, "技嘉", 30},
    {"LENOVO", nullptr, "联想", 30},
    {"INTEL", nullptr, "英特尔", 30},
    {"ONDA", nullptr, "昂达", 0},
    {"YESTON", nullptr, "盈通", 0},
    {"ASUS", "ASUSTEK", "华硕", 30},
    {"MSI", "MICRO-STAR", "微星", 20},
    {"BIOSTAR", nullptr, "映泰", 10},
    {"MAXSUN", nullptr, "铭瑄", 0},
    {"UNIKA", nullptr, "双敏", 0},
    {"ASL", nullptr, "翔升", 0},
    {"ASROCK", nullptr, "华擎 ", 0},  // the name carries its own trailing blank
    {"ABIT", nullptr, "升技", 0},
    {"COLORFUL", nullptr, "七彩虹", 0},
    {"SOYO", nullptr, "梅捷", 0},
    {"JETWAY", nullptr, "捷波", 0},
    {"SUPOX", nullptr, "磐正", 0},
    {"SPEEDWAY", nullptr, "斯巴达克", 0},
    {"FOXCONN", nullptr, "富士康", 0},
    {"GAMEN", nullptr, "冠盟", 0},
    {"ZOTAC", nullptr, "索泰", 0},
    {"ECS", nullptr, "精英", 0},
    {"JWELE", "J&W", "杰微", 0},
    {"SAPPHIRE", nullptr, "蓝宝石", 0},
    {"TOPSTAR", nullptr, "顶星", 0},
    {"DREAM", nullptr, "致铭", 0},
    {"KOLOE", nullptr, "科脑", 0},
    {"DELL", nullptr, "戴尔", 30},
    {"HP", nullptr, "惠普", 30},
};

// Chipset prices: chipset word found anywhere in a bridge text, base price in yuan. Each table is
// searched in this order and the first word found wins, so a word listed twice, or one holding an
// earlier word ("5000X" holds "5000"), takes the earlier price.
struct ChipsetPrice { const char* word; int price; };

// Intel bridges.
inline constexpr ChipsetPrice kIntelChipsets[] = {
    {"B75", 250}, {"P45", 150}, {"G31", 90}, {"G41", 100}, {"945", 100}, {"H61", 160},
    {"H61", 190},  // listed twice: the first "H61" always wins
    {"P41", 100}, {"Q77", 300}, {"H77", 320}, {"Q75", 320}, {"H67", 320}, {"PM45", 150},
    {"Z68", 300}, {"Z77", 250}, {"Q45", 120}, {"NM10", 140}, {"GL40", 100}, {"Z87", 150},
    {"GM45", 130}, {"X79", 150}, {"H57", 160}, {"H55", 150}, {"Z75", 150}, {"Q43", 150},
    {"G43", 150}, {"P43", 150}, {"G45", 100}, {"P55", 150}, {"Q33", 100}, {"X58", 150},
    {"GS45", 150}, {"US15W", 150}, {"UL11L", 150}, {"US15L", 150}, {"P67", 160}, {"Q35", 100},
    {"915", 60}, {"965", 60}, {"P35", 60}, {"5400", 70}, {"960", 80}, {"3200", 40}, {"5000", 40},
    {"G33", 40}, {"963", 40}, {"5000X", 40}, {"5000V", 40}, {"E7320", 80}, {"845", 40}, {"855", 40},
    {"X48", 40}, {"7300", 80}, {"X38", 40}, {"910", 40}, {"848", 40}, {"3210", 40}, {"3000", 40},
    {"E7500", 40}, {"5100", 40}, {"7520", 40}, {"7230", 80}, {"925", 40}, {"875", 40}, {"940", 40},
    {"8500", 40},
    {"855", 40},  // listed twice: the first "855" always wins
    {"7210", 80}, {"3010", 40}, {"8501", 80}, {"7501", 40}, {"860", 40}, {"852", 40}, {"7505", 40},
    {"7205", 80}, {"8870", 80},
};

// AMD bridges.
inline constexpr ChipsetPrice kAmdChipsets[] = {
    {"A75", 220}, {"A55", 200}, {"760G", 120}, {"740", 120}, {"990X", 120}, {"780G", 120},
    {"990FX", 180}, {"880G", 150}, {"785G", 130}, {"740G", 120}, {"770", 120}, {"870", 120},
    {"890GX", 120}, {"970", 120}, {"780E", 120}, {"790GX", 120}, {"890FX", 120}, {"M780G", 120},
    {"790FX", 120}, {"780V", 120}, {"M770", 120}, {"M740G", 120}, {"M690E", 120}, {"740V", 120},
    {"M780V", 120}, {"690G", 120}, {"480X", 120}, {"580X", 120}, {"690V", 120}, {"570X", 120},
    {"690", 120}, {"760MP", 120}, {"760MPX", 120}, {"8000", 100}, {"M590G", 80},
    // The next four hold "690G", "690V" or "690", found earlier at 120: their 80 never shows.
    {"M690G", 80}, {"M690V", 80}, {"M690T", 80}, {"RS690", 80},
};

// NVIDIA bridges.
inline constexpr ChipsetPrice kNvidiaChipsets[] = {
    {"7025", 120}, {"MCP61", 80}, {"MCPP67M", 80}, {"MCP68S", 80}, {"MCP78S", 100}, {"MCP61P", 80},
    {"6100", 80}, {"MCP61S", 80}, {"MCP79H", 100}, {"MCP65GT", 80}, {"MCP78V", 100}, {"6150LE", 80},
    {"MCP67M", 80}, {"MCP61V", 80}, {"550", 80}, {"250", 80}, {"20LE", 80}, {"MCP68PV", 80},
    {"6150", 80}, {"MCP79U", 100}, {"MCP73PV", 100}, {"MCP73D", 100}, {"IGP", 80}, {"MCP78", 100},
    {"MCP73", 80},  // found before "MCP73U" and "MCP73V", which therefore give 80, not 100
    {"6100", 80},  // listed twice: the first "6100" always wins
    {"400", 80}, {"C73XE", 80},
    {"MCP78D", 80},  // holds the earlier "MCP78": gives 100
    {"MCP77MV", 80}, {"MCP65P", 80}, {"210S", 80},
    {"C55", 80}, {"3600", 80},
    {"6150", 80},  // listed twice: the first "6150" always wins
    {"70 SLI", 80}, {"MCP72XE", 100}, {"MCP78U", 100}, {"MCP7A-U", 100}, {"MCP7A-H", 100},
    {"MCP72", 100}, {"MCP7A-GL", 100}, {"60 SLI", 80}, {"MCP73U", 100}, {"MCP73V", 100},
    {"80a SLI", 80}, {"520", 80}, {"C55P", 80}, {"MCP610", 80}, {"500", 80}, {"510", 80},
    {"C55", 80},  // listed twice: the first "C55" always wins
    {"590", 80}, {"3050", 40},
    {"3400", 40},  // holds the earlier "400": gives 80
    {"nForce5", 30}, {"nForce4", 30}, {"nForce3", 30},
};

// Bridges of every other chipset vendor.
inline constexpr ChipsetPrice kOtherChipsets[] = {
    {"VIA", 20}, {"SIS", 20}, {"ServerWorks", 20}, {"ULi", 20},
};

// clang-format on
