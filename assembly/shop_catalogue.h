// The shop's catalogue as the part picker lists it: the brands (sub-categories) of a component
// category and its goods, 50 to a page, dearest first, and the search by model text. The statements
// are the shop's, word for word; rows come back as plain texts in the order the picker shows them.
#pragma once

#include <string>
#include <vector>

#include "assembly/assembly_rows.h"
#include "assembly/shop_connection.h"

constexpr int kPickerPageSize = 50;

// A brand of the brand list: its name and its cat_id as the server wrote it.
struct ShopBrand {
  std::string name;
  std::string catId;
};

// A goods row of the goods list: name (model), second-hand estimate and new price, as texts.
struct ShopGoods {
  std::string name;
  std::string secondHand;
  std::string price;
};

// The statements (GBK). pattern is placed inside the quotes as it is: see SearchPattern.
std::string BrandsStatement(int parentId);
std::string CategoryGoodsStatement(int parentId, int offset);
std::string BrandGoodsStatement(int catId, int offset);
std::string SubCategoriesStatement(int parentId);
std::string SearchStatement(const std::string& catId, const std::string& pattern);

// The first row of page p (counted from 0).
int PageOffset(int page);

// text with the LIKE pattern characters \ % _ marked as plain characters; GBK double-byte characters
// are passed whole, so that a trail byte 0x5C (誠 is D5 5C) is not taken for a backslash.
std::string LikeLiteral(const std::string& text);

// The search pattern for text on this connection: "%" + text + "%", where text matches only itself
// and is escaped for the quoted string.
std::string SearchPattern(st_mysql* connection, const std::string& text);

// The brands of component category parentId (rows without a name are left out).
std::vector<ShopBrand> ReadBrands(st_mysql* connection, int parentId);

// Page `page` of the goods of brand catId when catId > 0, else of the whole category parentId,
// dearest first. Rows without a name are left out.
std::vector<ShopGoods> ReadGoodsPage(st_mysql* connection, int parentId, int catId, int page);

// The goods of category parentId whose name contains text, across all its brands: each brand's
// goods dearest first, the brand the server names last at the top. Empty text gives nothing.
std::vector<ShopGoods> SearchGoods(st_mysql* connection, int parentId, const std::string& text);

// ---- The part picker's rules, on plain data ----

// The goods list's paging: the page it stands on (from 0; -1 is the empty state before page 0) and
// whether "上一页" and "下一页" may be pressed. A picker opens, and a brand choice starts, on page 0
// with both buttons enabled.
struct GoodsPaging {
  int page = 0;
  bool previous = true;
  bool next = true;
};

// The page "上一页" (step -1) or "下一页" (step +1) asks the shop for; -1 is not asked for.
inline int TurnedPage(int page, int step) { return page + step; }

// The paging after turning from page by step, when the shop gave goods for the turned page or not.
// A turn that finds nothing stays on page, with the button that led there greyed; the turn back to
// -1 (which finds nothing, unasked) goes there with only "下一页" left.
GoodsPaging PagingAfterTurn(int page, int step, bool foundGoods);

// Lengths the picker keeps of a chosen goods row: name, second-hand estimate, price (bytes).
constexpr size_t kPickedNameLength = 149;
constexpr size_t kPickedPriceLength = 19;

// The goods row as the picker keeps it for "完成": each text cut to its length, never inside a GBK
// double-byte character.
ShopGoods PickedGoods(const ShopGoods& row);

// The assembly row (an index into kAssemblyRows) that a picker opened for category parentId fills:
// the row whose categoryId it is; kAssemblyRowCount when there is none.
size_t FindCategoryRow(int parentId);
