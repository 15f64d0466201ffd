// hwdex-cli assemble: reads a configuration file into the assembly form's rows, prints the text or
// HTML form and, on Windows, draws the configuration picture as the assembly page does.
#include "cli/cli_assemble.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/servers.h"
#include "cli/cli_options.h"
#include "platform/encoding.h"
#include "platform/process.h"
#include "platform/files.h"

#ifdef _WIN32
#include "assembly/config_picture.h"
#endif

namespace {

// A configuration holds seventeen short lines; a larger file is not one.
constexpr size_t kMaxConfigBytes = size_t{1} << 20;

bool outputGbk = false;

// Writes a GBK text, converted to UTF-8 unless GBK output was asked for.
void Write(FILE* stream, const std::string& gbk) {
  const std::string bytes = outputGbk ? gbk : GbkToUtf8(gbk);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

int Fail(const std::string& message) {
  Write(stderr, "hwdex-cli: " + message + "\n");
  return 2;
}

std::string LineError(size_t line, const std::string& chinese, const std::string& english) {
  const std::string n = std::to_string(line);
  return "第 " + n + " 行: " + chinese + " / line " + n + ": " + english;
}

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t extra = 0;
    uint32_t least = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3, least = 0x10000;
    } else {
      return false;
    }
    if (text.size() - i <= extra) return false;
    uint32_t code = lead & (0x3Fu >> extra);
    for (size_t k = 1; k <= extra; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += extra + 1;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// Reads one line (GBK, without its line end) into rows; seen marks the rows given so far.
bool ReadConfigLine(std::string_view line, size_t number, AssemblyTexts& rows, bool* seen, std::string& error) {
  std::string_view fields[4];
  size_t count = 0;
  for (size_t start = 0;; ++count) {
    const size_t tab = line.find('\t', start);
    if (count == 4) {
      error = LineError(number, "字段过多(最多四个,以 Tab 分隔)", "too many fields (at most four, tab-separated)");
      return false;
    }
    fields[count] = line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  const std::string label(TrimBlanks(fields[0]));
  const size_t row = FindAssemblyRow(label);
  if (row == kAssemblyRowCount) {
    error = LineError(number, "未知的类型: " + label, "unknown row: " + label);
    return false;
  }
  if (seen[row]) {
    error = LineError(number, "类型重复: " + label, "row given twice: " + label);
    return false;
  }
  seen[row] = true;
  rows[row] = {std::string(fields[1]), std::string(fields[2]), std::string(fields[3])};
  return true;
}

// Reads at most limit + 1 bytes, so that an oversized file is known without reading it all. A pipe
// such as /dev/stdin serves; a folder does not.
bool ReadFileLimited(const std::string& path, size_t limit, std::string& bytes) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  bytes.resize(limit + 1);
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) return false;
  bytes.resize(static_cast<size_t>(file.gcount()));
  return true;
}

#ifdef _WIN32
void TellOnStderr(const std::string& text, const std::string& caption) {
  Write(stderr, "[" + caption + "] " + text + "\n");
}
#endif

}  // namespace

bool ParseAssembleOptions(const std::vector<std::string>& args, AssembleOptions& options, std::string& error) {
  bool newOnly = false;
  bool oldOnly = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--gbk" || flag == "--html" || flag == "--new-only" || flag == "--old-only") {
      options.gbk |= flag == "--gbk";
      options.html |= flag == "--html";
      newOnly |= flag == "--new-only";
      oldOnly |= flag == "--old-only";
      continue;
    }
    if (flag != "--config" && flag != "--picture") {
      error = "无法识别的参数: " + flag + " / unrecognised argument: " + flag;
      return false;
    }
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = "参数缺少值: " + flag + " / argument needs a value: " + flag;
      return false;
    }
    (flag == "--config" ? options.config : options.picture) = args[++i];
  }
  if (options.config.empty()) {
    error = "缺少 --config FILE / --config FILE is required";
    return false;
  }
  if (newOnly && oldOnly) {
    error = "--new-only 与 --old-only 只能选一个 / --new-only and --old-only exclude each other";
    return false;
  }
#ifndef _WIN32
  if (!options.picture.empty()) {
    error = "--picture 只能在 Windows 版本中使用 / --picture needs the Windows build (hwdex-cli.exe)";
    return false;
  }
#endif
  options.columns.secondHand = !newOnly;
  options.columns.newPrice = !oldOnly;
  return true;
}

bool ReadAssemblyConfig(const std::string& bytes, bool gbk, AssemblyTexts& rows, std::string& error) {
  rows = AssemblyTexts{};
  std::string_view text = bytes;
  if (!gbk && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool seen[kAssemblyRowCount] = {};
  size_t number = 0;
  for (size_t start = 0; start <= text.size(); ++number) {
    const size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end == std::string_view::npos ? text.size() + 1 : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (!gbk && !IsUtf8(line)) {
      error = LineError(number + 1, "不是 UTF-8 文字(GBK 文件请加 --gbk)", "not UTF-8 (add --gbk for a GBK file)");
      return false;
    }
    const std::string gbkLine = gbk ? std::string(line) : Utf8ToGbk(std::string(line));
    if (!ReadConfigLine(gbkLine, number + 1, rows, seen, error)) return false;
  }
  return true;
}

int RunAssemble(const std::vector<std::string>& args) {
  AssembleOptions options;
  std::string error;
  outputGbk = std::find(args.begin(), args.end(), "--gbk") != args.end();
  if (!ParseAssembleOptions(args, options, error)) {
    Write(stderr, "hwdex-cli: " + error + "\n" + CliUsage());
    return 2;
  }
  std::string bytes;
  if (!ReadFileLimited(options.config, kMaxConfigBytes, bytes)) return Fail("无法读取配置文件 / cannot read the configuration: " + options.config);
  if (bytes.size() > kMaxConfigBytes) return Fail("配置文件过大 / the configuration is too large: " + options.config);
  AssemblyTexts rows;
  if (!ReadAssemblyConfig(bytes, options.gbk, rows, error)) return Fail(options.config + ": " + error);

  const std::string programDir = RunningProgramDirectory();
  const std::string site = ReadServerAddresses(ProgramFile(programDir, "hwdex.ini")).site;
  const std::string text = BuildAssemblyText(rows, options.columns, site);
  Write(stdout, (options.html ? BuildAssemblyHtml(rows) : text) + "\r\n");
#ifdef _WIN32
  if (!options.picture.empty()) {
    const PictureOutcome outcome = MakeConfigPicture(programDir, options.picture, text + "\r\n", {nullptr, TellOnStderr});
    if (!outcome.png) return 2;
  }
#endif
  return 0;
}
