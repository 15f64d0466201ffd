// The graphics analyser: the two lists of integrated adapters and whole blocks.
#include "analysers/graphics.h"

#include <gtest/gtest.h>

#include <string>

#include "analysers/graphics_rules.h"
#include "tests/test_support.h"

namespace {

GraphicsRecord Graphics(const char* name, const char* memory) {
  GraphicsRecord graphics;
  graphics.name = name;
  graphics.memory = memory;
  return graphics;
}

std::string TextOf(const char* name) {
  summaryText.clear();
  GraphicsRecord graphics = Graphics(name, "");
  AnalyseGraphics(graphics);
  return summaryText;
}

TEST(AnalyseGraphics, IntegratedAdapterNames) {
  // clang-format off
  struct { const char* name; const char* type; } kCases[] = {
      {"ATI Radeon HD 4200", "主板集成显卡"},
      {"NVIDIA GeForce 8200", "主板集成显卡"},
      {"AMD 760G", "主板集成显卡"},
      {"ATI Radeon HD 4250 Series", "主板集成显卡"},
      {"Intel(R) G41 Express Chipset", "主板集成显卡"},
      {"NVIDIA GeForce 7025 / NVIDIA nForce 630a", "主板集成显卡"},
      {"AMD Radeon HD 6410D", "CPU集成显卡"},
      {"Intel(R) HD Graphics 3000", "CPU集成显卡"},
      {"AMD Radeon HD 6530D", "CPU集成显卡"},
      {"Intel(R) HD Graphics 4000", "CPU集成显卡"},
      {"Intel(R) HD Graphics 2000", "CPU集成显卡"},
      {"Intel HD Graphics 1000 (GT1)", "CPU集成显卡"},
      // Exact names only.
      {"ATI Radeon HD 4250", ""},
      {"Intel(R) HD Graphics 3000 ", ""},
      {"intel(r) hd graphics 3000", ""},
      {"Intel(R) HD Graphics", ""},
      {"NVIDIA GeForce GTX 650 Ti", ""},
      {"", ""},
  };
  // clang-format on
  for (const auto& c : kCases) {
    const std::string expected =
        std::string("\r\n\r\n显卡:") + c.name + "\r\n" + (*c.type ? std::string(" 类型:") + c.type : "");
    EXPECT_EQ(U8(TextOf(c.name)), U8(expected)) << c.name;
  }
}

TEST(GraphicsRules, ListsAreWellFormed) {
  EXPECT_EQ(std::size(kBoardGraphicsNames), 6u);
  EXPECT_EQ(std::size(kCpuGraphicsNames), 6u);
  for (const char* name : kBoardGraphicsNames) EXPECT_TRUE(*name);
  for (const char* name : kCpuGraphicsNames) EXPECT_TRUE(*name);
}

struct GraphicsMachine {
  const char* what;
  GraphicsRecord graphics;
  const char* html;
  const char* text;
};

const char kHead[] = "<tr valign=\"top\"><td><span class=\"type\">显卡:</span></td><td><span class=\"name\">";

TEST(AnalyseGraphics, WholeBlocks) {
  // clang-format off
  const GraphicsMachine kMachines[] = {
      {"LGA775 G41, graphics on the board",
       Graphics("Intel(R) G41 Express Chipset", "256MB"),
       "Intel(R) G41 Express Chipset</span></br><span class=\"age\"> 类型:</span><span class=\"agevol\">主板集成显卡"
       "</span><span class=\"age\"> 显存大小:</span><span class=\"agevol\">256MB</span></td></tr>",
       "\r\n\r\n显卡:Intel(R) G41 Express Chipset\r\n 类型:主板集成显卡 显存大小:256MB"},
      {"LGA1155 Core i5, graphics in the processor",
       Graphics("Intel(R) HD Graphics 2000", "1760MB"),
       "Intel(R) HD Graphics 2000</span></br><span class=\"age\"> 类型:</span><span class=\"agevol\">CPU集成显卡"
       "</span><span class=\"age\"> 显存大小:</span><span class=\"agevol\">1760MB</span></td></tr>",
       "\r\n\r\n显卡:Intel(R) HD Graphics 2000\r\n 类型:CPU集成显卡 显存大小:1760MB"},
      {"AM3 880G: the name lacks \" Series\"",
       Graphics("ATI Radeon HD 4250", "512MB"),
       "ATI Radeon HD 4250</span></br><span class=\"age\"> 显存大小:</span><span class=\"agevol\">512MB</span>"
       "</td></tr>",
       "\r\n\r\n显卡:ATI Radeon HD 4250\r\n 显存大小:512MB"},
      {"FM1 A-series",
       Graphics("AMD Radeon HD 6530D", "512MB"),
       "AMD Radeon HD 6530D</span></br><span class=\"age\"> 类型:</span><span class=\"agevol\">CPU集成显卡</span>"
       "<span class=\"age\"> 显存大小:</span><span class=\"agevol\">512MB</span></td></tr>",
       "\r\n\r\n显卡:AMD Radeon HD 6530D\r\n 类型:CPU集成显卡 显存大小:512MB"},
      {"a separate card of a listed brand: still no brand row",
       [] { GraphicsRecord g = Graphics("NVIDIA GeForce GTX 650 Ti", "1024MB"); g.vendorId = "1043"; return g; }(),
       "NVIDIA GeForce GTX 650 Ti</span></br><span class=\"age\"> 显存大小:</span><span class=\"agevol\">1024MB"
       "</span></td></tr>",
       "\r\n\r\n显卡:NVIDIA GeForce GTX 650 Ti\r\n 显存大小:1024MB"},
      {"no memory size",
       Graphics("Intel(R) HD Graphics 3000", ""),
       "Intel(R) HD Graphics 3000</span></br><span class=\"age\"> 类型:</span><span class=\"agevol\">CPU集成显卡"
       "</span></td></tr>",
       "\r\n\r\n显卡:Intel(R) HD Graphics 3000\r\n 类型:CPU集成显卡"},
      {"nothing known", Graphics("", ""), "</span></br></td></tr>", "\r\n\r\n显卡:\r\n"},
  };
  // clang-format on
  for (const auto& m : kMachines) {
    summaryHtml = "<prior>";
    summaryText = "prior";
    GraphicsRecord graphics = m.graphics;
    AnalyseGraphics(graphics);
    EXPECT_EQ(U8(summaryHtml), U8(std::string("<prior>") + kHead + m.html)) << m.what;
    EXPECT_EQ(U8(summaryText), U8(std::string("prior") + m.text)) << m.what;
  }
}

}  // namespace
