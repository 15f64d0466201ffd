// The assembly form's rules: the row table, price reading, totals with their 32-bit limits, the text
// and HTML forms byte for byte, and the Taobao search address.
#include "assembly/assembly_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app/servers.h"
#include "tests/test_support.h"

namespace {

constexpr const char* kSite = "http://127.0.0.1:8080";

struct Filled {
  const char* row;  // page label without its colon
  const char* model;
  const char* secondHand;
  const char* newPrice;
};

AssemblyTexts Texts(const std::vector<Filled>& filled) {
  AssemblyTexts rows;
  for (const Filled& f : filled) {
    const size_t i = FindAssemblyRow(f.row);
    EXPECT_LT(i, kAssemblyRowCount) << U8(f.row);
    if (i < kAssemblyRowCount) rows[i] = {f.model, f.secondHand, f.newPrice};
  }
  return rows;
}

const std::string kHeader = "类型   型号               ";
const std::string kFooter = "\r\n\r\n本配置由[沐杉电脑助手]生成\r\n软件网址：http://127.0.0.1:8080";
const std::string kTableHead =
    "<table width=\"550\" border=\"0\" cellspacing=\"8\"><tr><td width=\"70\"><b>类型</b></td>"
    "<td width=\"300\"><b>型号</b></td></tr>";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(AssemblyRows, TableInvariants) {
  ASSERT_EQ(kAssemblyRowCount, 17u);
  std::set<int> models, secondHand, newPrice, buttons;
  for (const AssemblyRow& row : kAssemblyRows) {
    models.insert(row.modelId);
    secondHand.insert(row.secondHandId);
    newPrice.insert(row.newPriceId);
    buttons.insert(row.chooseId);
    buttons.insert(row.searchId);
    EXPECT_TRUE(*row.searchWord && *row.textLabel && *row.htmlLabel) << U8(row.pageLabel);
    // Every page label ends in a colon, which FindAssemblyRow drops.
    const std::string label = row.pageLabel;
    const size_t colon = EndsWith(label, "：") ? 2 : EndsWith(label, ":") ? 1 : 0;
    EXPECT_NE(colon, 0u) << U8(label);
    EXPECT_EQ(FindAssemblyRow(label.substr(0, label.size() - colon)), static_cast<size_t>(&row - kAssemblyRows))
        << U8(label);
  }
  // The columns the check boxes show and hide are exactly 1018-1034 and 1036-1052, one id per row.
  EXPECT_EQ(models.size(), 17u);
  EXPECT_EQ(*models.begin(), 1001);
  EXPECT_EQ(*models.rbegin(), 1017);
  EXPECT_EQ(secondHand.size(), 17u);
  EXPECT_EQ(*secondHand.begin(), 1018);
  EXPECT_EQ(*secondHand.rbegin(), kSecondHandTotalId - 1);
  EXPECT_EQ(newPrice.size(), 17u);
  EXPECT_EQ(*newPrice.begin(), 1036);
  EXPECT_EQ(*newPrice.rbegin(), kNewPriceTotalId - 1);
  EXPECT_EQ(buttons.size(), 34u);
  // The HTML order is the page order with memory before the mainboard.
  std::vector<size_t> order(std::begin(kHtmlRowOrder), std::end(kHtmlRowOrder));
  std::swap(order[1], order[2]);
  for (size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i], i);
}

TEST(AssemblyRows, FindByPageLabel) {
  struct { const char* name; size_t row; } kCases[] = {
      {"处理器", 0}, {"主板", 1}, {"显示器", 5}, {"键鼠套装", 9}, {"其它", 16},
      {"处理器：", kAssemblyRowCount},  // with its colon: not the name
      {"鼠标键盘", kAssemblyRowCount},  // the text label is no page label
      {"CPU", kAssemblyRowCount},
      {"", kAssemblyRowCount},
  };
  for (const auto& c : kCases) EXPECT_EQ(FindAssemblyRow(c.name), c.row) << U8(c.name);
}

