// Makers of today's hard disks, SSDs and USB drives, as their names begin in a drive's product id
// or a disk identifier's vendor and product (compared without case): the Chinese brand, and whether
// the maker's word stays in the model shown (a model number such as ST2000DM001 that is itself the
// maker's mark). Rows are tried in order; the first match wins.
#pragma once

// clang-format off

// How a row's pattern is met: as the whole first word (followed by a blank or the end), or as the
// start of a model number (followed by a digit).
enum class MakerMatch { kWord, kModelNumber };

struct StorageMakerRow { const char* pattern; const char* brand; MakerMatch match; bool keepWord; };
inline constexpr StorageMakerRow kStorageMakers[] = {
    {"WDC", "西部数据", MakerMatch::kWord, false},
    {"WD_BLACK", "西部数据", MakerMatch::kWord, true},  // before "WD": "_" reads as a blank
    {"WD", "西部数据", MakerMatch::kWord, false},
    {"Seagate", "希捷", MakerMatch::kWord, false},
    {"ST", "希捷", MakerMatch::kModelNumber, true},
    {"HGST", "日立", MakerMatch::kWord, false},
    {"Hitachi", "日立", MakerMatch::kWord, false},
    {"TOSHIBA", "东芝", MakerMatch::kWord, false},
    {"KIOXIA", "铠侠", MakerMatch::kWord, false},
    {"Samsung", "三星", MakerMatch::kWord, false},
    {"KINGSTON", "金士顿", MakerMatch::kWord, false},
    {"INTEL", "英特尔", MakerMatch::kWord, false},
    {"Crucial", "英睿达", MakerMatch::kWord, false},
    {"CT", "英睿达", MakerMatch::kModelNumber, true},
    {"Micron", "美光", MakerMatch::kWord, false},
    {"SanDisk", "闪迪", MakerMatch::kWord, false},
    {"SK hynix", "海力士", MakerMatch::kWord, false},
    {"SKhynix", "海力士", MakerMatch::kWord, false},
    {"HFS", "海力士", MakerMatch::kModelNumber, true},
    {"ADATA", "威刚", MakerMatch::kWord, false},
    {"Lexar", "雷克沙", MakerMatch::kWord, false},
    {"Netac", "朗科", MakerMatch::kWord, false},
    {"Teclast", "台电", MakerMatch::kWord, false},
    {"Colorful", "七彩虹", MakerMatch::kWord, false},
    {"ZHITAI", "致态", MakerMatch::kWord, false},
    {"Gloway", "光威", MakerMatch::kWord, false},
    {"aigo", "爱国者", MakerMatch::kWord, false},
    {"PLEXTOR", "浦科特", MakerMatch::kWord, false},
    {"LITEON", "建兴", MakerMatch::kWord, false},
    {"LITE-ON", "建兴", MakerMatch::kWord, false},
    {"SSSTC", "建兴", MakerMatch::kWord, false},
    {"Transcend", "创见", MakerMatch::kWord, false},
    {"Verbatim", "威宝", MakerMatch::kWord, false},
    {"PNY", "必恩威", MakerMatch::kWord, false},
    {"Apacer", "宇瞻", MakerMatch::kWord, false},
    {"Corsair", "海盗船", MakerMatch::kWord, false},
    {"GALAX", "影驰", MakerMatch::kWord, false},
    {"Patriot", "博帝", MakerMatch::kWord, false},
    {"TEAM", "十铨", MakerMatch::kWord, false},
    {"Biwin", "佰维", MakerMatch::kWord, false},
    {"KingBank", "金百达", MakerMatch::kWord, false},
    {"HIKVISION", "海康威视", MakerMatch::kWord, false},
    {"MAXTOR", "迈拓", MakerMatch::kWord, false},
    {"FUJITSU", "富士通", MakerMatch::kWord, false},
    {"HP", "惠普", MakerMatch::kWord, false},
    {"Lenovo", "联想", MakerMatch::kWord, false},
    {"Sony", "索尼", MakerMatch::kWord, false},
};

// clang-format on
