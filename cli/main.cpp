// hwdex-cli: the scan and summary engine without a window.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_assemble.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli/cli_shop.h"
#include "cli/cli_upload.h"
#include "platform/encoding.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The summary's own "\r\n" must reach the file or pipe unchanged.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "assemble") return RunAssemble(args);
  if (!args.empty() && args[0] == "shop") return RunShopCommand({args.begin() + 1, args.end()});
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(args, options, error)) {
    const bool gbk = std::find(args.begin(), args.end(), "--gbk") != args.end();
    const std::string text = "hwdex-cli: " + error + "\n" + CliUsage() + ShopUsage();
    const std::string bytes = gbk ? text : GbkToUtf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    return 2;
  }
  const int status = RunCli(options);
  // --upload: the machine just summarised is published once its pages are written.
  if (status != 0 || options.uploadType.empty()) return status;
  return RunUpload(options);
}
