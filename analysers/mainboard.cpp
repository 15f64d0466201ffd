// The mainboard analyser: Chinese maker with its bonus, model fallback, chipset price and the block.
#include "analysers/mainboard.h"

#include <string>

#include "analysers/mainboard_rules.h"
#include "scan/report_walker.h"
#include "scan/text_helpers.h"

namespace {

// Upper-cases and translates the maker word; returns its bonus (0 for a maker not listed).
int TranslateMaker(std::string& vendor) {
  if (vendor.empty()) return 0;
  vendor = UpperCased(vendor);
  for (const BoardMaker& row : kBoardMakers) {
    if (vendor == row.key || (row.otherKey && vendor == row.otherKey)) {
      vendor = row.chinese;
      return row.bonus;
    }
  }
  return 0;
}

// The first chipset word of the table that occurs in text, or null.
template <size_t N>
const ChipsetPrice* FindChipset(const ChipsetPrice (&table)[N], const std::string& text) {
  for (const ChipsetPrice& row : table) {
    if (Contains(text, row.word)) return &row;
  }
  return nullptr;
}

template <size_t N>
const ChipsetPrice* FindChipset(const ChipsetPrice (&table)[N], const BoardRecord& board) {
  const ChipsetPrice* row = FindChipset(table, board.northbridge);
  return row ? row : FindChipset(table, board.southbridge);
}

// The table is chosen by the vendor named in the north bridge, then searched in both bridges.
const ChipsetPrice* ChipsetOf(const BoardRecord& board) {
  if (Contains(board.northbridge, "Intel")) return FindChipset(kIntelChipsets, board);
  if (Contains(board.northbridge, "AMD")) return FindChipset(kAmdChipsets, board);
  if (Contains(board.northbridge, "NVIDIA")) return FindChipset(kNvidiaChipsets, board);
  return FindChipset(kOtherChipsets, board);
}

void AppendItem(const char* label, const std::string& value, const char* htmlTail, const char* textTail) {
  if (value.empty()) return;
  summaryHtml += std::string("<span class=\"age\">") + label + "</span><span class=\"agevol\">" + value +
                 "</span>" + htmlTail;
  summaryText += label + value + textTail;
}

void AppendBlock(const BoardRecord& board) {
  summaryText += "\r\n\r\n主板:" + board.vendor + " " + board.model + "\r\n";
  summaryHtml += "<tr valign=\"top\"><td><span class=\"type\">主板:</span></td><td><span class=\"name\">" +
                 board.vendor + " " + board.model + "</span></br>";
  AppendItem(" 北桥:", board.northbridge, "", "");
  AppendItem(" 南桥:", board.southbridge, "</br>", "\r\n");
  AppendItem(" 接口:", board.interface, "</br>", "");
  if (!board.price.empty()) {
    summaryText += " 二手估价:" + board.price;
    summaryHtml += "<span class=\"ap\"> 二手估价:</span><span class=\"apvol\">" + board.price + "</span>";
  }
  summaryHtml += "</td></tr>";
}

}  // namespace

void AnalyseBoard(BoardRecord& board) {
  if (IsPlaceholder(board.model)) board.model.clear();
  const int bonus = TranslateMaker(board.vendor);
  if (board.model.empty()) board.model = board.northbridge;
  if (!board.vendor.empty()) board.vendor += " ";
  if (const ChipsetPrice* row = ChipsetOf(board)) board.price = std::to_string(row->price + bonus);
  AppendBlock(board);
}
