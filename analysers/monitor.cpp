// The monitor block: identifier, maker from its three-letter code, and the desktop resolution.
#include "analysers/monitor.h"

#include "analysers/rule_tables.h"
#include "platform/display.h"
#include "scan/records.h"
#include "scan/summary_report.h"

namespace {

// Monitor makers: code found anywhere in the identifier, Chinese maker; the first found wins.
// clang-format off
struct MonitorMaker { const char* code; const char* maker; };
constexpr MonitorMaker kMonitorMakers[] = {
    {"AOC", "冠捷"},   {"ACR", "宏基"},   {"HKC", "惠科"},   {"LEN", "联想"},
    {"PHL", "飞利蒲"},  // shown as the program has always written it
    {"BNQ", "明基"},   {"Default_Monitor", "默认监视器"},      {"CMO", "奇美"},
    {"ACI", "华硕"},   {"GSM", "LG"},     {"SAM", "三星"},   {"HWP", "惠普"},
    {"AUO", "友达"},   {"BOE", "京东方"}, {"DEL", "戴尔"},
    {"HPC", "惠浦"},   // likewise
    {"LGD", "LG"},     {"CGC", "长城"},   {"MON", "美昂"},   {"MAY", "玛雅"},
};
// clang-format on

}  // namespace

void AnalyseMonitor(const std::string& identifier) {
  const MonitorMaker* maker = FirstRowIn(kMonitorMakers, &MonitorMaker::code, identifier);
  const DisplayMode mode = ReadDisplayMode();
  const std::string resolution = std::to_string(mode.width) + "*" + std::to_string(mode.height);

  SummaryBlock block("显示器", SummaryBlock::Values::kRegistry);
  block.Name(identifier);
  block.Break();
  block.Item({"品牌:", " 品牌:"}, maker ? maker->maker : "");  // only the text has a blank before the maker
  block.Item(" 分辨率:", resolution);
}
