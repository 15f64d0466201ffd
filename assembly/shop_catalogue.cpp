// The shop catalogue's statements and the lists the part picker fills from them.
#include "assembly/shop_catalogue.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "assembly/assembly_form.h"

namespace {

// The shop's statements, word for word (blanks included).
constexpr const char* kBrands = "SELECT cat_name,cat_id  FROM ecs_category where parent_id=%d";
constexpr const char* kCategoryGoods =
    "SELECT goods_name,market_price,shop_price FROM ecs_goods INNER JOIN  ecs_category  ON "
    "ecs_goods.cat_id=ecs_category.cat_id where ecs_category.parent_id=%d  order by shop_price desc  LIMIT %d,%d";
constexpr const char* kBrandGoods =
    "SELECT goods_name,market_price,shop_price FROM ecs_goods where cat_id=%d order by shop_price desc  LIMIT %d,%d";
constexpr const char* kSubCategories = "SELECT cat_id  FROM ecs_category where parent_id=%d";
constexpr const char* kSearch =
    "SELECT goods_name,market_price,shop_price FROM ecs_goods where cat_id=%s and goods_name like '%s' "
    "order by shop_price asc";

__attribute__((format(printf, 1, 2))) std::string Formatted(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(&text[0], text.size() + 1, format, again);
  va_end(again);
  return text;
}

std::vector<ShopGoods> GoodsOf(const std::vector<ShopRow>& rows) {
  std::vector<ShopGoods> goods;
  goods.reserve(rows.size());
  for (const ShopRow& row : rows) {
    if (row.size() >= 3) goods.push_back({row[0], row[1], row[2]});
  }
  return goods;
}

bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsGbkTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

}  // namespace

std::string BrandsStatement(int parentId) { return Formatted(kBrands, parentId); }

std::string CategoryGoodsStatement(int parentId, int offset) {
  return Formatted(kCategoryGoods, parentId, offset, kPickerPageSize);
}

std::string BrandGoodsStatement(int catId, int offset) {
  return Formatted(kBrandGoods, catId, offset, kPickerPageSize);
}

std::string SubCategoriesStatement(int parentId) { return Formatted(kSubCategories, parentId); }

std::string SearchStatement(const std::string& catId, const std::string& pattern) {
  return Formatted(kSearch, catId.c_str(), pattern.c_str());
}

int PageOffset(int page) { return page * kPickerPageSize; }

std::string LikeLiteral(const std::string& text) {
  std::string literal;
  literal.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsGbkLead(c) && i + 1 < text.size() && IsGbkTrail(static_cast<unsigned char>(text[i + 1]))) {
      literal += text.substr(i++, 2);
      continue;
    }
    if (c == '\\' || c == '%' || c == '_') literal += '\\';
    literal += static_cast<char>(c);
  }
  return literal;
}

std::string SearchPattern(st_mysql* connection, const std::string& text) {
  return "%" + EscapeString(connection, LikeLiteral(text)) + "%";
}

std::vector<ShopBrand> ReadBrands(st_mysql* connection, int parentId) {
  SendSetNames(connection);
  std::vector<ShopBrand> brands;
  for (const ShopRow& row : QueryRows(connection, BrandsStatement(parentId))) {
    if (row.size() >= 2) brands.push_back({row[0], row[1]});
  }
  return brands;
}

std::vector<ShopGoods> ReadGoodsPage(st_mysql* connection, int parentId, int catId, int page) {
  SendSetNames(connection);
  const int offset = PageOffset(page);
  return GoodsOf(QueryRows(connection, catId > 0 ? BrandGoodsStatement(catId, offset)
                                                 : CategoryGoodsStatement(parentId, offset)));
}

std::vector<ShopGoods> SearchGoods(st_mysql* connection, int parentId, const std::string& text) {
  std::vector<ShopGoods> goods;
  if (text.empty()) return goods;
  const std::string pattern = SearchPattern(connection, text);
  SendSetNames(connection);
  for (const ShopRow& brand : QueryRows(connection, SubCategoriesStatement(parentId))) {
    SendSetNames(connection);
    const std::vector<ShopGoods> found = GoodsOf(QueryRows(connection, SearchStatement(brand[0], pattern)));
    goods.insert(goods.end(), found.begin(), found.end());
  }
  // Each row goes to the top of the list as it comes: the list is the arrival order reversed.
  std::reverse(goods.begin(), goods.end());
  return goods;
}

GoodsPaging PagingAfterTurn(int page, int step, bool foundGoods) {
  const int turned = TurnedPage(page, step);
  if (turned < 0) return {-1, false, true};
  if (foundGoods) return {turned, true, true};
  if (step > 0) return {page, true, false};
  return {page, false, true};
}

ShopGoods PickedGoods(const ShopGoods& row) {
  return {std::string(Leading(row.name, kPickedNameLength)), std::string(Leading(row.secondHand, kPickedPriceLength)),
          std::string(Leading(row.price, kPickedPriceLength))};
}

size_t FindCategoryRow(int parentId) {
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    if (kAssemblyRows[i].categoryId == parentId) return i;
  }
  return kAssemblyRowCount;
}
