// One upload against the real test server (tests/db): the statement word for word, the stored row
// read back, hostile texts that stay one row, and the failures that are reported with nothing marked.
#include "assembly/upload.h"

#include <gtest/gtest.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <chrono>
#include <fstream>

#include "platform/registry.h"
#include "scan/records.h"
#include "tests/assembly/shop_server.h"
#include "tests/assembly/upload_fixture.h"
#include "tests/test_support.h"

namespace {

ServerAddresses TestServers() {
  ServerAddresses servers = DefaultServerAddresses();
  servers.site = "http://shop.test";
  servers.databaseHost = "127.0.0.1";
  servers.databasePort = ShopServerPort();
  return servers;
}

// A database of the test's own on the test server, so that its rights and rows concern this test
// alone: the shop's article table and an account that may read it and, unless denied, add to it.
class OwnDatabase {
 public:
  OwnDatabase(const std::string& name, bool mayInsert) : name_(name) {
    const ShopConnection administrator = ConnectAsAdministrator();
    if (!administrator) return;
    const std::string account = "'" + name + "'@'%'";
    for (const std::string& statement :
         {"DROP DATABASE IF EXISTS " + name, "DROP USER IF EXISTS " + account,
          "CREATE DATABASE " + name + " DEFAULT CHARACTER SET utf8",
          "CREATE TABLE " + name + ".ecs_article LIKE hwdex.ecs_article",
          "CREATE USER " + account + " IDENTIFIED BY 'upload-test'",
          "GRANT SELECT, INSERT ON " + name + ".ecs_article TO " + account}) {
      Administer(administrator.get(), statement);
    }
    if (mayInsert) return;
    Administer(administrator.get(), "REVOKE INSERT ON " + name + ".ecs_article FROM " + account);
  }
  ShopLogin login() const { return {name_.c_str(), "upload-test", name_.c_str()}; }
  const std::string& name() const { return name_; }

