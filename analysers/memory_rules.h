// The memory rule tables: module bandwidth names, brands and per-module prices.
#pragma once

// clang-format off

// Bandwidth names of the SPD block: the exact name, the rated clock in MHz it stands for.
struct BandwidthClock { const char* bandwidth; const char* clock; };
inline constexpr BandwidthClock kBandwidthClocks[] = {
    {"PC3-10600", "1333"}, {"PC3-10700H", "1333"}, {"PC3-10700", "1333"},
    {"PC2-4300", "533"},   {"PC2-4300f", "533"},
    {"PC2-5300", "667"},   {"PC2-5300f", "667"},
    {"PC2-6400", "800"},   {"PC2-6400f", "800"},
    {"PC3-12800", "1600"},
    {"PC2100", "266"},
    {"PC2700", "333"},
    {"PC3200", "400"},
};

// Module brands: the report's maker word with one blank, the Chinese name with one blank.
struct MemoryBrand { const char* manufacturer; const char* chinese; };
inline constexpr MemoryBrand kMemoryBrands[] = {
    {"Kingston ", "金士顿 "},
    {"Kingmax ", "胜创 "},
    {"Kingbox ", "黑金刚 "},
    {"Samsung ", "三星 "},
    {"Corsair ", "海盗船 "},
    {"A-Data ", "威刚 "},
    {"Tigo ", "金泰克 "},
    {"Plextor ", "浦科特 "},
    {"Transcend ", "创见 "},
    {"Apacer ", "宇瞻 "},
    {"Gskill ", "芝奇 "},
    {"Geil ", "金邦科技 "},
    {"Elixir ", "南亚易胜 "},
    {"Hynix ", "现代 "},
    {"Hyundai ", "现代 "},
    {"Ramax ", "记忆数码 "},
    {"Ramaxel ", "记忆数码 "},
    {"Leadmax ", "超胜科技 "},
    {"Wjdhk ", "无间道 "},
    {"Guangwei ", "光威 "},
    {"Team ", "十铨科技 "},
    {"ASint ", "昱联科技 "},
    {"Patriot ", "博帝 "},
    {"Messbon ", "梅赛伯 "},
    {"Ramsta ", "瑞势 "},
    {"Bestdon ", "邦顿 "},
    {"Romos ", "蓝魔 "},
};

// Module prices: translated generation, module size in GB as FormatTrimmed writes it, price.
struct MemoryPrice { const char* type; const char* size; const char* price; };
inline constexpr MemoryPrice kMemoryPrices[] = {
    {"DDR2(二代)", "1", "50"},
    {"DDR2(二代)", "2", "100"},
    {"DDR2(二代)", "3", "120"},
    {"DDR2(二代)", "4", "160"},
    {"DDR3(三代)", "2", "50"},
    {"DDR3(三代)", "4", "70"},
    {"DDR3(三代)", "6", "100"},
    {"DDR3(三代)", "8", "140"},
    {"DDR(一代)", "1", "50"},
    {"DDR(一代)", "0.5", "20"},
    {"DDR(一代)", "0.2", "5"},  // only sizes of about 205 MB round to "0.2"; 256 MB gives "0.25"
};

// Generations: the report's memory type, its Chinese form.
struct MemoryGeneration { const char* type; const char* chinese; };
inline constexpr MemoryGeneration kMemoryGenerations[] = {
    {"DDR2", "DDR2(二代)"},
    {"DDR3", "DDR3(三代)"},
    {"DDR", "DDR(一代)"},
    // today's generations, and the low-power forms the reports write; no price table knows them
    {"DDR4", "DDR4(四代)"},
    {"DDR5", "DDR5(五代)"},
    {"LPDDR3", "LPDDR3(三代)"},
    {"LPDDR4", "LPDDR4(四代)"},
    {"LPDDR4X", "LPDDR4X(四代)"},
    {"LPDDR5", "LPDDR5(五代)"},
    {"LPDDR5X", "LPDDR5X(五代)"},
};

// clang-format on
