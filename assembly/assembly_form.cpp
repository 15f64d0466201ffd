// The assembly page's rules on plain texts: prices, totals, the two forms and the search address.
#include "assembly/assembly_form.h"

#include <cstdio>

#include "scan/text_helpers.h"

namespace {

// How many characters the page reads from a box for each rule.
constexpr size_t kTotalsReadLength = 49;
constexpr size_t kSearchReadLength = 264;

// The Taobao search page and the program's affiliate id appended to every search. No commission
// account is registered for the program yet; the search works the same with this id.
constexpr const char* kTaobaoSearchPage = "https://s.taobao.com";
constexpr const char* kTaobaoAffiliateId = "mm_0_0_0";

// The characters the C runtime skips before a number.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

int32_t Clamp(int64_t value) {
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// Sums the two price boxes of the rows (all rows, or those with a model), each box read up to
// readLength characters; 64-bit sums of 32-bit values cannot overflow, the result is clamped.
AssemblyTotals Sum(const AssemblyTexts& rows, size_t readLength, bool listedOnly) {
  int64_t secondHand = 0;
  int64_t newPrice = 0;
  for (const AssemblyRowText& row : rows) {
    if (listedOnly && Leading(row.model, kFormReadLength).empty()) continue;
    secondHand += ReadPrice(Leading(row.secondHand, readLength));
    newPrice += ReadPrice(Leading(row.newPrice, readLength));
  }
  return {Clamp(secondHand), Clamp(newPrice)};
}

// The search text as a query value: bytes that would end or change the value become "%XX".
std::string EncodeQueryValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    const bool reserved = byte < 0x20 || byte == 0x7F || c == ' ' || c == '#' || c == '%' || c == '&' || c == '+';
    if (!reserved) {
      out += c;
      continue;
    }
    char escape[4];
    std::snprintf(escape, sizeof escape, "%%%02X", byte);
    out += escape;
  }
  return out;
}

}  // namespace

std::string_view Leading(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t end = 0;
  while (end < maxBytes) {
    const unsigned char c = static_cast<unsigned char>(text[end]);
    const size_t width = c >= 0x81 && c <= 0xFE ? 2 : 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return text.substr(0, end);
}

int32_t ReadPrice(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr int64_t kBeyondRange = int64_t{INT32_MAX} + 2;  // past both limits once the sign is applied
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && magnitude < kBeyondRange; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
  }
  return Clamp(negative ? -magnitude : magnitude);
}

AssemblyTotals BoxTotals(const AssemblyTexts& rows) { return Sum(rows, kTotalsReadLength, false); }

AssemblyTotals ListedTotals(const AssemblyTexts& rows) { return Sum(rows, kFormReadLength, true); }

std::string BuildAssemblyText(const AssemblyTexts& rows, PriceColumns columns, std::string_view site) {
  std::string text = "类型   型号               ";
  if (columns.secondHand) text += "   二手估价";
  if (columns.newPrice) text += "   全新价格";
  text += "\r\n";
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    const std::string_view model = Leading(rows[i].model, kFormReadLength);
    if (model.empty()) continue;
    text.append(kAssemblyRows[i].textLabel).append(": \t").append(model);
    if (columns.secondHand) text.append(" \t ").append(Leading(rows[i].secondHand, kFormReadLength)).append("元");
    if (columns.newPrice) text.append(" \t").append(Leading(rows[i].newPrice, kFormReadLength)).append("元");
    text += "\r\n";
  }
  const AssemblyTotals totals = ListedTotals(rows);
  if (columns.secondHand) text += "\r\n二手合计:" + std::to_string(totals.secondHand) + "元";
  if (columns.newPrice) text += "\r\n全新合计:" + std::to_string(totals.newPrice) + "元";
  text += "\r\n\r\n本配置由[沐杉电脑助手]生成\r\n软件网址：";
  text += site;
  return text;
}

std::string BuildAssemblyHtml(const AssemblyTexts& rows) {
  std::string html =
      "<table width=\"550\" border=\"0\" cellspacing=\"8\"><tr><td width=\"70\"><b>类型</b></td>"
      "<td width=\"300\"><b>型号</b></td></tr>";
  for (size_t i : kHtmlRowOrder) {
    const std::string_view model = Leading(rows[i].model, kFormReadLength);
    if (model.empty()) continue;
    html.append("<tr><td><b>").append(kAssemblyRows[i].htmlLabel).append(":</b></td> <td>");
    html.append(EscapeHtml(std::string(model))).append("</td></tr>");
  }
  html += "</table>";
  return html;
}

std::string TaobaoSearchAddress(size_t row, std::string_view model) {
  std::string_view text = Leading(model, kSearchReadLength);
  if (text.empty()) text = kAssemblyRows[row].searchWord;
  return std::string(kTaobaoSearchPage) + "/search?style=grid&q=" + EncodeQueryValue(text) + "&pid=" +
         kTaobaoAffiliateId;
}

size_t FindAssemblyRow(std::string_view name) {
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    std::string_view label = kAssemblyRows[i].pageLabel;
    for (std::string_view colon : {"：", ":"}) {
      if (EndsWith(label, colon)) label.remove_suffix(colon.size());
    }
    if (label == name) return i;
  }
  return kAssemblyRowCount;
}

size_t RowOfChooseButton(int id) {
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    if (kAssemblyRows[i].chooseId == id) return i;
  }
  return kAssemblyRowCount;
}

size_t RowOfSearchButton(int id) {
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    if (kAssemblyRows[i].searchId == id) return i;
  }
  return kAssemblyRowCount;
}

bool IsPriceBox(int id) {
  for (const AssemblyRow& row : kAssemblyRows) {
    if (row.secondHandId == id || row.newPriceId == id) return true;
  }
  return false;
}

std::array<int, kPriceColumnControls> PriceColumnIds(bool secondHand) {
  std::array<int, kPriceColumnControls> ids{};
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    ids[i] = secondHand ? kAssemblyRows[i].secondHandId : kAssemblyRows[i].newPriceId;
  }
  ids[kAssemblyRowCount] = secondHand ? kSecondHandTotalId : kNewPriceTotalId;
  ids[kAssemblyRowCount + 1] = secondHand ? kSecondHandHeaderId : kNewPriceHeaderId;
  return ids;
}