TEST(AssemblyForm, ReadPrice) {
  struct { const char* text; int32_t value; } kCases[] = {
      {"", 0}, {"1200", 1200}, {"1200元", 1200}, {"1,200", 1}, {"12.9", 12}, {"007", 7},
      {"  35", 35}, {"\t\r\n\v\f 7", 7}, {"+5", 5}, {"-5", -5}, {"- 5", 0}, {"+-5", 0}, {"--5", 0},
      {"abc", 0}, {"元100", 0}, {"0x1A", 0}, {"１２", 0}, {" ", 0}, {"-", 0}, {"5 6", 5},
      {"2147483647", INT32_MAX}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"-2147483649", INT32_MIN}, {"99999999999999999999999999", INT32_MAX},
      {"-99999999999999999999999999", INT32_MIN}, {"00000000000000000000000000012", 12},
  };
  for (const auto& c : kCases) EXPECT_EQ(ReadPrice(c.text), c.value) << U8(c.text);
}

TEST(AssemblyForm, TotalsStayWithinThe32BitRange) {
  struct { std::vector<const char*> prices; int32_t total; } kCases[] = {
      {{"2147483647", "1"}, INT32_MAX},                  // held at the limit, not wrapped negative
      {{"2147483647", "-1"}, INT32_MAX - 1},
      {{"-2147483648", "-1"}, INT32_MIN},
      {{"2147483647", "2147483647", "-2147483648"}, INT32_MAX - 1},  // exact while the sum fits
      {{"-2147483648", "2147483647", "2147483647"}, INT32_MAX - 1},  // in any order
      {{"1500000000", "1500000000"}, INT32_MAX},
  };
  for (const auto& c : kCases) {
    AssemblyTexts rows;
    for (size_t i = 0; i < c.prices.size(); ++i) rows[i] = {"x", c.prices[i], c.prices[i]};
    EXPECT_EQ(BoxTotals(rows).secondHand, c.total);
    EXPECT_EQ(ListedTotals(rows).newPrice, c.total);
  }
  AssemblyTexts all;
  for (AssemblyRowText& row : all) row = {"x", "2147483647", "-2147483648"};
  EXPECT_EQ(BoxTotals(all).secondHand, INT32_MAX);
  EXPECT_EQ(BoxTotals(all).newPrice, INT32_MIN);
  EXPECT_NE(BuildAssemblyText(all, {}, kSite).find("二手合计:2147483647元\r\n全新合计:-2147483648元"), std::string::npos);
}

TEST(AssemblyForm, BoxesAreReadAsFarAsThePageReadsThem) {
  // The totals shown while typing read 49 characters of a box, the forms 255.
  AssemblyTexts rows;
  rows[0] = {"x", std::string(48, ' ') + "5", std::string(49, ' ') + "5"};
  EXPECT_EQ(BoxTotals(rows).secondHand, 5);
  EXPECT_EQ(BoxTotals(rows).newPrice, 0);
  EXPECT_EQ(ListedTotals(rows).newPrice, 5);
  // A model of 302 bytes is cut at 255 bytes, never inside a GBK character: after "ab" only 126
  // characters of two bytes fit.
  std::string model = "ab";
  for (int i = 0; i < 150; ++i) model += "机";
  rows[0] = {model, "", ""};
  EXPECT_EQ(BuildAssemblyText(rows, {false, false}, kSite), kHeader + "\r\nCPU: \t" + model.substr(0, 254) + "\r\n" + kFooter);
  // A model of blanks is a model.
  rows[0] = {" ", "3", "4"};
  EXPECT_EQ(ListedTotals(rows).secondHand, 3);
}