 private:
  std::string name_;
};

// The stored rows of database's article table as the administrator reads them: cat_id, title,
// content and the row's age in seconds, in the order they were added.
std::vector<ShopRow> StoredArticles(const std::string& database, const std::string& where = "1") {
  const ShopConnection administrator = ConnectAsAdministrator();
  if (!administrator) return {};
  return QueryRows(administrator.get(),
                   "SELECT cat_id,title,content,CAST(UNIX_TIMESTAMP() AS SIGNED)-add_time FROM " + database +
                       ".ecs_article WHERE " + where + " ORDER BY article_id");
}

// The number of the connection that sent the statement holding token, from the general log.
unsigned long ConnectionSending(const std::string& token) {
  std::ifstream log(std::string(HWDEX_SHOP_DB_DIR) + "/general.log", std::ios::binary);
  for (std::string line; std::getline(log, line);) {
    const size_t query = line.find(" Query\t");
    if (query == std::string::npos || line.find(token, query) == std::string::npos) continue;
    const size_t start = line.find_last_of(" \t", query - 1) + 1;
    return std::stoul(line.substr(start, query - start));
  }
  return 0;
}

class Upload : public ::testing::Test {
 protected:
  void SetUp() override { ClearRegistry(); }
  void TearDown() override {
    ClearRegistry();
    ResetScanTexts();
  }
};

TEST_F(Upload, StatementWordForWord) {
  const ShopConnection connection = ConnectAsProgram();
  ASSERT_TRUE(connection);
  struct { Article article; const char* expected; } kCases[] = {
      {{"标题(求性能)", "<table></table>"},
       "INSERT INTO ecs_article(cat_id,title, content,add_time)VALUES (16,'标题(求性能)','<table></table>',"
       "UNIX_TIMESTAMP())"},
      {{"'),(16,'x", "a\"b\\c\r\n誠'"},
       "INSERT INTO ecs_article(cat_id,title, content,add_time)VALUES "
       "(16,'\\'),(16,\\'x','a\\\"b\\\\c\\r\\n誠\\'',UNIX_TIMESTAMP())"},
      {{"", ""}, "INSERT INTO ecs_article(cat_id,title, content,add_time)VALUES (16,'','',UNIX_TIMESTAMP())"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(U8(InsertArticleStatement(connection.get(), c.article)), U8(c.expected));
  }
}

TEST_F(Upload, MachineArticleIsStoredAsSentWithTheProgramsAccount) {
  TempDir dir;
  ScanFixtureMachine("dq77mk", dir.path());
  ClearRegistry();
  UploadTexts texts = kGoldenTexts;
  texts.title = "road-" + std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
  const Article article = MachineArticle(texts, dir.path(), "http://shop.test", "2.15");

  const UploadOutcome outcome = UploadArticle(article, TestServers());
  ASSERT_EQ(outcome.result, UploadOutcome::Result::kDone) << outcome.reason;
  ASSERT_FALSE(outcome.articleNumber.empty());
  EXPECT_EQ(outcome.articleNumber.find_first_not_of("0123456789"), std::string::npos)
      << outcome.articleNumber;
  EXPECT_EQ(outcome.articleAddress, "http://shop.test/article.php?id=" + outcome.articleNumber);
  EXPECT_EQ(ReadUserValue("up").value_or("(none)"), "1");

  const std::vector<ShopRow> rows = StoredArticles("hwdex", "article_id=" + outcome.articleNumber);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "16");
  EXPECT_EQ(U8(rows[0][1]), U8(article.title));
  EXPECT_TRUE(rows[0][2] == article.content) << "the stored content differs from the article sent";
  const int age = std::stoi(rows[0][3]);
  EXPECT_GE(age, 0);
  EXPECT_LE(age, 60);

  // What the connection sent after it was opened: "set names gbk", the INSERT, the number.
  const ShopConnection program = ConnectAsProgram();
  ASSERT_TRUE(program);
  const std::vector<std::string> sent = SentStatements(ConnectionSending(texts.title));
  ASSERT_GE(sent.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(sent.end() - 3, sent.end()),
            (std::vector<std::string>{"set names gbk", InsertArticleStatement(program.get(), article),
                                      "SELECT LAST_INSERT_ID()"}));
}

TEST_F(Upload, HostileTextsStayOneRowEachHoldingExactlyTheirText) {
  const OwnDatabase database("upload_hostile", true);
  ServerAddresses servers = TestServers();
  const UploadTexts kTexts[] = {
      {"求性能", "'),(16,'x", "'),(16,'x','y',0)#"},
      {"求全新报价", "<script>alert('x')</script>", "<script>document.write(\"x\")</script>"},
      {"求二手估价", "鑫誠'),(16,'x", "錦\\'); DROP TABLE ecs_article; --"},
      {"求'升级\\", "a\\'b\\\\", "\\"},
      {"求性能", "\"双引号\" & <b>", "誠"},
  };
  AssemblyTexts rows{};
  rows[FindAssemblyRow("处理器")].model = "誠和 <i>'";
  std::vector<Article> sent;
  for (const UploadTexts& texts : kTexts) {
    sent.push_back(AssemblyArticle(texts, rows));
    const UploadOutcome outcome = UploadArticle(sent.back(), servers, database.login());
    EXPECT_EQ(outcome.result, UploadOutcome::Result::kDone) << U8(texts.title) << ": " << outcome.reason;
  }
  const std::vector<ShopRow> stored = StoredArticles(database.name());
  ASSERT_EQ(stored.size(), sent.size());
  for (size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(stored[i][0], "16");
    EXPECT_EQ(U8(stored[i][1]), U8(sent[i].title));
    EXPECT_EQ(U8(stored[i][2]), U8(sent[i].content));
  }
  // The page shows the texts; it cannot run them.
  EXPECT_EQ(U8(stored[1][1]), U8("&lt;script&gt;alert('x')&lt;/script&gt;(求全新报价)"));
  EXPECT_EQ(U8(stored[2][1]), U8("鑫誠'),(16,'x(求二手估价)"));
  EXPECT_EQ(U8(stored[3][1]), U8("a\\'b\\\\(求'升级\\)"));
}

TEST_F(Upload, InsertRefusedIsReportedAndNothingIsMarked) {
  const OwnDatabase database("upload_denied", false);
  WriteUserValue("up", "0");
  const UploadOutcome outcome = UploadArticle({"标题(求性能)", "内容"}, TestServers(), database.login());
  EXPECT_EQ(outcome.result, UploadOutcome::Result::kInsertFailed);
  EXPECT_EQ(outcome.errorNumber, static_cast<unsigned>(ER_TABLEACCESS_DENIED_ERROR));
  EXPECT_NE(outcome.reason.find("INSERT command denied"), std::string::npos) << outcome.reason;
  EXPECT_EQ(U8(UploadFailureMessage(outcome)), U8("上传失败!资料库不允许本程序发表文章。"));
  EXPECT_TRUE(outcome.articleAddress.empty());
  EXPECT_EQ(ReadUserValue("up").value_or("(none)"), "0");
  EXPECT_TRUE(StoredArticles(database.name()).empty());
}

TEST_F(Upload, ContentTheShopCannotHoldIsReported) {
  const std::string notGbk = std::string("a") + static_cast<char>(0x80) + "b";  // no GBK character
  const std::string tooLong(17u << 20, 'x');  // past the server's 16 MiB packet
  struct { Article article; unsigned number; const char* words; } kCases[] = {
      {{"标题", notGbk}, ER_TRUNCATED_WRONG_VALUE_FOR_FIELD, "上传失败!内容中有资料库无法保存的字符。"},
      {{"标题", tooLong}, ER_NET_PACKET_TOO_LARGE, "上传失败!内容太长,超过了资料库一次能接收的大小。"},
  };
  for (const auto& c : kCases) {
    const UploadOutcome outcome = UploadArticle(c.article, TestServers());
    EXPECT_EQ(outcome.result, UploadOutcome::Result::kInsertFailed);
    EXPECT_EQ(outcome.errorNumber, c.number) << outcome.reason;
    EXPECT_EQ(U8(UploadFailureMessage(outcome)), U8(c.words));
    EXPECT_FALSE(ReadUserValue("up"));
  }
}

TEST_F(Upload, NoServerIsNoConnection) {
  ServerAddresses servers = TestServers();
  servers.databasePort = 1;
  const UploadOutcome outcome = UploadArticle({"标题", "内容"}, servers);
  EXPECT_EQ(outcome.result, UploadOutcome::Result::kNoConnection);
  EXPECT_FALSE(outcome.reason.empty());
  EXPECT_TRUE(outcome.articleAddress.empty());
  EXPECT_FALSE(ReadUserValue("up"));
}

TEST(UploadAddress, NumberOnTheSite) {
  EXPECT_EQ(ArticleAddress("https://www.mushan-pc.cn", "1207"),
            "https://www.mushan-pc.cn/article.php?id=1207");
  EXPECT_EQ(ArticleAddress("http://127.0.0.1:8080", "1"), "http://127.0.0.1:8080/article.php?id=1");
  EXPECT_EQ(ArticleAddress("https://www.mushan-pc.cn", ""), "");
}

}  // namespace
