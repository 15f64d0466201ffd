// One sound device block: description, chip maker (the last matching word wins), HD quality.
#include "analysers/sound.h"

#include "scan/records.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Sound chip makers: word in the description, Chinese maker. Every match overwrites the maker,
// so "VIA" after "NVIDIA" makes an NVIDIA description read as 威盛.
struct SoundMaker { const char* word; const char* maker; };
constexpr SoundMaker kSoundMakers[] = {
    {"Realtek", "瑞昱"},
    {"NVIDIA", "英伟达"},
    {"VIA", "威盛"},
    {"Creative", "创新"},
};

}  // namespace

void AnalyseSound(const std::string& description) {
  if (Contains(description, "Gameport")) return;
  const char* maker = nullptr;
  for (const SoundMaker& row : kSoundMakers) {
    if (Contains(description, row.word)) maker = row.maker;
  }
  const bool highDefinition = Contains(description, "High Definition");

  summaryText += "\r\n\r\n声卡:" + description + "\r\n";
  summaryHtml += "<tr valign=\"top\"><td><span class=\"type\">声卡:</span></td><td><span class=\"name\">" +
                 EscapeHtml(description) + "</span></br>";
  if (maker) {
    summaryText += std::string("品牌:") + maker;
    summaryHtml += std::string("<span class=\"age\">品牌:</span><span class=\"agevol\">") + maker + "</span>";
  }
  if (highDefinition) {
    summaryText += " 音质:高保真";
    summaryHtml += "<span class=\"age\"> 音质:</span><span class=\"agevol\">高保真</span>";
  }
  summaryHtml += "</td></tr>";
}