TEST(AssemblyForm, TextFormByteForByte) {
  const std::vector<Filled> oneRow = {{"处理器", "Intel Core i5-2400", "450", "1200元"}};
  struct {
    const char* what;
    std::vector<Filled> rows;
    PriceColumns columns;
    std::string text;
  } kCases[] = {
      {"empty form", {}, {true, true}, kHeader + "   二手估价   全新价格\r\n\r\n二手合计:0元\r\n全新合计:0元" + kFooter},
      {"empty form, no columns", {}, {false, false}, kHeader + "\r\n" + kFooter},
      // The box's own "元" stays: the form adds one after every price text.
      {"one row", oneRow, {true, true},
       kHeader + "   二手估价   全新价格\r\nCPU: \tIntel Core i5-2400 \t 450元 \t1200元元\r\n"
                 "\r\n二手合计:450元\r\n全新合计:1200元" + kFooter},
      {"new prices hidden", oneRow, {true, false},
       kHeader + "   二手估价\r\nCPU: \tIntel Core i5-2400 \t 450元\r\n\r\n二手合计:450元" + kFooter},
      {"second-hand hidden", oneRow, {false, true},
       kHeader + "   全新价格\r\nCPU: \tIntel Core i5-2400 \t1200元元\r\n\r\n全新合计:1200元" + kFooter},
      {"both hidden", oneRow, {false, false}, kHeader + "\r\nCPU: \tIntel Core i5-2400\r\n" + kFooter},
      // Page order, each row's text label. (All seventeen rows: tests/e2e/assemble.)
      {"three rows", {{"其它", "网线", "5", "9"}, {"键鼠套装", "双飞燕 KK-5520", "20", "59"}, {"内存", "金士顿 4G", "80", "169"}},
       {true, true},
       kHeader + "   二手估价   全新价格\r\n内存: \t金士顿 4G \t 80元 \t169元\r\n鼠标键盘: \t双飞燕 KK-5520 \t 20元 \t59元\r\n"
                 "其它: \t网线 \t 5元 \t9元\r\n\r\n二手合计:105元\r\n全新合计:237元" + kFooter},
      // Empty price boxes stay empty before their "元".
      {"no prices", {{"其它", "网线", "", ""}}, {true, true},
       kHeader + "   二手估价   全新价格\r\n其它: \t网线 \t 元 \t元\r\n\r\n二手合计:0元\r\n全新合计:0元" + kFooter},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(U8(BuildAssemblyText(Texts(c.rows), c.columns, kSite)), U8(c.text)) << c.what;
  }
}

TEST(AssemblyForm, HtmlFormByteForByte) {
  struct {
    const char* what;
    std::vector<Filled> rows;
    std::string html;
  } kCases[] = {
      {"empty form", {}, kTableHead + "</table>"},
      {"one row", {{"键鼠套装", "双飞燕 KK-5520", "20", "59"}},
       kTableHead + "<tr><td><b>鼠标键盘:</b></td> <td>双飞燕 KK-5520</td></tr></table>"},
      // Memory before the mainboard; no prices in the table. (All seventeen rows: tests/e2e/assemble.)
      {"three rows", {{"主板", "技嘉 GA-H61M-DS2", "150", "399"}, {"内存", "金士顿 4G", "80", "169"}, {"其它", "网线", "5", "9"}},
       kTableHead + "<tr><td><b>内存:</b></td> <td>金士顿 4G</td></tr><tr><td><b>主板:</b></td> <td>技嘉 GA-H61M-DS2</td></tr>"
                    "<tr><td><b>其它:</b></td> <td>网线</td></tr></table>"},
      // A model is plain text in the article's page.
      {"markup in a model", {{"主板", "AMD A8-5600K & <主板>", "", ""}},
       kTableHead + "<tr><td><b>主板:</b></td> <td>AMD A8-5600K &amp; &lt;主板&gt;</td></tr></table>"},
  };
  for (const auto& c : kCases) EXPECT_EQ(U8(BuildAssemblyHtml(Texts(c.rows))), U8(c.html)) << c.what;
}

// An estimate in a row without a model counts while typing; the forms leave the row out, and the
// totals they give back (which the page writes into its total boxes) are the smaller sums.
TEST(AssemblyForm, RowWithoutModel) {
  const AssemblyTexts rows = Texts({{"处理器", "Intel Core i5-2400", "450", "1200"}, {"主板", "", "150", "399"}});
  EXPECT_EQ(BoxTotals(rows).secondHand, 600);
  EXPECT_EQ(BoxTotals(rows).newPrice, 1599);
  EXPECT_EQ(ListedTotals(rows).secondHand, 450);
  EXPECT_EQ(ListedTotals(rows).newPrice, 1200);
  EXPECT_EQ(U8(BuildAssemblyText(rows, {}, kSite)),
            U8(kHeader + "   二手估价   全新价格\r\nCPU: \tIntel Core i5-2400 \t 450元 \t1200元\r\n"
                         "\r\n二手合计:450元\r\n全新合计:1200元" + kFooter));
  EXPECT_EQ(U8(BuildAssemblyHtml(rows)), U8(kTableHead + "<tr><td><b>处理器:</b></td> <td>Intel Core i5-2400</td></tr></table>"));
  // Hiding the new-price column changes the text only: the totals stay.
  EXPECT_EQ(BuildAssemblyText(rows, {true, false}, kSite).find("全新"), std::string::npos);
  EXPECT_EQ(ListedTotals(rows).newPrice, 1200);
}

