// Publishing a configuration: the article a scanned machine or an assembled configuration becomes,
// the statement that stores it in the shop's article table, and the road of one upload, whose
// outcome is plain data. The upload dialogs and hwdex-cli only move texts and show the outcome.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "app/servers.h"
#include "assembly/assembly_form.h"
#include "assembly/shop_connection.h"

// The shop's article category of uploaded configurations.
constexpr int kUploadArticleCategory = 16;

// How many bytes of its box each text is read with at upload (a Chinese character takes two).
constexpr size_t kUploadTypeLength = 29;
constexpr size_t kUploadTitleLength = 59;
constexpr size_t kUploadDescriptionLength = 249;

// The article types each dialog lists, in list order; the first is the box's initial text. Either
// box takes typed text as well.
inline constexpr const char* kMachineUploadTypes[] = {"求全新报价", "求二手估价", "求升级", "求性能"};
inline constexpr const char* kAssemblyUploadTypes[] = {"求全新报价", "求二手估价", "求性能"};

// The messages of an upload ("提示" boxes; the success message's caption is "提示!").
constexpr const char* kUploadNoConnectionMessage = "连接资料库失败!,请重试!";
constexpr const char* kUploadDoneMessage = "上传成功!";

// What the user gave: plain GBK text, as read from the boxes.
struct UploadTexts {
  std::string type;
  std::string title;
  std::string description;
};

// An article as it goes into the table, before the statement escapes it.
struct Article {
  std::string title;
  std::string content;
};

// Plain text from anyone, made safe for the shop's page: "&", "<", ">" and '"' become entities.
std::string ArticleText(std::string_view text);

// The article's title: title + "(" + type + ")", both as plain text.
std::string ArticleTitle(const UploadTexts& texts);

// The machine article of the last scan: the summary table (summaryHtml), the description, the link
// to the setup program on site naming versionText, then the lines of "pc.htm" in programDir without
// their line ends, each rewritten by the dictionary "dic" there, with detailRows after the first
// line. A file that cannot be read contributes nothing.
Article MachineArticle(const UploadTexts& texts, const std::string& programDir, const std::string& site,
                       const std::string& versionText);

// The assembly article: the configuration's HTML table followed by the description.
Article AssemblyArticle(const UploadTexts& texts, const AssemblyTexts& rows);

// The assembly upload's initial title: the mainboard model immediately followed by the CPU model,
// each read as the forms read a model box.
std::string AssemblyUploadTitle(const AssemblyTexts& rows);

// The INSERT of article into ecs_article, both texts escaped for this connection. Empty when the
// client library could not escape them (nothing is then safe to send).
std::string InsertArticleStatement(st_mysql* connection, const Article& article);

// The article's page on the product web site ("/article.php?id=" + number); empty without a number.
std::string ArticleAddress(const std::string& site, const std::string& number);

struct UploadOutcome {
  enum class Result { kNoConnection, kInsertFailed, kDone };
  Result result = Result::kNoConnection;
  unsigned errorNumber = 0;    // the client library's number of a failure
  std::string reason;          // the client library's own words for a failure (English)
  std::string articleNumber;   // kDone: the new article's number, empty when the server gave none
  std::string articleAddress;  // kDone: its page, empty without a number
};

// One upload: connects with login to the shop database of servers, sends "set names gbk", the
// INSERT and "SELECT LAST_INSERT_ID()", closes, and on success writes the upload marker "up" = "1".
// After a failure nothing is marked.
UploadOutcome UploadArticle(const Article& article, const ServerAddresses& servers,
                            const ShopLogin& login = kShopLogin);

// What the user is told of a failed INSERT: "上传失败!" and the reason in plain words.
std::string UploadFailureMessage(const UploadOutcome& outcome);
