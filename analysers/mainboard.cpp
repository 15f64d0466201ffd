// The mainboard analyser: Chinese maker with its bonus, model fallback, chipset price and the block.
#include "analysers/mainboard.h"

#include <string>

#include "analysers/mainboard_rules.h"
#include "analysers/rule_tables.h"
#include "scan/report_walker.h"
#include "scan/summary_report.h"
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

// The first chipset word of the table that occurs in the north bridge, else in the south bridge.
template <size_t N>
const ChipsetPrice* FindChipset(const ChipsetPrice (&table)[N], const BoardRecord& board) {
  const ChipsetPrice* row = FirstRowIn(table, &ChipsetPrice::word, board.northbridge);
  return row ? row : FirstRowIn(table, &ChipsetPrice::word, board.southbridge);
}

// The table is chosen by the vendor named in the north bridge, then searched in both bridges.
const ChipsetPrice* ChipsetOf(const BoardRecord& board) {
  if (Contains(board.northbridge, "Intel")) return FindChipset(kIntelChipsets, board);
  if (Contains(board.northbridge, "AMD")) return FindChipset(kAmdChipsets, board);
  if (Contains(board.northbridge, "NVIDIA")) return FindChipset(kNvidiaChipsets, board);
  return FindChipset(kOtherChipsets, board);
}

void AppendBlock(const BoardRecord& board) {
  SummaryBlock block("主板");
  block.Name(board.vendor + " " + board.model);
  block.Break();
  block.Item(" 北桥:", board.northbridge);
  if (block.Item(" 南桥:", board.southbridge)) block.Break();
  block.Price(board.price);
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
