// One network adapter block: description, chip maker (the first matching word wins), wireless,
// gigabit.
#include "analysers/network.h"

#include "scan/records.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

// Network chip makers: word in the description, Chinese maker; the first found wins.
struct NetworkMaker { const char* word; const char* maker; };
constexpr NetworkMaker kNetworkMakers[] = {
    {"Realtek", "瑞昱"},
    {"NVIDIA", "英伟达"},
    {"VIA", "威盛"},
    {"Broadcom", "博通"},
};

// Words that mark a gigabit adapter, any one suffices.
constexpr const char* kGigabitWords[] = {"Gigabit", "GBE", "1000"};

}  // namespace

void AnalyseNetwork(const std::string& description) {
  const char* maker = nullptr;
  for (const NetworkMaker& row : kNetworkMakers) {
    if (!Contains(description, row.word)) continue;
    maker = row.maker;
    break;
  }
  bool gigabit = false;
  for (const char* word : kGigabitWords) gigabit = gigabit || Contains(description, word);
  const bool wireless = Contains(description, "Wireless");

  summaryText += "\r\n\r\n网卡:" + description + "\r\n";
  summaryHtml += "<tr valign=\"top\"><td><span class=\"type\">网卡:</span></td><td><span class=\"name\">" +
                 EscapeHtml(description) + "</span></br>";
  if (maker) {
    summaryText += std::string("品牌:") + maker;
    summaryHtml += std::string("<span class=\"age\">品牌:</span><span class=\"agevol\">") + maker + "</span>";
  }
  if (wireless) {
    summaryText += " 类型:无线";
    summaryHtml += "<span class=\"age\"> 类型:</span><span class=\"agevol\">无线</span>";
  }
  if (gigabit) {
    summaryText += " 速度:千兆";
    summaryHtml += "<span class=\"age\"> 速度:</span><span class=\"agevol\">千兆</span>";
  }
  summaryHtml += "</td></tr>";
}
