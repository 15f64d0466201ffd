// The shop catalogue against the real test server (tests/db): the statements byte for byte as the
// server receives them, the brands, the pages of 50, a brand's pages, and the search with its order
// and with hostile texts. The seeded catalogue is described in tests/db/catalogue.sql.
#include "assembly/shop_catalogue.h"

#include <gtest/gtest.h>
#include <mysql.h>

#include <algorithm>
#include <cstdlib>

#include "tests/assembly/shop_server.h"
#include "tests/test_support.h"

namespace {

std::vector<std::string> Names(const std::vector<ShopGoods>& goods) {
  std::vector<std::string> names;
  for (const ShopGoods& g : goods) names.push_back(U8(g.name));
  return names;
}

std::vector<std::string> U8s(const std::vector<std::string>& gbk) {
  std::vector<std::string> texts;
  for (const std::string& t : gbk) texts.push_back(U8(t));
  return texts;
}

TEST(ShopCatalogue, StatementsWordForWord) {
  struct { std::string statement; const char* expected; } kCases[] = {
      {BrandsStatement(18), "SELECT cat_name,cat_id  FROM ecs_category where parent_id=18"},
      {CategoryGoodsStatement(22, 100),
       "SELECT goods_name,market_price,shop_price FROM ecs_goods INNER JOIN  ecs_category  ON "
       "ecs_goods.cat_id=ecs_category.cat_id where ecs_category.parent_id=22  order by shop_price desc  LIMIT 100,50"},
      {BrandGoodsStatement(2201, 0),
       "SELECT goods_name,market_price,shop_price FROM ecs_goods where cat_id=2201 order by shop_price desc  LIMIT 0,50"},
      {SubCategoriesStatement(0), "SELECT cat_id  FROM ecs_category where parent_id=0"},
      {SearchStatement("6201", "%512%"),
       "SELECT goods_name,market_price,shop_price FROM ecs_goods where cat_id=6201 and goods_name like '%512%' "
       "order by shop_price asc"},
  };
  for (const auto& c : kCases) EXPECT_EQ(c.statement, c.expected);
}

TEST(ShopCatalogue, PageOffsetsAreFiftyRowsApart) {
  struct { int page; int offset; } kCases[] = {{0, 0}, {1, 50}, {2, 100}, {3, 150}, {10000000, 500000000}};
  for (const auto& c : kCases) EXPECT_EQ(PageOffset(c.page), c.offset) << c.page;
}

// What the server receives, in order, for each action: "set names gbk" before every statement, on a
// connection whose client character set was set to GBK first.
TEST(ShopCatalogue, ServerReceivesTheStatementsAsWritten) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  const unsigned long id = mysql_thread_id(connection.get());
  ReadBrands(connection.get(), 62);
  ReadGoodsPage(connection.get(), 22, 0, 1);
  ReadGoodsPage(connection.get(), 22, 2201, 2);
  SearchGoods(connection.get(), 31, "誠'");
  const std::vector<std::string> expected = {
      "SET NAMES gbk",
      "set names gbk", BrandsStatement(62),
      "set names gbk", CategoryGoodsStatement(22, 50),
      "set names gbk", BrandGoodsStatement(2201, 100),
      "set names gbk", SubCategoriesStatement(31),
      "set names gbk", SearchStatement("3101", "%誠\\'%"),
      "set names gbk", SearchStatement("3102", "%誠\\'%"),
  };
  EXPECT_EQ(U8s(SentStatements(id)), U8s(expected));
}

