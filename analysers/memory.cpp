// The memory analyser: generation, sizes in GB, channel word and one line per module.
#include "analysers/memory.h"

#include <cstdlib>

#include "analysers/memory_rules.h"
#include "analysers/rule_tables.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Megabytes (a decimal prefix, 0 when there is none) as gigabytes: single-precision 1/1024, trimmed.
std::string Gigabytes(const std::string& megabytes) {
  const long long value = std::strtoll(megabytes.c_str(), nullptr, 10);
  return FormatTrimmed(static_cast<float>(value) * (1.0f / 1024.0f));
}

std::string ModulePrice(const std::string& type, const std::string& size) {
  for (const MemoryPrice& row : kMemoryPrices) {
    if (type == row.type && size == row.size) return row.price;
  }
  return {};
}

// Rewrites one module: clock, size in GB, Chinese maker, price.
void AnalyseModule(const std::string& type, MemoryModule& module) {
  if (const auto* row = RowEqualTo(kBandwidthClocks, &BandwidthClock::bandwidth, module.bandwidth)) {
    module.bandwidth = row->clock;
  }
  module.size = Gigabytes(module.size);
  if (const auto* row = RowEqualTo(kMemoryBrands, &MemoryBrand::manufacturer, module.manufacturer)) {
    module.manufacturer = row->chinese;
  }
  module.price = ModulePrice(type, module.size);
}

// One module's line; its number k only when the report listed more than one module.
void AppendModule(SummaryBlock& block, const MemoryModule& module, size_t k, size_t count) {
  block.Break();
  if (count > 1) block.Label("第" + std::to_string(k) + "条");
  block.Item(" 品牌:", module.manufacturer.empty() ? "未知" : module.manufacturer);
  block.Item(" 大小:", module.size.empty() ? "" : module.size + "G");
  block.Item(" 最大频率:", module.bandwidth);
  block.Price(module.price);
}

}  // namespace

void AnalyseMemory(MemoryRecord& memory, std::vector<MemoryModule>& modules) {
  if (memory.channels == "Single") {
    memory.channels = "单";
  } else if (memory.channels.compare(0, 4, "Dual") == 0) {
    memory.channels = "双";
  }
  if (const auto* row = RowEqualTo(kMemoryGenerations, &MemoryGeneration::type, memory.type)) {
    memory.type = row->chinese;
  }
  // A size the report did not give stays unknown rather than showing as "0G".
  if (!memory.size.empty()) memory.size = Gigabytes(memory.size) + "G";

  // The modules up to the first without a size are listed.
  size_t listed = 0;
  while (listed < modules.size() && !modules[listed].size.empty())
    AnalyseModule(memory.type, modules[listed++]);

  // The row opens even for an unknown generation, so the block stays well formed.
  SummaryBlock block("内存");
  block.Name(memory.type + " " + memory.size);
  block.Break();
  block.Item({" 当前主频:", "当前主频:"}, memory.frequency);  // the text has no blank before this label
  if (block.Item(" 通道:", memory.channels)) block.Blank(Form::kPage);
  for (size_t k = 0; k < listed; ++k) AppendModule(block, modules[k], k + 1, modules.size());
  if (modules.size() > 1) {
    block.Break();
    // The count's line: the page shows its label in bold, in the item's own spans.
    block.Item({"<b>内存条总数:</b>", "内存条总数:"}, std::to_string(modules.size()) + "条");
  }
}
