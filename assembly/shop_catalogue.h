// The shop's catalogue as the part picker lists it: the brands (sub-categories) of a component
// category and its goods, 50 to a page, dearest first, and the search by model text. The statements
// are the shop's, word for word; rows come back as plain texts in the order the picker shows them.
#pragma once

#include <string>
#include <vector>

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