TEST(AssemblyForm, FooterNamesTheSite) {
  const std::string text = BuildAssemblyText({}, {}, DefaultServerAddresses().site);
  EXPECT_TRUE(EndsWith(text, "\r\n\r\n本配置由[沐杉电脑助手]生成\r\n软件网址：" + DefaultServerAddresses().site)) << U8(text);
}

TEST(AssemblyForm, TaobaoSearchAddress) {
  const std::string page = "https://s.taobao.com/search?style=grid&q=";
  const std::string pid = "&pid=mm_0_0_0";
  std::string longModel;
  for (int i = 0; i < 140; ++i) longModel += "盘";  // 280 bytes, cut to 264
  struct { size_t row; std::string model; std::string query; } kCases[] = {
      {0, "Intel Core i5-2400", "Intel%20Core%20i5-2400"},
      {0, "", "CPU"},
      {8, "", "电脑机箱"},  // the row "机箱：" searches its word
      {13, "", "CPU风扇"},
      {1, "AMD A8-5600K & 主板", "AMD%20A8-5600K%20%26%20主板"},  // one search, not two parameters
      {1, "a#b%c+d", "a%23b%25c%2Bd"},
      {1, "tab\there\r\nnul", "tab%09here%0D%0Anul"},
      {1, std::string("x\x01y\x7f", 4), "x%01y%7F"},
      {1, "誠 ASUS/华硕=B85?", "誠%20ASUS/华硕=B85?"},  // GBK bytes (a 0x5C trail byte too) stay
      {1, " ", "%20"},  // a blank model is a model
      {1, longModel, longModel.substr(0, 264)},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(U8(TaobaoSearchAddress(c.row, c.model)), U8(page + c.query + pid)) << U8(c.model);
  }
}

// The page finds a row from the button pressed, answers the price boxes' changes, and shows or
// hides exactly the controls of a price column.
TEST(AssemblyPageIds, ButtonsToRows) {
  struct {
    int id;
    size_t choose;
    size_t search;
  } const kCases[] = {
      {1054, 0, kAssemblyRowCount}, {1070, kAssemblyRowCount, 0}, {1061, 7, kAssemblyRowCount},
      {1084, kAssemblyRowCount, 7}, {1100, 14, kAssemblyRowCount}, {1101, kAssemblyRowCount, 14},
      {1064, 16, kAssemblyRowCount}, {1089, kAssemblyRowCount, 16}, {1069, kAssemblyRowCount, kAssemblyRowCount},
      {1018, kAssemblyRowCount, kAssemblyRowCount}, {0, kAssemblyRowCount, kAssemblyRowCount},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(RowOfChooseButton(c.id), c.choose) << c.id;
    EXPECT_EQ(RowOfSearchButton(c.id), c.search) << c.id;
  }
}

TEST(AssemblyPageIds, PriceBoxesAreExactly1018To1052WithoutTheTotal) {
  for (int id = 1000; id <= 1110; ++id) {
    EXPECT_EQ(IsPriceBox(id), id >= 1018 && id <= 1052 && id != 1035) << id;
  }
}

TEST(AssemblyPageIds, PriceColumns) {
  struct {
    bool secondHand;
    int first, last, header;
  } const kCases[] = {{true, 1018, 1035, 1095}, {false, 1036, 1053, 1096}};
  for (const auto& c : kCases) {
    const auto ids = PriceColumnIds(c.secondHand);
    const std::set<int> got(ids.begin(), ids.end());
    std::set<int> expected{c.header};
    for (int id = c.first; id <= c.last; ++id) expected.insert(id);
    EXPECT_EQ(got, expected) << c.secondHand;
    EXPECT_EQ(got.size(), ids.size()) << "an id twice";
  }
}

}  // namespace
