// hwdex-cli shop: brands, a page of goods or a search of one component category, from the shop
// database named by --server or by the "服务器" section of hwdex.ini beside the program.
#include "cli/cli_shop.h"

#include <cstdio>
#include <cstdlib>

#include "app/servers.h"
#include "assembly/shop_catalogue.h"
#include "cli/cli_options.h"
#include "platform/encoding.h"
#include "platform/process.h"
#include "platform/files.h"

namespace {

// A decimal number from 0 to max, digits only.
bool ParseNumber(const std::string& text, long max, int& value) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  const long parsed = std::strtol(text.c_str(), nullptr, 10);
  if (parsed > max) return false;
  value = static_cast<int>(parsed);
  return true;
}

std::string Bad(const std::string& chinese, const std::string& english, const std::string& what) {
  return chinese + ": " + what + " / " + english + ": " + what;
}

// The value of a flag that takes one; false with error set when it is missing.
bool TakeValue(const std::vector<std::string>& args, size_t& i, std::string& value, std::string& error) {
  if (i + 1 >= args.size() || args[i + 1].empty()) {
    error = Bad("参数缺少值", "argument needs a value", args[i]);
    return false;
  }
  value = args[++i];
  return true;
}

// Page numbers stay small enough for the row offset (page × 50) to be a 32-bit number.
constexpr long kLastPage = 10000000;

bool ApplyFlag(const std::string& flag, const std::string& value, ShopCliOptions& o, std::string& error) {
  if (flag == "--category") {
    if (ParseNumber(value, 65535, o.category)) return true;
    error = Bad("--category 应为 0 到 65535 的数字", "--category must be a number from 0 to 65535", value);
  } else if (flag == "--page") {
    if (ParseNumber(value, kLastPage, o.page)) return true;
    error = Bad("--page 应为页码（从 0 起）", "--page must be a page number from 0", value);
  } else if (flag == "--brand") {
    if (ParseNumber(value, 65535, o.brand)) return true;
    error = Bad("--brand 应为品牌的 cat_id", "--brand must be a brand's cat_id", value);
  } else if (flag == "--server") {
    o.serverGiven = ParseServerAddress(value, o.host, o.port);
    if (o.serverGiven) return true;
    error = Bad("--server 应为 主机:端口", "--server must be HOST:PORT", value);
  } else {
    o.search = value;
    return true;
  }
  return false;
}

// What the flags say together: one kind of list, and --brand only with a page of goods.
bool CheckCombination(bool brands, bool page, bool brand, bool search, std::string& error) {
  if (brands + page + search > 1) {
    error = "--brands、--page、--search 只能选一个 / choose one of --brands, --page and --search";
    return false;
  }
  if (brand && (brands || search)) {
    error = "--brand 只能与 --page 一起使用 / --brand goes with --page only";
    return false;
  }
  return true;
}

}  // namespace

const char* ShopUsage() {
  return "  hwdex-cli shop --category N [--brands | --page P [--brand CAT_ID] | --search TEXT] "
         "[--server HOST:PORT] [--gbk]\n";
}

bool ParseShopOptions(const std::vector<std::string>& args, ShopCliOptions& o, std::string& error) {
  bool brands = false, page = false, brand = false, search = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--gbk" || flag == "--brands") {
      (flag == "--gbk" ? o.gbk : brands) = true;
      continue;
    }
    if (flag != "--category" && flag != "--page" && flag != "--brand" && flag != "--search" && flag != "--server") {
      error = Bad("无法识别的参数", "unrecognised argument", flag);
      return false;
    }
    std::string value;
    if (!TakeValue(args, i, value, error) || !ApplyFlag(flag, value, o, error)) return false;
    page |= flag == "--page";
    brand |= flag == "--brand";
    search |= flag == "--search";
  }
  if (o.category < 0) {
    error = "缺少 --category N / --category N is required";
    return false;
  }
  if (!CheckCombination(brands, page, brand, search, error)) return false;
  o.list = brands ? ShopCliOptions::List::kBrands : search ? ShopCliOptions::List::kSearch : ShopCliOptions::List::kPage;
  return true;
}

void WriteOutput(FILE* stream, const std::string& gbk, bool asGbk) {
  const std::string bytes = asGbk ? gbk : GbkToUtf8(gbk);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

ServerAddresses CommandLineServers(bool serverGiven, const std::string& host, int port) {
  ServerAddresses servers = ReadServerAddresses(ProgramFile(RunningProgramDirectory(), "hwdex.ini"));
  if (serverGiven) {
    servers.databaseHost = host;
    servers.databasePort = port;
  }
  return servers;
}

namespace {

std::string Listing(st_mysql* connection, const ShopCliOptions& o) {
  std::string text;
  if (o.list == ShopCliOptions::List::kBrands) {
    for (const ShopBrand& b : ReadBrands(connection, o.category)) text += b.name + "\t" + b.catId + "\n";
    return text;
  }
  const std::vector<ShopGoods> goods = o.list == ShopCliOptions::List::kSearch
                                           ? SearchGoods(connection, o.category, CommandLineText(o.search))
                                           : ReadGoodsPage(connection, o.category, o.brand, o.page);
  for (const ShopGoods& g : goods) text += g.name + "\t" + g.secondHand + "\t" + g.price + "\n";
  return text;
}

}  // namespace

int RunShopCommand(const std::vector<std::string>& args) {
  ShopCliOptions o;
  std::string error;
  if (!ParseShopOptions(args, o, error)) {
    WriteOutput(stderr, "hwdex-cli: " + error + "\n用法 / usage:\n" + ShopUsage(), o.gbk);
    return 2;
  }
  const ServerAddresses servers = CommandLineServers(o.serverGiven, o.host, o.port);
  std::string why;
  const ShopConnection connection = OpenShopConnection(servers, &why);
  if (!connection) {
    const std::string where = servers.databaseHost + ":" + std::to_string(servers.databasePort);
    WriteOutput(
        stderr,
        "hwdex-cli: 连接资料库失败! / could not connect to the shop database " + where + ": " + why + "\n",
        o.gbk);
    return 1;
  }
  WriteOutput(stdout, Listing(connection.get(), o), o.gbk);
  return 0;
}
