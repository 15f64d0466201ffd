// The processor analyser: brand erasures, short name, both price tables, Chinese words, whole blocks.
#include "analysers/cpu.h"

#include <gtest/gtest.h>

#include <cstring>

#include "analysers/cpu_rules.h"
#include "platform/processor.h"
#include "tests/test_support.h"

namespace {

CpuRecord Analysed(CpuRecord cpu) {
  AnalyseCpu(cpu);
  return cpu;
}

TEST(ProcessorBrand, ErasesTheFirstOfEachPieceInOrder) {
  // clang-format off
  struct { const char* brand; const char* name; } kCases[] = {
      {"AMD Athlon(tm) 64 X2 Dual Core Processor 5600+", "AMD Athlon64 X2 5600+"},
      {"AMD Athlon(tm) II X2 250 Processor", "AMD AthlonII X2 250 Processor"},  // no blank after it
      {"Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz", "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz"},
      {"Dual Core Dual Core (tm) (tm) Processor Processor ", "Dual Core (tm) Processor "},
      {"Dual (tm) Core X", "Dual Core X"},  // "Dual Core " is looked for before "(tm) " is erased
      {"AMD Sempron(TM) Processor 3000+", "AMD Sempron(TM) 3000+"},
      {"       Intel(R) Pentium(R) 4 CPU 2.80GHz", "       Intel(R) Pentium(R) 4 CPU 2.80GHz"},
      {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuRecord cpu;
    cpu.name = "stale";
    ApplyProcessorBrand(cpu, c.brand);
    EXPECT_EQ(cpu.specification, c.brand);
    EXPECT_EQ(cpu.name, c.name) << c.brand;
  }
}

TEST(ProcessorBrand, ThisProcessorsBrandEndsAtItsFirstNul) {
  const std::string bytes = ReadCpuidBrandBytes();
  ASSERT_EQ(bytes.size(), 48u);
  CpuRecord cpu;
  ReadProcessorBrand(cpu);
  EXPECT_EQ(cpu.specification, std::string(bytes.c_str()));
  EXPECT_EQ(cpu.specification.find('\0'), std::string::npos);
  CpuRecord expected;
  ApplyProcessorBrand(expected, bytes.c_str());
  EXPECT_EQ(cpu.name, expected.name);
}

// Every price row, and the inputs that must miss.
TEST(AnalyseCpu, PriceRows) {
  // clang-format off
  struct { const char* name; const char* package; const char* cores; const char* clock; const char* price; }
  kCases[] = {
      {"Intel Core i3 2100", "1155 LGA", "2", "3.10", "450"},
      {"Intel Core i5 2400", "1155 LGA", "4", "3.10", "750"},
      {"Intel Core i7 2600", "1155 LGA", "4", "3.40", "1200"},
      {"Intel Core i3 530", "1156 LGA", "2", "2.93", "350"},
      {"Intel Core i5 750", "1156 LGA", "4", "2.67", "550"},
      {"Intel Core i7 870", "1156 LGA", "4", "2.93", "1000"},
      {"Intel Celeron E3400", "775 LGA", "2", "2.60", "179"},   // 179.4
      {"Intel Pentium E5300", "775 LGA", "2", "2.60", "226"},   // 226.2
      {"Intel Pentium G6950", "775 LGA", "2", "2.80", "185"},   // 184.8
      {"AMD Athlon II X2 250", "AM3 (938)", "2", "3.00", "174"},
      {"AMD Phenom II X3 720", "AM3 (938)", "3", "2.80", "210"},
      {"AMD Phenom II X4 955", "AM3 (938)", "4", "3.20", "298"},  // 297.6
      {"AMD Athlon 64 X2 5600+", "AM2 (940)", "2", "2.80", "84"},
      {"AMD Athlon X2 7750", "AM2+ (940)", "2", "2.70", "81"},
      {"AMD Athlon 64 3000+", "AM2 (940)", "1", "1.80", "22"},    // 21.6
      {"AMD Sempron LE-1250", "AM2+ (940)", "1", "2.20", "26"},   // 26.4
      {"AMD A4-3400 APU", "FM1 (905)", "2", "2.70", "157"},       // 156.6
      // Misses.
      {"Intel(R) Core(TM) i5-2400 CPU", "1155 LGA", "4", "3.10", ""},  // "Core(TM) i5" is not "Core i5"
      {"Intel Core i5 2400", "1156 LGA ", "4", "3.10", ""},             // package compared exactly
      {"Intel(R) Core(TM)2 Duo CPU E7500", "775 LGA", "2", "2.93", ""},
      {"Intel Celeron 430", "775 LGA", "1", "1.80", ""},                 // "Celeron E" needs the E
      {"Intel Core i5 2400", "AM3 (938)", "2", "3.10", ""},             // Intel rows only
      {"AMD Athlon II X2 250", "775 LGA", "2", "3.00", ""},
      {"intel Core i5 2400", "1155 LGA", "4", "3.10", ""},              // second table: no such package
      {"AMD Phenom II X6 1055T", "AM3 (938)", "6", "2.80", ""},
      {"AMD A8-3850 APU", "FM1 (905)", "4", "2.90", ""},
      {"AMD Athlon 64 3000+", "AM2 (940)", "", "1.80", ""},
      {"AMD Athlon 64 3000+", "", "1", "1.80", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuRecord cpu;
    cpu.name = c.name;
    cpu.package = c.package;
    cpu.cores = c.cores;
    cpu.clock = c.clock;
    EXPECT_EQ(Analysed(cpu).price, c.price) << c.name << " / " << c.package;
  }
}

TEST(AnalyseCpu, ClockPricesReadTheDecimalPrefixAndRoundByPrintf) {
  // clang-format off
  struct { const char* clock; const char* price; } kCases[] = {
      {"", "0"}, {"fast", "0"}, {"2.93GHz", "202"},  // 202.17
      {"2.50", "172"},  // 172.5 exactly: "%.0f" rounds a tie to the even neighbour
      {"2.00", "138"}, {" 2.00", "138"}, {"-1", "-69"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuRecord cpu;
    cpu.name = "Intel Celeron E3300";
    cpu.package = "775 LGA";
    cpu.clock = c.clock;
    EXPECT_EQ(Analysed(cpu).price, c.price) << "[" << c.clock << "]";
  }
}

TEST(AnalyseCpu, FirstPriceRowWins) {
  CpuRecord cpu;
  cpu.name = "Intel Pentium E Celeron E";  // both 775 rows fit; Celeron E comes first
  cpu.package = "775 LGA";
  cpu.clock = "2.00";
  EXPECT_EQ(Analysed(cpu).price, "138");
  cpu.name = "Intel Core i7 Core i3";
  cpu.package = "1155 LGA";
  EXPECT_EQ(Analysed(cpu).price, "450");
}

TEST(AnalyseCpu, ShortNameIsReplacedBySpecification) {
  // clang-format off
  struct { const char* name; const char* specification; const char* result; } kCases[] = {
      {"Intel Celeron", "Intel(R) Celeron(R) CPU 430 @ 1.80GHz", "英特尔(R) 赛扬(R) CPU 430 @ 1.80GHz"},
      {"  Intel \t Celeron ", "Intel Celeron 430", "英特尔 赛扬 430"},
      {"Celeron", "", "赛扬"},
      {"Intel Celeron 430", "Intel(R) Celeron(R) CPU 430", "英特尔 赛扬 430"},
      {"", "Intel(R) Celeron(R) CPU 430", ""},  // an empty name stays empty
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuRecord cpu;
    cpu.name = c.name;
    cpu.specification = c.specification;
    EXPECT_EQ(U8(Analysed(cpu).name), U8(c.result)) << c.name;
  }
  CpuRecord cpu;  // the price looks at the replaced name
  cpu.name = "Intel i5";
  cpu.specification = "Intel Core i5 2400";
  cpu.package = "1155 LGA";
  EXPECT_EQ(Analysed(cpu).price, "750");
}

// Every family word, the order between them, and the vendor word.
TEST(AnalyseCpu, VendorAndFamilyWords) {
  // clang-format off
  struct { const char* name; const char* result; } kCases[] = {
      {"AMD Athlon(tm) 64 X2 Dual Core Processor 5600+", "AMD Athlon(tm) 64 X2 双核 Processor 5600+"},
      {"Intel(R) Core(TM)2 Duo CPU E7500", "英特尔(R) 酷睿(TM)2 Duo CPU E7500"},
      {"AMD Sempron(tm) Processor 3000+", "AMD 闪龙(tm) Processor 3000+"},
      {"AMD Athlon(tm) II X2 250 Processor", "AMD 速龙(tm) II X2 250 Processor"},
      {"Intel(R) Celeron(R) CPU E3300 @ 2.50GHz", "英特尔(R) 赛扬(R) CPU E3300 @ 2.50GHz"},
      {"Intel(R) Pentium(R) CPU G630 @ 2.70GHz", "英特尔(R) 奔腾(R) CPU G630 @ 2.70GHz"},
      {"Intel(R) Xeon(R) CPU E5-2670 0 @ 2.60GHz", "英特尔(R) 至强(R) CPU E5-2670 0 @ 2.60GHz"},
      {"AMD Phenom(tm) II X4 955 Processor", "AMD 羿龙(tm) II X4 955 Processor"},
      {"Intel(R) Itanium(R) 2 Processor", "英特尔(R) 安腾(R) 2 Processor"},
      {"Intel(R) Atom(TM) CPU Z3735F @ 1.33GHz", "英特尔(R) 凌动(TM) CPU Z3735F @ 1.33GHz"},
      {"AMD Turion(tm) 64 X2 Mobile", "AMD Turion 64 X2 Mobile"},
      {"AMD Geode Processor LX800", "AMD Geode  LX800"},
      {"Intel(R) Pentium(R) Dual Core CPU E5200", "英特尔(R) Pentium(R) 双核 CPU E5200"},
      {"Intel Core i5 Processor", "英特尔 酷睿 i5 Processor"},
      {"AMD Athlon Athlon X2", "AMD 速龙 Athlon X2"},  // first occurrence only
      {"AMD ATHLON(TM) X2", "AMD ATHLON(TM) X2"},      // case-sensitive
      {"Intel Intel Core i3", "英特尔 英特尔 酷睿 i3"},  // every "Intel"
      {"Cyrix MII 300GP", "Cyrix MII 300GP"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuRecord cpu;
    cpu.name = c.name;
    EXPECT_EQ(U8(Analysed(cpu).name), U8(c.result)) << c.name;
  }
}

TEST(AnalyseCpu, CoreCountWords) {
  // clang-format off
  struct { const char* cores; const char* word; } kCases[] = {
      {"1", "单核"}, {"2", "双核"}, {"3", "三核"}, {"4", "四核"}, {"6", "六核"}, {"8", "八核"},
      {"5", "5"}, {"12", "12"}, {"02", "02"}, {"2 ", "2 "}, {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    CpuRecord cpu;
    cpu.cores = c.cores;
    EXPECT_EQ(U8(Analysed(cpu).cores), U8(c.word)) << c.cores;
  }
}

TEST(CpuRules, TablesAreWellFormed) {
  EXPECT_EQ(std::size(kIntelCpuPrices), 9u);
  for (const auto& row : kIntelCpuPrices) {
    EXPECT_TRUE(*row.package && *row.family);
    EXPECT_TRUE(row.price ? *row.price != '\0' : row.factor > 0);
  }
  EXPECT_EQ(std::size(kOtherCpuPrices), 8u);
  for (const auto& row : kOtherCpuPrices) EXPECT_TRUE(*row.package && *row.cores && row.factor > 0);
  EXPECT_EQ(std::size(kCpuFamilyWords), 12u);
  for (const auto& row : kCpuFamilyWords) EXPECT_TRUE(*row.word);
  for (const auto& row : kCoreCountWords) EXPECT_TRUE(*row.cores && *row.chinese);
  for (const char* piece : kBrandErasures) EXPECT_EQ(piece[std::strlen(piece) - 1], ' ');
}

struct CpuMachine {
  const char* what;
  CpuRecord cpu;
  const char* html;
  const char* text;
};

TEST(AnalyseCpu, WholeBlocks) {
  // clang-format off
  const CpuMachine kMachines[] = {
      {"LGA775 Pentium E",
       {"Intel Pentium E5300", "2", "775 LGA", "Intel(R) Pentium(R) Dual  CPU  E5300  @ 2.60GHz", "2.60", "2", "",
        "45 nm"},
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">英特尔 奔腾 E5300"
       "</span></br><span class=\"age\">型号:</span><span class=\"agevol\">Intel(R) Pentium(R) Dual  CPU  E5300"
       "  @ 2.60GHz</span></br><span class=\"age\">核心数:</span><span class=\"agevol\">双核</span>"
       "<span class=\"age\"> 线程数:</span><span class=\"agevol\">2</span><span class=\"age\"> 主频:</span>"
       "<span class=\"agevol\">2.60</span></br><span class=\"age\"> 制造工艺:</span><span class=\"agevol\">45 nm"
       "</span><span class=\"age\"> 接口:</span><span class=\"agevol\">775 LGA</span><span class=\"ap\"> 二手估价:"
       "</span><span class=\"apvol\">226</span></td></tr>",
       "CPU: 英特尔 奔腾 E5300\r\n型号:Intel(R) Pentium(R) Dual  CPU  E5300  @ 2.60GHz\r\n核心数:双核 线程数:2"
       " 主频:2.60\r\n 制造工艺:45 nm 接口:775 LGA 二手估价:226"},
      {"LGA1155 Core i5 (DQ77MK report)",
       {"Intel Core i5 3570", "4", "1155 LGA", "Intel(R) Core(TM) i5-3570 CPU @ 3.40GHz", "3.40", "4", "", "22 nm"},
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">英特尔 酷睿 i5 3570"
       "</span></br><span class=\"age\">型号:</span><span class=\"agevol\">Intel(R) Core(TM) i5-3570 CPU @ 3.40GHz"
       "</span></br><span class=\"age\">核心数:</span><span class=\"agevol\">四核</span><span class=\"age\"> 线程数:"
       "</span><span class=\"agevol\">4</span><span class=\"age\"> 主频:</span><span class=\"agevol\">3.40</span>"
       "</br><span class=\"age\"> 制造工艺:</span><span class=\"agevol\">22 nm</span><span class=\"age\"> 接口:"
       "</span><span class=\"agevol\">1155 LGA</span><span class=\"ap\"> 二手估价:</span><span class=\"apvol\">750"
       "</span></td></tr>",
       "CPU: 英特尔 酷睿 i5 3570\r\n型号:Intel(R) Core(TM) i5-3570 CPU @ 3.40GHz\r\n核心数:四核 线程数:4 主频:3.40"
       "\r\n 制造工艺:22 nm 接口:1155 LGA 二手估价:750"},
      {"AM3 Athlon II X2",
       {"AMD Athlon II X2 250", "2", "AM3 (938)", "AMD Athlon(tm) II X2 250 Processor", "3.00", "2", "", "45 nm"},
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">AMD 速龙 II X2 250"
       "</span></br><span class=\"age\">型号:</span><span class=\"agevol\">AMD Athlon(tm) II X2 250 Processor"
       "</span></br><span class=\"age\">核心数:</span><span class=\"agevol\">双核</span><span class=\"age\"> 线程数:"
       "</span><span class=\"agevol\">2</span><span class=\"age\"> 主频:</span><span class=\"agevol\">3.00</span>"
       "</br><span class=\"age\"> 制造工艺:</span><span class=\"agevol\">45 nm</span><span class=\"age\"> 接口:"
       "</span><span class=\"agevol\">AM3 (938)</span><span class=\"ap\"> 二手估价:</span><span class=\"apvol\">174"
       "</span></td></tr>",
       "CPU: AMD 速龙 II X2 250\r\n型号:AMD Athlon(tm) II X2 250 Processor\r\n核心数:双核 线程数:2 主频:3.00\r\n"
       " 制造工艺:45 nm 接口:AM3 (938) 二手估价:174"},
      {"FM1 A-series, two-word name, no thread count",
       {"AMD A4-3400", "2", "FM1 (905)", "AMD A4-3400 APU with Radeon(tm) HD Graphics", "2.70", "", "", "32 nm"},
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">AMD A4-3400 APU with "
       "Radeon HD Graphics</span></br><span class=\"age\">型号:</span><span class=\"agevol\">AMD A4-3400 APU with "
       "Radeon(tm) HD Graphics</span></br><span class=\"age\">核心数:</span><span class=\"agevol\">双核</span>"
       "<span class=\"age\"> 主频:</span><span class=\"agevol\">2.70</span></br><span class=\"age\"> 制造工艺:"
       "</span><span class=\"agevol\">32 nm</span><span class=\"age\"> 接口:</span><span class=\"agevol\">FM1 (905)"
       "</span><span class=\"ap\"> 二手估价:</span><span class=\"apvol\">157</span></td></tr>",
       "CPU: AMD A4-3400 APU with Radeon HD Graphics\r\n型号:AMD A4-3400 APU with Radeon(tm) HD Graphics\r\n"
       "核心数:双核 主频:2.70\r\n 制造工艺:32 nm 接口:FM1 (905) 二手估价:157"},
      {"LGA775 Core 2: a socket and family without a price",
       {"Intel(R) Core(TM)2 Duo CPU E7500", "2", "775 LGA", "", "2.93", "2", "", ""},
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">英特尔(R) 酷睿(TM)2 Duo"
       " CPU E7500</span></br><span class=\"age\">型号:</span><span class=\"agevol\"></span></br>"
       "<span class=\"age\">核心数:</span><span class=\"agevol\">双核</span><span class=\"age\"> 线程数:</span>"
       "<span class=\"agevol\">2</span><span class=\"age\"> 主频:</span><span class=\"agevol\">2.93</span></br>"
       "<span class=\"age\"> 接口:</span><span class=\"agevol\">775 LGA</span></td></tr>",
       "CPU: 英特尔(R) 酷睿(TM)2 Duo CPU E7500\r\n型号:\r\n核心数:双核 线程数:2 主频:2.93\r\n 接口:775 LGA"},
  };
  // clang-format on
  for (const auto& m : kMachines) {
    summaryHtml = "<prior>";
    summaryText = "prior";
    CpuRecord cpu = m.cpu;
    AnalyseCpu(cpu);
    EXPECT_EQ(U8(summaryHtml), U8(std::string("<prior>") + m.html)) << m.what;
    EXPECT_EQ(U8(summaryText), U8(std::string("prior") + m.text)) << m.what;
  }
}

TEST(AnalyseCpu, FallbackBlockFromTheBrandTextOnly) {
  // clang-format off
  struct { const char* brand; const char* html; const char* text; } kCases[] = {
      {"AMD Athlon(tm) 64 X2 Dual Core Processor 5600+",
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">AMD 速龙64 X2 5600+"
       "</span></br><span class=\"age\">型号:</span><span class=\"agevol\">AMD Athlon(tm) 64 X2 Dual Core "
       "Processor 5600+</span></br></td></tr>",
       "CPU: AMD 速龙64 X2 5600+\r\n型号:AMD Athlon(tm) 64 X2 Dual Core Processor 5600+\r\n"},
      {"Intel(R) Core(TM)2 Duo CPU     E7500  @ 2.93GHz",
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\">英特尔(R) 酷睿(TM)2 Duo"
       " CPU     E7500  @ 2.93GHz</span></br><span class=\"age\">型号:</span><span class=\"agevol\">Intel(R) "
       "Core(TM)2 Duo CPU     E7500  @ 2.93GHz</span></br></td></tr>",
       "CPU: 英特尔(R) 酷睿(TM)2 Duo CPU     E7500  @ 2.93GHz\r\n型号:Intel(R) Core(TM)2 Duo CPU     E7500  @ "
       "2.93GHz\r\n"},
      {"",  // a processor without the brand leaves
       "<tr valign=\"top\"><td><span class=\"type\">CPU:</span></td><td><span class=\"name\"></span></br>"
       "<span class=\"age\">型号:</span><span class=\"agevol\"></span></br></td></tr>",
       "CPU: \r\n型号:\r\n"},
  };
  // clang-format on
  for (const auto& c : kCases) {
    summaryHtml.clear();
    summaryText.clear();
    CpuRecord cpu;
    ApplyProcessorBrand(cpu, c.brand);
    AnalyseCpu(cpu);
    EXPECT_EQ(cpu.price, "");
    EXPECT_EQ(U8(summaryHtml), U8(c.html)) << c.brand;
    EXPECT_EQ(U8(summaryText), U8(c.text)) << c.brand;
  }
}

TEST(AnalyseCpu, RecordKeepsItsChineseForms) {
  CpuRecord cpu;
  cpu.name = "Intel(R) Core(TM) i5-2400 CPU";
  cpu.package = "1155 LGA";
  cpu.cores = "4";
  AnalyseCpu(cpu);
  EXPECT_EQ(U8(cpu.name), U8("英特尔(R) 酷睿(TM) i5-2400 CPU"));
  EXPECT_EQ(U8(cpu.cores), U8("四核"));
  EXPECT_EQ(cpu.package, "1155 LGA");
}

}  // namespace
