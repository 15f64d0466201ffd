// Publishing the summarised machine from the command line through the upload road.
#include "cli/cli_upload.h"

#include "app/update_rules.h"
#include "assembly/upload.h"
#include "cli/cli_shop.h"

#ifdef _WIN32
#include <windows.h>

#include "app/product_version.h"
#endif

namespace {

// The version the article's setup link names: the running program's version resource on Windows,
// otherwise (and when the program file has none) the version this build was made as, through the
// same rule.
std::string ProgramVersionText() {
#ifdef _WIN32
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    if (const std::optional<std::string> text = ProductVersionText(path)) return *text;
  }
#endif
  return VersionTextOf(HWDEX_VERSION_MAJOR << 16 | HWDEX_VERSION_MINOR, HWDEX_VERSION_PATCH << 16);
}

}  // namespace

int RunUpload(const CliOptions& o) {
  const ServerAddresses servers = CommandLineServers(o.serverGiven, o.serverHost, o.serverPort);
  const UploadTexts texts = {o.uploadType, o.uploadTitle, o.uploadDescription};
  const UploadOutcome outcome =
      UploadArticle(MachineArticle(texts, o.outDir, servers.site, ProgramVersionText()), servers);
  if (outcome.result == UploadOutcome::Result::kNoConnection) {
    const std::string where = servers.databaseHost + ":" + std::to_string(servers.databasePort);
    WriteOutput(stderr,
                std::string("hwdex-cli: ") + kUploadNoConnectionMessage +
                    " / could not connect to the shop database " + where + ": " + outcome.reason + "\n",
                o.gbk);
    return 1;
  }
  if (outcome.result == UploadOutcome::Result::kInsertFailed) {
    WriteOutput(stderr,
                "hwdex-cli: " + UploadFailureMessage(outcome) + " / upload failed: " + outcome.reason + "\n",
                o.gbk);
    return 1;
  }
  if (outcome.articleAddress.empty()) {
    // The article is stored; trying again would publish it twice.
    WriteOutput(
        stderr,
        "hwdex-cli: 上传成功!资料库没有给出文章编号 / uploaded, but the shop database gave no article number\n",
        o.gbk);
    return 0;
  }
  WriteOutput(stderr,
              std::string("hwdex-cli: ") + kUploadDoneMessage + " / uploaded as article " +
                  outcome.articleNumber + "\n",
              o.gbk);
  // The address on a line of its own after the summary: with --gbk the summary is written as it is,
  // without a line end after its last line, and its line ends are CR LF.
  WriteOutput(stdout, o.gbk ? "\r\n" + outcome.articleAddress + "\r\n" : outcome.articleAddress + "\n", o.gbk);
  return 0;
}
