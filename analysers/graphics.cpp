// The graphics analyser: adapter name, integrated on the board or in the processor, video memory.
#include "analysers/graphics.h"

#include <string>

#include "analysers/graphics_rules.h"

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
  const std::string type = GraphicsType(graphics.name);
  summaryHtml += "<tr valign=\"top\"><td><span class=\"type\">显卡:</span></td><td><span class=\"name\">" +
                 graphics.name + "</span></br>";
  summaryText += "\r\n\r\n显卡:" + graphics.name + "\r\n";
  if (!type.empty()) {
    summaryHtml += "<span class=\"age\"> 类型:</span><span class=\"agevol\">" + type + "</span>";
    summaryText += " 类型:" + type;
  }
  if (!graphics.memory.empty()) {
    summaryHtml += "<span class=\"age\"> 显存大小:</span><span class=\"agevol\">" + graphics.memory + "</span>";
    summaryText += " 显存大小:" + graphics.memory;
  }
  summaryHtml += "</td></tr>";
}
