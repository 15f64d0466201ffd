// The uploaded article's content and statement, and the road of one upload to the shop database.
#include "assembly/upload.h"

#include <errmsg.h>
#include <mysql.h>
#include <mysqld_error.h>

#include <vector>

#include "app/update_rules.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "scan/detail_page.h"
#include "scan/dictionary.h"
#include "scan/line_reader.h"
#include "scan/product.h"
#include "scan/records.h"
#include "scan/report_reader.h"
#include "scan/text_helpers.h"

namespace {

// Failures of the INSERT in the user's words: the client library's error number, the words. A
// number not listed is told with the last row's words.
struct FailureWords {
  unsigned number;
  const char* words;
};
constexpr FailureWords kInsertFailureWords[] = {
    {ER_TABLEACCESS_DENIED_ERROR, "资料库不允许本程序发表文章"},
    {ER_OPTION_PREVENTS_STATEMENT, "资料库现在只能读取,不能写入"},  // a read-only server
    {ER_NO_SUCH_TABLE, "资料库中没有文章表"},
    {ER_TRUNCATED_WRONG_VALUE_FOR_FIELD, "内容中有资料库无法保存的字符"},
    {ER_DATA_TOO_LONG, "标题或内容太长"},
    {ER_NET_PACKET_TOO_LARGE, "内容太长,超过了资料库一次能接收的大小"},
    {CR_NET_PACKET_TOO_LARGE, "内容太长,超过了资料库一次能接收的大小"},
    {CR_SERVER_GONE_ERROR, "与资料库的连接中断了"},
    {CR_SERVER_LOST, "与资料库的连接中断了"},
    {0, "资料库拒绝保存这篇文章"},
};

// "pc.htm" line by line without line ends, each line through the dictionary, detailRows after the
// first line.
void AppendReportLines(const std::string& programDir, std::string& content) {
  const Translator translator(ReadDictionary(ProgramFile(programDir, kDictionaryFile)));
  LineReader report(ProgramFile(programDir, kFilteredReportFile));
  std::string line;
  for (bool first = true; report.Next(); first = false) {
    line.clear();
    ForEachPiece(report, false, [&](std::string_view piece) { line.append(piece); });
    if (!line.empty() && line.back() == '\r') line.pop_back();
    translator.Apply(line);
    content += line;
    if (first) content += detailRows;
  }
}

}  // namespace

std::string ArticleText(std::string_view text) {
  std::string html = EscapeHtml(text);
  return ReplaceAll(html, "\"", "&quot;");
}

std::string ArticleTitle(const UploadTexts& texts) {
  return ArticleText(texts.title) + "(" + ArticleText(texts.type) + ")";
}

Article MachineArticle(const UploadTexts& texts, const std::string& programDir, const std::string& site,
                       const std::string& versionText) {
  std::string content = "<table>" + summaryHtml + "</table>";
  content += ArticleText(texts.description);
  content += "</br>";
  content += "<a href=\"" + SiteAddress(site, kSetupPath) + "\" target=blank><b>" + kProductName + " " +
             versionText + "</b></a></br><h3>本机详细信息：</h3>";
  AppendReportLines(programDir, content);
  return {ArticleTitle(texts), content};
}

Article AssemblyArticle(const UploadTexts& texts, const AssemblyTexts& rows) {
  return {ArticleTitle(texts), BuildAssemblyHtml(rows) + ArticleText(texts.description)};
}

std::string AssemblyUploadTitle(const AssemblyTexts& rows) {
  const std::string_view board = Leading(rows[FindAssemblyRow("主板")].model, kFormReadLength);
  const std::string_view cpu = Leading(rows[FindAssemblyRow("处理器")].model, kFormReadLength);
  return std::string(board).append(cpu);
}

std::string InsertArticleStatement(st_mysql* connection, const Article& article) {
  const std::string title = EscapeString(connection, article.title);
  const std::string content = EscapeString(connection, article.content);
  if ((title.empty() && !article.title.empty()) || (content.empty() && !article.content.empty())) return {};
  return "INSERT INTO ecs_article(cat_id,title, content,add_time)VALUES (" +
         std::to_string(kUploadArticleCategory) + ",'" + title + "','" + content + "',UNIX_TIMESTAMP())";
}

std::string ArticleAddress(const std::string& site, const std::string& number) {
  if (number.empty()) return {};
  return SiteAddress(site, "/article.php?id=") + number;
}

UploadOutcome UploadArticle(const Article& article, const ServerAddresses& servers, const ShopLogin& login) {
  UploadOutcome outcome;
  const ShopConnection connection =
      ConnectToShop(servers.databaseHost, servers.databasePort, login, &outcome.reason);
  if (!connection) return outcome;
  SendSetNames(connection.get());
  const std::string statement = InsertArticleStatement(connection.get(), article);
  outcome.result = UploadOutcome::Result::kInsertFailed;
  if (statement.empty()) {
    outcome.reason = "the text could not be escaped for the statement";
    return outcome;
  }
  if (mysql_real_query(connection.get(), statement.data(), statement.size()) != 0) {
    outcome.errorNumber = mysql_errno(connection.get());
    outcome.reason = mysql_error(connection.get());
    return outcome;
  }
  const std::vector<ShopRow> rows = QueryRows(connection.get(), "SELECT LAST_INSERT_ID()");
  if (!rows.empty()) outcome.articleNumber = rows[0][0];
  outcome.result = UploadOutcome::Result::kDone;
  outcome.articleAddress = ArticleAddress(servers.site, outcome.articleNumber);
  WriteUserValue(kUploadMarkerName, "1");
  return outcome;
}

std::string UploadFailureMessage(const UploadOutcome& outcome) {
  const FailureWords* words = &kInsertFailureWords[0];
  while (words->number != 0 && words->number != outcome.errorNumber) ++words;
  return std::string("上传失败!") + words->words + "。";
}
