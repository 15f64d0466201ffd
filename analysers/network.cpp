// One network adapter block: description, chip maker (the first matching word wins), wireless,
// gigabit.
#include "analysers/network.h"

#include "analysers/rule_tables.h"
#include "scan/records.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Network chip makers: word in the description, Chinese maker; the first found wins.
// clang-format off
struct NetworkMaker { const char* word; const char* maker; };
constexpr NetworkMaker kNetworkMakers[] = {
    {"Realtek", "瑞昱"},
    {"NVIDIA", "英伟达"},
    {"VIA", "威盛"},
    {"Broadcom", "博通"},
};
// clang-format on

// Words that mark a gigabit adapter, any one suffices.
constexpr const char* kGigabitWords[] = {"Gigabit", "GBE", "1000"};

}  // namespace

void AnalyseNetwork(const std::string& description) {
  const NetworkMaker* maker = FirstRowIn(kNetworkMakers, &NetworkMaker::word, description);
  bool gigabit = false;
  for (const char* word : kGigabitWords) gigabit = gigabit || Contains(description, word);
  const bool wireless = Contains(description, "Wireless");

  SummaryBlock block("网卡", SummaryBlock::Values::kRegistry);
  block.Name(description);
  block.Break();
  block.Item("品牌:", maker ? maker->maker : "");
  block.Item(" 类型:", wireless ? "无线" : "");
  block.Item(" 速度:", gigabit ? "千兆" : "");
}
