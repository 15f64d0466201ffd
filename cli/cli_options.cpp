// Parsing the command line of hwdex-cli.
#include "cli/cli_options.h"

#include <cerrno>
#include <cstdlib>

#include "assembly/upload.h"
#include "platform/encoding.h"

namespace {

// A whole decimal number without sign, blanks or other characters; false on overflow.
bool ParseUnsigned(const std::string& text, uint64_t max, uint64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  errno = 0;
  const unsigned long long parsed = std::strtoull(text.c_str(), nullptr, 10);
  if (errno == ERANGE || parsed > max) return false;
  value = parsed;
  return true;
}

// N=BYTES or N=BYTES,PRODUCT; the product is everything after the first comma, blanks trimmed,
// and must not be empty.
bool ParseDrive(const std::string& text, DriveSize& drive) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos) return false;
  uint64_t index = 0;
  if (!ParseUnsigned(text.substr(0, equals), 999, index)) return false;
  drive.index = static_cast<int>(index);
  const size_t comma = text.find(',', equals + 1);
  if (comma != std::string::npos) {
    const size_t first = text.find_first_not_of(' ', comma + 1);
    if (first == std::string::npos) return false;
    drive.product = text.substr(first, text.find_last_not_of(' ') - first + 1);
  }
  return ParseUnsigned(text.substr(equals + 1, comma == std::string::npos ? std::string::npos : comma - equals - 1),
                       UINT64_MAX, drive.bytes);
}

bool ParseDisplay(const std::string& text, int& width, int& height) {
  const size_t x = text.find_first_of("xX*");
  if (x == std::string::npos) return false;
  uint64_t w = 0, h = 0;
  if (!ParseUnsigned(text.substr(0, x), 100000, w) || !ParseUnsigned(text.substr(x + 1), 100000, h)) return false;
  if (w == 0 || h == 0) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

std::string Bad(const std::string& chinese, const std::string& english, const std::string& what) {
  return chinese + ": " + what + " / " + english + ": " + what;
}

bool IsUploadFlag(const std::string& flag) {
  return flag == "--upload" || flag == "--title" || flag == "--description" || flag == "--server";
}

// Stores the value of an upload flag; false with error set when it is unusable.
bool ApplyUploadFlag(const std::string& flag, const std::string& value, CliOptions& o, std::string& error) {
  if (flag == "--server") {
    o.serverGiven = ParseServerAddress(value, o.serverHost, o.serverPort);
    if (!o.serverGiven) error = Bad("--server 应为 主机:端口", "--server must be HOST:PORT", value);
    return o.serverGiven;
  }
  std::string& text = flag == "--upload"  ? o.uploadType
                      : flag == "--title" ? o.uploadTitle
                                          : o.uploadDescription;
  text = CommandLineText(value);
  return true;
}

// What the upload flags say together: --upload with a title, and each text no longer than the box
// the upload dialog reads it from, so that both front ends publish the same article.
bool CheckUpload(const CliOptions& o, std::string& error) {
  if (o.uploadType.empty()) {
    if (o.uploadTitle.empty() && o.uploadDescription.empty() && !o.serverGiven) return true;
    error = "--title、--description、--server 只能与 --upload 一起使用 / "
            "--title, --description and --server go with --upload";
    return false;
  }
  if (o.uploadTitle.empty()) {
    error = "缺少 --title TITLE / --upload needs --title TITLE";
    return false;
  }
  // clang-format off
  const struct { const char* flag; const std::string& text; size_t limit; } kTexts[] = {
      {"--upload", o.uploadType, kUploadTypeLength},
      {"--title", o.uploadTitle, kUploadTitleLength},
      {"--description", o.uploadDescription, kUploadDescriptionLength},
  };
  // clang-format on
  for (const auto& t : kTexts) {
    if (t.text.size() <= t.limit) continue;
    const std::string limit = std::to_string(t.limit);
    error = std::string(t.flag) + " 最长 " + limit + " 字节(一个汉字占 2 字节) / " + t.flag +
            " takes at most " + limit + " bytes of GBK text (2 for a Chinese character)";
    return false;
  }
  return true;
}

}  // namespace

bool ParseServerAddress(const std::string& text, std::string& host, int& port) {
  const size_t colon = text.rfind(':');
  uint64_t number = 0;
  if (colon == std::string::npos || colon == 0 || !ParseUnsigned(text.substr(colon + 1), 65535, number) ||
      number == 0) {
    return false;
  }
  host = text.substr(0, colon);
  port = static_cast<int>(number);
  return true;
}

std::string CommandLineText(const std::string& argument) {
#ifdef _WIN32
  return argument;
#else
  return Utf8ToGbk(argument);
#endif
}

const char* CliUsage() {
  return "用法 / usage:\n"
         "  hwdex-cli analyse --report FILE [--registry FILE.reg]... [--drive N=BYTES[,PRODUCT]]... [--display WxH] --out DIR [--gbk]\n"
         "  hwdex-cli scan --out DIR [--gbk]\n"
         "    analyse 与 scan 可加 / analyse and scan take: --upload TYPE --title TITLE [--description TEXT] "
         "[--server HOST:PORT]\n"
         "  hwdex-cli assemble --config FILE [--gbk] [--html] [--new-only | --old-only] [--picture FILE.png]\n";
}

bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& options, std::string& error) {
  if (args.empty()) {
    error = "缺少命令 / missing command";
    return false;
  }
  if (args[0] == "analyse" || args[0] == "analyze") {
    options.command = CliOptions::Command::kAnalyse;
  } else if (args[0] == "scan") {
    options.command = CliOptions::Command::kScan;
  } else {
    error = Bad("未知命令", "unknown command", args[0]);
    return false;
  }
  const bool analyse = options.command == CliOptions::Command::kAnalyse;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--gbk") {
      options.gbk = true;
      continue;
    }
    const bool takesValue =
        flag == "--out" || IsUploadFlag(flag) ||
        (analyse && (flag == "--report" || flag == "--registry" || flag == "--drive" || flag == "--display"));
    if (!takesValue) {
      error = Bad("无法识别的参数", "unrecognised argument", flag);
      return false;
    }
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = Bad("参数缺少值", "argument needs a value", flag);
      return false;
    }
    const std::string& value = args[++i];
    if (IsUploadFlag(flag)) {
      if (!ApplyUploadFlag(flag, value, options, error)) return false;
    } else if (flag == "--out") {
      options.outDir = value;
    } else if (flag == "--report") {
      options.report = value;
    } else if (flag == "--registry") {
      options.registries.push_back(value);
    } else if (flag == "--drive") {
      DriveSize drive;
      if (!ParseDrive(value, drive)) {
        error = Bad("--drive 应为 N=字节数 或 N=字节数,产品型号", "--drive must be N=BYTES or N=BYTES,PRODUCT", value);
        return false;
      }
      options.drives.push_back(drive);
    } else if (!ParseDisplay(value, options.displayWidth, options.displayHeight)) {
      error = Bad("--display 应为 宽x高", "--display must be WxH", value);
      return false;
    } else {
      options.displayGiven = true;
    }
  }
  if (options.outDir.empty()) {
    error = "缺少 --out DIR / --out DIR is required";
    return false;
  }
  if (analyse && options.report.empty()) {
    error = "缺少 --report FILE / --report FILE is required";
    return false;
  }
  return CheckUpload(options, error);
}