TEST(ShopCatalogue, BrandsOfACategory) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  struct { int parentId; const char* expected; } kCases[] = {
      {62, "七彩虹 6201|影驰 6202|蓝宝石 6203|誠和 6204|"},
      {22, "金士顿 2201|威刚 2202|芝奇 2203|"},
      {253, "TP-LINK 25301|水星 25302|"},
      // The row "其它" lists the component categories themselves.
      {0, "CPU 18|主板 19|内存 22|硬盘 26|机箱 31|显示器 36|电源 42|光驱 45|键鼠套装 50|显卡 62|摄像头 65|"
          "音箱 66|耳机 70|风扇 73|网卡 253|声卡 266|电脑周边 300|"},
      {999, ""},
  };
  for (const auto& c : kCases) {
    std::string listed;
    for (const ShopBrand& b : ReadBrands(connection.get(), c.parentId)) listed += b.name + " " + b.catId + "|";
    EXPECT_EQ(U8(listed), U8(c.expected)) << c.parentId;
  }
}

// The 120 goods of 内存 (all in 金士顿): the n-th dearest is "第n款" at 2000 - 10n yuan, except that
// 第021款, 第071款 and 第111款 cost as much as the one before; the estimate is 60 % of the price.
std::string MemoryPrice(int n) {
  const int price = 2000 - 10 * n + (n == 21 || n == 71 || n == 111 ? 10 : 0);
  return std::to_string(price) + ".00";
}

// Checks one page of the 120 goods: `count` rows, dearest first, exactly the n-th to the
// (n+count-1)-th dearest, each with its own price and estimate. Equal prices may come either way round.
void ExpectMemoryPage(const std::vector<ShopGoods>& page, int first, int count) {
  ASSERT_EQ(page.size(), static_cast<size_t>(count)) << "page from " << first;
  std::vector<int> numbers;
  for (size_t i = 0; i < page.size(); ++i) {
    const std::string prefix = "金士顿 DDR4 3200 8G 第";
    ASSERT_EQ(page[i].name.compare(0, prefix.size(), prefix), 0) << U8(page[i].name);
    ASSERT_EQ(page[i].name.substr(prefix.size() + 3), "款") << U8(page[i].name);
    const int n = std::atoi(page[i].name.substr(prefix.size(), 3).c_str());
    EXPECT_EQ(page[i].price, MemoryPrice(n)) << n;
    const int price = std::atoi(MemoryPrice(n).c_str());
    EXPECT_EQ(page[i].secondHand, std::to_string((price * 6 + 5) / 10) + ".00") << n;
    EXPECT_EQ(page[i].price, MemoryPrice(first + static_cast<int>(i))) << "dearest first, row " << i;
    numbers.push_back(n);
  }
  std::sort(numbers.begin(), numbers.end());
  for (int i = 0; i < count; ++i) EXPECT_EQ(numbers[i], first + i);
}

TEST(ShopCatalogue, CategoryPagesOfFifty) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  ExpectMemoryPage(ReadGoodsPage(connection.get(), 22, 0, 0), 1, 50);
  ExpectMemoryPage(ReadGoodsPage(connection.get(), 22, 0, 1), 51, 50);
  ExpectMemoryPage(ReadGoodsPage(connection.get(), 22, 0, 2), 101, 20);
  EXPECT_TRUE(ReadGoodsPage(connection.get(), 22, 0, 3).empty());
  EXPECT_TRUE(ReadGoodsPage(connection.get(), 999, 0, 0).empty());
}

TEST(ShopCatalogue, BrandPages) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  ExpectMemoryPage(ReadGoodsPage(connection.get(), 22, 2201, 0), 1, 50);
  ExpectMemoryPage(ReadGoodsPage(connection.get(), 22, 2201, 2), 101, 20);
  EXPECT_TRUE(ReadGoodsPage(connection.get(), 22, 2201, 3).empty());
  EXPECT_TRUE(ReadGoodsPage(connection.get(), 22, 2202, 0).empty()) << "a brand without goods";
  // The brand alone, whatever category the picker was opened for.
  EXPECT_EQ(Names(ReadGoodsPage(connection.get(), 62, 6203, 0)),
            U8s({"蓝宝石 RX 580 8G 超白金", "蓝宝石 HD4670 512M 白金版", "蓝宝石 HD6450 512M 海外版"}));
}

