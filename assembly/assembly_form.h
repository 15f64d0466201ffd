// The rules of the assembly page on plain texts: reading a price, the two totals, the text and
// HTML forms of a configuration, and a row's Taobao search address. The page reads its boxes into
// AssemblyTexts, calls these, and writes the totals back; hwdex-cli fills AssemblyTexts from a file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembly/assembly_rows.h"

// What the three boxes of one row hold (GBK), whole: each rule reads as many characters as the
// page reads from a box.
struct AssemblyRowText {
  std::string model;
  std::string secondHand;
  std::string newPrice;
};

// The rows' texts in the order of kAssemblyRows.
using AssemblyTexts = std::array<AssemblyRowText, kAssemblyRowCount>;

// How many characters the page reads from a model box for the two forms and the upload's title.
constexpr size_t kFormReadLength = 255;

// The first maxBytes bytes of text, less a GBK lead byte that the cut would part from its trail
// byte, so that a long box never yields half a character.
std::string_view Leading(std::string_view text, size_t maxBytes);

// Which price columns the text form shows (showSecondHand, showNewPrice).
struct PriceColumns {
  bool secondHand = true;
  bool newPrice = true;
};

// The second-hand and the new-price total, in yuan.
struct AssemblyTotals {
  int32_t secondHand = 0;
  int32_t newPrice = 0;
};

// The value of a price box: the integer at the start of the text (blanks skipped, an optional sign,
// the decimal digits up to the first other character); 0 for an empty or non-numeric text. "1200元"
// is 1200, "1,200" is 1. A value beyond the 32-bit range reads as the nearest 32-bit limit.
int32_t ReadPrice(std::string_view text);

// The sums of every row's price boxes (each read up to 49 characters), whatever the model box holds:
// what the page shows while prices are typed. A sum beyond the 32-bit range is held at the nearest
// limit instead of wrapping round into a wrong sign.
AssemblyTotals BoxTotals(const AssemblyTexts& rows);

// The sums over the rows whose model box is not empty (boxes read up to 255 characters): the totals
// of both forms, which the page writes back into its total boxes when it builds a form.
AssemblyTotals ListedTotals(const AssemblyTexts& rows);

// The configuration as plain text with "\r\n" line ends: header, one line per row with a model (in
// page order), the totals of the shown columns, and the footer naming the product web site.
std::string BuildAssemblyText(const AssemblyTexts& rows, PriceColumns columns, std::string_view site);

// The configuration as an HTML table for an uploaded article: one line per row with a model, in the
// HTML form's order, without prices. Models are plain text, so "&", "<" and ">" become entities.
std::string BuildAssemblyHtml(const AssemblyTexts& rows);

// The Taobao search for row (an index into kAssemblyRows): its model text (read up to 264
// characters), or the row's search word when the model is empty. The GBK bytes go into the address
// as they are, except the characters that would end or change the query value ("&", "#", "%", "+",
// blank and control characters), which are percent-encoded.
std::string TaobaoSearchAddress(size_t row, std::string_view model);

// The row whose "选择" (respectively "搜索") button has this control id; kAssemblyRowCount when none.
size_t RowOfChooseButton(int id);
size_t RowOfSearchButton(int id);

// Whether id is one of the rows' price boxes (1018 to 1052 without the total 1035), whose changes
// the page answers by computing the totals again.
bool IsPriceBox(int id);

// The controls of one price column that its check box shows and hides: the seventeen row boxes,
// the total box and the header (1018–1035 and 1095 for the second-hand column, 1036–1053 and 1096
// for the new-price column).
constexpr size_t kPriceColumnControls = kAssemblyRowCount + 2;
std::array<int, kPriceColumnControls> PriceColumnIds(bool secondHand);

// The row whose page label, without its colon, is name (for example "处理器" or "键鼠套装");
// kAssemblyRowCount when there is none.
size_t FindAssemblyRow(std::string_view name);
