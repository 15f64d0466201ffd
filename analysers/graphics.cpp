// The graphics analyser: adapter name, integrated on the board or in the processor, video memory.
#include "analysers/graphics.h"

#include <string>

#include "analysers/graphics_rules.h"
#include "scan/summary_report.h"

namespace {

template <size_t N>
bool Listed(const char* const (&names)[N], const std::string& name) {
  for (const char* listed : names) {
    if (name == listed) return true;
  }
  return false;
}

// The Chinese kind of graphics, empty for a separate card.
std::string GraphicsType(const std::string& name) {
  if (Listed(kBoardGraphicsNames, name)) return "主板集成显卡";
  if (Listed(kCpuGraphicsNames, name)) return "CPU集成显卡";
  return {};
}

}  // namespace

void AnalyseGraphics(const GraphicsRecord& graphics) {
  SummaryBlock block("显卡");
  block.Name(graphics.name);
  block.Break();
  block.Item(" 类型:", GraphicsType(graphics.name));
  block.Item(" 显存大小:", graphics.memory);
}
