// The memory analyser: generation, sizes in GB, channel word and one line per module.
#include "analysers/memory.h"

#include <cstdlib>

#include "analysers/memory_rules.h"
#include "scan/text_helpers.h"

namespace {

// Megabytes (a decimal prefix, 0 when there is none) as gigabytes: single-precision 1/1024, trimmed.
std::string Gigabytes(const std::string& megabytes) {
  const long long value = std::strtoll(megabytes.c_str(), nullptr, 10);
  return FormatTrimmed(static_cast<float>(value) * (1.0f / 1024.0f));
}

// The first row whose key column equals value exactly.
template <typename Row, size_t N>
const Row* FindRow(const Row (&rows)[N], const char* Row::*key, const std::string& value) {
  for (const Row& row : rows) {
    if (value == row.*key) return &row;
  }
  return nullptr;
}

std::string ModulePrice(const std::string& type, const std::string& size) {
  for (const MemoryPrice& row : kMemoryPrices) {
    if (type == row.type && size == row.size) return row.price;
  }
  return {};
}

std::string Span(const char* cls, const std::string& text) {
  return std::string("<span class=\"") + cls + "\">" + text + "</span>";
}

// Rewrites one module and appends its line to the two buffers.
void AnalyseModule(const std::string& type, MemoryModule& module, size_t k, size_t count,
                   std::string& html, std::string& text) {
  if (const auto* row = FindRow(kBandwidthClocks, &BandwidthClock::bandwidth, module.bandwidth)) {
    module.bandwidth = row->clock;
  }
  module.size = Gigabytes(module.size);
  if (const auto* row = FindRow(kMemoryBrands, &MemoryBrand::manufacturer, module.manufacturer)) {
    module.manufacturer = row->chinese;
  }
  module.price = ModulePrice(type, module.size);

  html += "</br>";
  text += "\r\n";
  if (count > 1) {
    html += Span("age", "第" + std::to_string(k) + "条");
    text += "第" + std::to_string(k) + "条";
  }
  const std::string brand = module.manufacturer.empty() ? "未知" : module.manufacturer;
  html += Span("age", " 品牌:") + Span("agevol", brand);
  text += " 品牌:" + brand;
  if (!module.size.empty()) {
    html += Span("age", " 大小:") + Span("agevol", module.size + "G");
    text += " 大小:" + module.size + "G";
  }
  if (!module.bandwidth.empty()) {
    html += Span("age", " 最大频率:") + Span("agevol", module.bandwidth);
    text += " 最大频率:" + module.bandwidth;
  }
  if (!module.price.empty()) {
    html += Span("ap", " 二手估价:") + Span("apvol", module.price);
    text += " 二手估价:" + module.price;
  }
}

}  // namespace

void AnalyseMemory(MemoryRecord& memory, std::vector<MemoryModule>& modules) {
  if (memory.channels == "Single") {
    memory.channels = "单";
  } else if (memory.channels.compare(0, 4, "Dual") == 0) {
    memory.channels = "双";
  }
  if (const auto* row = FindRow(kMemoryGenerations, &MemoryGeneration::type, memory.type)) {
    memory.type = row->chinese;
  }
  // A size the report did not give stays unknown rather than showing as "0G".
  if (!memory.size.empty()) memory.size = Gigabytes(memory.size) + "G";

  std::string moduleHtml, moduleText;
  for (size_t k = 0; k < modules.size() && !modules[k].size.empty(); ++k) {
    AnalyseModule(memory.type, modules[k], k + 1, modules.size(), moduleHtml, moduleText);
  }

  // The row opens even for an unknown generation, so the block stays well formed.
  summaryHtml += "<tr valign=\"top\"><td><span class=\"type\">内存:</span></td><td><span class=\"name\">" +
                 memory.type + " " + memory.size + "</span></br>";
  summaryText += "\r\n\r\n内存:" + memory.type + " " + memory.size + "\r\n";
  if (!memory.frequency.empty()) {
    summaryHtml += Span("age", " 当前主频:") + Span("agevol", memory.frequency);
    summaryText += "当前主频:" + memory.frequency;
  }
  if (!memory.channels.empty()) {
    summaryHtml += Span("age", " 通道:") + Span("agevol", memory.channels) + " ";
    summaryText += " 通道:" + memory.channels;
  }
  summaryHtml += moduleHtml;
  summaryText += moduleText;
  if (modules.size() > 1) {
    const std::string count = std::to_string(modules.size()) + "条";
    summaryHtml += "</br>" + Span("age", "<b>内存条总数:</b>") + Span("agevol", count);
    summaryText += "\r\n内存条总数:" + count;
  }
  summaryHtml += "</td></tr>";
}