TEST(ShopCatalogue, CategoryPageAcrossBrands) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  const std::vector<ShopGoods> page = ReadGoodsPage(connection.get(), 62, 0, 0);
  std::string prices;
  for (const ShopGoods& g : page) prices += g.secondHand + "/" + g.price + " ";
  // 七彩虹 GT210 and 影驰 9600GT cost the same (150), so those two may come either way round.
  EXPECT_TRUE(prices == "1300.00/2199.00 800.00/1499.00 480.00/999.00 150.00/299.00 40.00/150.00 60.00/150.00 "
                        "50.00/120.00 30.00/99.00 " ||
              prices == "1300.00/2199.00 800.00/1499.00 480.00/999.00 150.00/299.00 60.00/150.00 40.00/150.00 "
                        "50.00/120.00 30.00/99.00 ")
      << prices;
  ASSERT_EQ(page.size(), 8u);
  EXPECT_EQ(U8(page[3].name), U8("誠和 GT730 2G 運謀版"));
}

// The search: each brand's finds dearest first, the brand listed last by the server at the top.
TEST(ShopCatalogue, SearchAcrossBrandsInTheListsOrder) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  EXPECT_EQ(Names(SearchGoods(connection.get(), 62, "512")),
            U8s({"蓝宝石 HD4670 512M 白金版", "蓝宝石 HD6450 512M 海外版", "影驰 9600GT 512M 中将版",
                                      "七彩虹 GT210 512M DDR3"}));
  // The brand the server lists last comes first even where its goods are cheaper.
  EXPECT_EQ(Names(SearchGoods(connection.get(), 19, "DDR4")),
            U8s({"微星 PRO H610M-E DDR4", "技嘉 B760M GAMING DDR4"}));
}

// Texts that could break or change the statement: each finds exactly the goods whose name holds it.
TEST(ShopCatalogue, SearchTextIsMatchedAsItIs) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  struct { int parentId; const char* text; std::vector<std::string> expected; } kCases[] = {
      {0, "'", {"山泽 它's 网线 5米"}},
      {0, "它's", {"山泽 它's 网线 5米"}},
      {0, "\\", {"酷冷至尊 硅脂 100% 纯\\铜"}},
      {0, "纯\\铜", {"酷冷至尊 硅脂 100% 纯\\铜"}},
      {0, "%", {"酷冷至尊 硅脂 100% 纯\\铜"}},
      {0, "100%", {"酷冷至尊 硅脂 100% 纯\\铜"}},
      {0, "_", {}},
      {0, "1_0", {}},
      // Characters whose GBK trail byte is 0x5C.
      {62, "誠", {"誠和 GT730 2G 運謀版"}},
      {62, "運謀", {"誠和 GT730 2G 運謀版"}},
      {31, "誠", {"鑫誠 錦繡 中塔机箱"}},
      {31, "錦繡", {"鑫誠 錦繡 中塔机箱"}},
      {26, "運", {"三星 870 EVO 512G 運動版"}},
      // A quote cannot end the string.
      {62, "' OR '1'='1", {}},
      {62, "512' OR 1=1 #", {}},
      {62, "\\' OR 1=1 #", {}},
      // A lead byte before a quote: escaping must not turn the pair into one character.
      {62, "\xBF' OR 1=1 #", {}},
      {62, "\xD5' OR 1=1 #", {}},
      {62, "\xD5", {}},
      {62, "", {}},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Names(SearchGoods(connection.get(), c.parentId, c.text)), U8s(c.expected)) << U8(c.text);
  }
}

TEST(ShopCatalogue, EmptySearchSendsNothing) {
  ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  const unsigned long id = mysql_thread_id(connection.get());
  EXPECT_TRUE(SearchGoods(connection.get(), 62, "").empty());
  EXPECT_EQ(SentStatements(id), std::vector<std::string>{"SET NAMES gbk"});
}

