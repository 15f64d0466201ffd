// One sound device block: description, chip maker (the last matching word wins), HD quality.
#include "analysers/sound.h"

#include "analysers/rule_tables.h"
#include "scan/records.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Sound chip makers: word in the description, Chinese maker. Every match overwrites the maker, so
// a description that names both NVIDIA and VIA reads as 威盛.
// clang-format off
struct SoundMaker { const char* word; const char* maker; };
constexpr SoundMaker kSoundMakers[] = {
    {"Realtek", "瑞昱"},
    {"NVIDIA", "英伟达"},
    {"VIA", "威盛"},
    {"Creative", "创新"},
};
// clang-format on

}  // namespace

void AnalyseSound(const std::string& description) {
  if (Contains(description, "Gameport")) return;
  const SoundMaker* maker = LastRowIn(kSoundMakers, &SoundMaker::word, description);

  SummaryBlock block("声卡", SummaryBlock::Values::kRegistry);
  block.Name(description);
  block.Break();
  block.Item("品牌:", maker ? maker->maker : "");
  block.Item(" 音质:", Contains(description, "High Definition") ? "高保真" : "");
}
