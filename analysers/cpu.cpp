// The processor analyser: CPUID brand fallback, short name, price, Chinese words and the block.
#include "analysers/cpu.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analysers/cpu_rules.h"
#include "analysers/rule_tables.h"
#include "platform/processor.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// clock (GHz text, read as the C library reads a decimal prefix) times factor, rounded by "%.0f".
std::string ClockPrice(const std::string& clock, double factor) {
  const double price = std::strtod(clock.c_str(), nullptr) * factor;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", price);
  return buffer;
}

// The first price row that fits; empty when none does. The name is still in its English form.
std::string PriceOf(const CpuRecord& cpu) {
  if (Contains(cpu.name, "Intel")) {
    for (const IntelCpuPrice& row : kIntelCpuPrices) {
      if (cpu.package != row.package || !Contains(cpu.name, row.family)) continue;
      return row.price ? row.price : ClockPrice(cpu.clock, row.factor);
    }
    return {};
  }
  for (const OtherCpuPrice& row : kOtherCpuPrices) {
    if (cpu.package == row.package && cpu.cores == row.cores) return ClockPrice(cpu.clock, row.factor);
  }
  return {};
}

// Only the first family word found is translated, at its first occurrence.
void TranslateFamily(std::string& name) {
  const CpuFamilyWord* row = FirstRowIn(kCpuFamilyWords, &CpuFamilyWord::word, name);
  if (row != nullptr)
    name.replace(name.find(row->word), std::char_traits<char>::length(row->word), row->chinese);
}

void TranslateCores(std::string& cores) {
  if (const CoreCountWord* row = RowEqualTo(kCoreCountWords, &CoreCountWord::cores, cores))
    cores = row->chinese;
}

// The processor block opens the summary: its name and model always, then what the record holds.
void AppendBlock(const CpuRecord& cpu) {
  SummaryBlock block("CPU", SummaryBlock::Values::kReport, SummaryBlock::Opening::kFirst);
  block.Name(cpu.name);
  block.Break();
  block.ItemAlways("型号:", cpu.specification);
  block.Break();
  block.Item("核心数:", cpu.cores);
  block.Item(" 线程数:", cpu.threads);
  if (block.Item(" 主频:", cpu.clock)) block.Break();
  block.Item(" 制造工艺:", cpu.technology);
  block.Item(" 接口:", cpu.package);
  block.Price(cpu.price);
}

}  // namespace

void ApplyProcessorBrand(CpuRecord& cpu, const std::string& brand) {
  cpu.specification = brand;
  cpu.name = cpu.specification;
  for (const char* piece : kBrandErasures) {
    const size_t at = cpu.name.find(piece);
    if (at != std::string::npos) cpu.name.erase(at, std::char_traits<char>::length(piece));
  }
}

void ReadProcessorBrand(CpuRecord& cpu) {
  const std::string bytes = ReadCpuidBrandBytes();
  ApplyProcessorBrand(cpu, bytes.substr(0, bytes.find('\0')));
}

void AnalyseCpu(CpuRecord& cpu) {
  if (!cpu.name.empty()) {
    std::vector<std::string> words;
    SplitWords(cpu.name, words);
    if (words.size() < 3 && !cpu.specification.empty()) cpu.name = cpu.specification;
  }
  cpu.price = PriceOf(cpu);
  ReplaceAll(cpu.name, "Intel", "英特尔");
  TranslateFamily(cpu.name);
  TranslateCores(cpu.cores);
  AppendBlock(cpu);
}
