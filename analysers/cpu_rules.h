// The processor rule tables: price by socket and family or core count, and the Chinese words.
#pragma once

// clang-format off

// Intel price rows: socket as the report writes it, family text the name must hold, fixed price;
// a null price means clock (GHz) times factor.
struct IntelCpuPrice { const char* package; const char* family; const char* price; double factor; };
inline constexpr IntelCpuPrice kIntelCpuPrices[] = {
    {"1155 LGA", "Core i3", "450", 0},
    {"1155 LGA", "Core i5", "750", 0},
    {"1155 LGA", "Core i7", "1200", 0},
    {"1156 LGA", "Core i3", "350", 0},
    {"1156 LGA", "Core i5", "550", 0},
    {"1156 LGA", "Core i7", "1000", 0},
    {"775 LGA", "Celeron E", nullptr, 69},
    {"775 LGA", "Pentium E", nullptr, 87},
    {"775 LGA", "Pentium G", nullptr, 66},
};

// Price rows for every other processor: socket, core count, clock (GHz) factor.
struct OtherCpuPrice { const char* package; const char* cores; double factor; };
inline constexpr OtherCpuPrice kOtherCpuPrices[] = {
    {"AM3 (938)", "2", 58},
    {"AM3 (938)", "3", 75},
    {"AM3 (938)", "4", 93},
    {"AM2 (940)", "2", 30},
    {"AM2+ (940)", "2", 30},
    {"AM2 (940)", "1", 12},
    {"AM2+ (940)", "1", 12},
    {"FM1 (905)", "2", 58},
};

// Family words: word in the name, its Chinese word (empty: the word is erased). Only the first word
// found is translated, so "Dual Core" must come before "Core".
struct CpuFamilyWord { const char* word; const char* chinese; };
inline constexpr CpuFamilyWord kCpuFamilyWords[] = {
    {"Dual Core", "双核"},
    {"Core", "酷睿"},
    {"Sempron", "闪龙"},
    {"Athlon", "速龙"},
    {"Celeron", "赛扬"},
    {"Pentium", "奔腾"},
    {"Xeon", "至强"},
    {"Phenom", "羿龙"},
    {"Itanium", "安腾"},
    {"Atom", "凌动"},
    {"(tm)", ""},
    {"Processor", ""},
};

// Core counts: the report's number, its Chinese word. Other counts stay digits.
struct CoreCountWord { const char* cores; const char* chinese; };
inline constexpr CoreCountWord kCoreCountWords[] = {
    {"1", "单核"}, {"2", "双核"}, {"3", "三核"}, {"4", "四核"}, {"6", "六核"}, {"8", "八核"},
};

// Brand text pieces erased (first occurrence each, in this order) from the CPUID brand text.
inline constexpr const char* kBrandErasures[] = {"Dual Core ", "(tm) ", "Processor "};

// clang-format on