TEST(ShopCatalogue, LikeLiteralMarksOnlyPatternCharacters) {
  struct { const char* text; const char* expected; } kCases[] = {
      {"512", "512"},
      {"100%", "100\\%"},
      {"a_b", "a\\_b"},
      {"\\", "\\\\"},
      {"'", "'"},
      {"誠", "誠"},            // D5 5C: one character, its trail byte is no backslash
      {"運謀\\", "運謀\\\\"},   // DF 5C D6 5C, then a real backslash
      {"\xD5", "\xD5"},         // a lead byte at the end
      {"\xD5%", "\xD5\\%"},     // a lead byte before a byte that cannot be a trail byte
      {"\x81\x7F", "\x81\x7F"},
  };
  for (const auto& c : kCases) EXPECT_EQ(LikeLiteral(c.text), c.expected) << U8(c.text);
}

// The paging walk of the picker: page, "上一页" enabled, "下一页" enabled after each turn.
TEST(ShopCatalogue, PagingAfterATurn) {
  struct {
    int page, step;
    bool found;
    GoodsPaging expected;
  } kCases[] = {
      {0, +1, true, {1, true, true}},    // 51-100 of 120
      {1, +1, true, {2, true, true}},    // 101-120
      {2, +1, false, {2, true, false}},  // past the last page: empty list, only "上一页"
      {2, -1, true, {1, true, true}},
      {0, -1, false, {-1, false, true}},  // right after opening: the empty state, only "下一页"
      {0, -1, true, {-1, false, true}},   // -1 is never asked for, whatever a caller says
      {-1, +1, true, {0, true, true}},    // and "下一页" from there shows page 0 again
      {-1, +1, false, {-1, true, false}}, // an empty category
      {1, -1, false, {1, false, true}},   // the page before vanished meanwhile
  };
  for (const auto& c : kCases) {
    const GoodsPaging paging = PagingAfterTurn(c.page, c.step, c.found);
    EXPECT_EQ(paging.page, c.expected.page) << c.page << " " << c.step << " " << c.found;
    EXPECT_EQ(paging.previous, c.expected.previous) << c.page << " " << c.step << " " << c.found;
    EXPECT_EQ(paging.next, c.expected.next) << c.page << " " << c.step << " " << c.found;
  }
  EXPECT_EQ(TurnedPage(0, -1), -1);
  const GoodsPaging opened;
  EXPECT_EQ(opened.page, 0);
  EXPECT_TRUE(opened.previous && opened.next);
}

// What "完成" writes is cut to 149 and 19 bytes, never through a double-byte character.
TEST(ShopCatalogue, PickedGoodsAreCutWhole) {
  const std::string name148 = std::string(148, 'x') + "誠";  // 誠 would end at byte 150
  const ShopGoods picked = PickedGoods({name148, "12345678901234567890", std::string(18, '9') + "元"});
  EXPECT_EQ(picked.name, std::string(148, 'x'));
  EXPECT_EQ(picked.secondHand, "1234567890123456789");
  EXPECT_EQ(picked.price, std::string(18, '9'));
  const ShopGoods shortRow{"金士顿 DDR4", "600.00", "999.00"};
  const ShopGoods same = PickedGoods(shortRow);
  EXPECT_EQ(same.name, shortRow.name);
  EXPECT_EQ(same.secondHand, shortRow.secondHand);
  EXPECT_EQ(same.price, shortRow.price);
}

// Every category a "选择" button opens the picker for finds its own row again.
TEST(ShopCatalogue, EachCategoryFindsItsRow) {
  for (size_t i = 0; i < kAssemblyRowCount; ++i) EXPECT_EQ(FindCategoryRow(kAssemblyRows[i].categoryId), i) << i;
  EXPECT_EQ(FindCategoryRow(300), kAssemblyRowCount);
  EXPECT_EQ(FindCategoryRow(-1), kAssemblyRowCount);
}

}  // namespace
