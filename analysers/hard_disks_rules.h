// The hard disk rule tables: makers and their model-number rules, the makers' code tables and the
// estimates by size and interface.
#pragma once

#include "analysers/hard_disks.h"

// clang-format off

// Disk makers: prefix the model text begins with, Chinese brand, characters removed from the model,
// the maker's model-number rule.
struct DiskBrand { const char* prefix; const char* brand; int cut; DiskCodes codes; };
inline constexpr DiskBrand kDiskBrands[] = {
    {"WDC_", "西部数据", 4, DiskCodes::kWesternDigital},
    {"MAXTOR_", "迈拓", 7, DiskCodes::kMaxtor},
    {"ST", "希捷", 0, DiskCodes::kSeagate},  // Seagate models begin with ST, which stays
    {"HD", "日立", 0, DiskCodes::kHitachi},
    {"TOSHIBA_", "东芝", 8, DiskCodes::kNone},
    {"FUJITSU_", "富士通", 8, DiskCodes::kNone},
    {"KINGSTON_", "金士顿", 9, DiskCodes::kNone},
    {"INTEL_", "英特尔", 6, DiskCodes::kNone},
};

// Western Digital rotation letters: letter, rotation, cache.
struct WdRotation { char letter; const char* rotation; const char* cache; };
inline constexpr WdRotation kWdRotations[] = {
    {'A', "5400转", "2MB"},   {'B', "7200转", "2MB"},  {'C', "5400转", "16MB"},
    {'D', "5400转", "32MB"},  {'F', "10000转", "16MB"}, {'G', "10000转", "8MB"},
    {'J', "7200转", "8MB"},   {'K', "7200转", "16MB"}, {'L', "7200转", "32MB"},
    {'V', "5400转", "8MB"},   {'R', "5400转", "64MB"}, {'Y', "7200转", ""},  // Y names no cache
};

// Western Digital interface letters: letter, interface.
struct WdInterface { char letter; const char* interface; };
inline constexpr WdInterface kWdInterfaces[] = {
    {'S', "串口"}, {'D', "串口"}, {'T', "串口"}, {'X', "串口"},
    {'A', "并口"}, {'B', "并口"}, {'C', "并口"}, {'E', "并口"},
    {'F', "SAS"},  {'G', "SAS"},
};

// Cache codes of Maxtor, Seagate and Hitachi: code character, cache text.
struct CacheCode { char code; const char* cache; };
inline constexpr CacheCode kMaxtorCaches[] = {{'5', "32M"}, {'6', "16M"}, {'8', "8M"}, {'2', "2M"}};
inline constexpr CacheCode kSeagateCaches[] = {{'5', "32M"}, {'6', "64M"}, {'8', "8M"}, {'4', "16M"}};
inline constexpr CacheCode kHitachiCaches[] = {{'6', "16M"}, {'8', "8M"}};

// Hitachi's two-character codes: code, text.
struct HitachiCode { const char* code; const char* text; };
inline constexpr HitachiCode kHitachiInterfaces[] = {{"A3", "串口"}, {"AT", "并口"}};
inline constexpr HitachiCode kHitachiRotations[] = {{"72", "7200转 "}, {"54", "5400转 "}};  // with a blank

// Estimates: size range in GB (inclusive), price for a serial and for a parallel disk ("" for none).
struct DiskPrice { int low; int high; const char* serial; const char* parallel; };
inline constexpr DiskPrice kDiskPrices[] = {
    {2, 69, "30", "20"},         {71, 84, "80", "60"},        {85, 89, "", "60"},
    {151, 169, "150", "120"},    {241, 259, "180", "150"},    {311, 329, "200", "180"},
    {491, 809, "250", "220"},    {901, 1099, "350", "280"},   {1401, 1599, "400", "350"},
    {1901, 2099, "450", "400"},  {2901, 3099, "450", ""},
};

// clang-format on
