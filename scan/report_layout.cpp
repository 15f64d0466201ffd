// Recognising a report's layout from its header, and the report step that converts and filters it.
#include "scan/report_layout.h"

#include <cstdio>

#include "platform/files.h"
#include "scan/line_reader.h"
#include "scan/report_conversion.h"
#include "scan/report_reader.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"
#include "scan/text_report.h"

namespace {

// Report layouts the program knows: the report's title, the oldest and the newest version of the
// tool seen writing it (major and minor number), and how a report in it is read. A version outside
// every range of its title is not known; it is read as the title's last row says.
struct KnownLayout {
  const char* title;
  int fromMajor;
  int fromMinor;
  int toMajor;
  int toMinor;
  Conversion conversion;
};
constexpr KnownLayout kKnownLayouts[] = {
    {"CPU-Z HTML report file", 1, 61, 1, 61, Conversion::kNone},        // the layout the reading was made for
    {"沐杉硬件报告 HTML report file", 1, 0, 1, 0, Conversion::kNone},  // our own report tool, hx.dll
    {"CPU-Z HTML report file", 1, 72, 2, 8, Conversion::kNewerHtml},
    {kTextReportTitle, 1, 72, 2, 8, Conversion::kText},
};

// The version the rules' header target names in the version row.
constexpr const char* kRulesVersion = "1.61.3";

// The head is read this far at most: the title and the version row stand in its first lines.
constexpr int kHeaderLines = 40;

// "2.06.1.x64" gives 2 and 6; false when the text does not begin with two numbers and a point.
bool ParseVersion(const std::string& version, int& major, int& minor) {
  size_t at = 0;
  auto number = [&](int& out) {
    const size_t from = at;
    out = 0;
    while (at < version.size() && at - from < 4 && version[at] >= '0' && version[at] <= '9') {
      out = out * 10 + (version[at++] - '0');
    }
    return at > from;
  };
  if (!number(major) || at >= version.size() || version[at++] != '.') return false;
  return number(minor);
}

bool InRange(const KnownLayout& layout, int major, int minor) {
  const int version = major * 1000 + minor;
  return version >= layout.fromMajor * 1000 + layout.fromMinor && version <= layout.toMajor * 1000 + layout.toMinor;
}

// The version row of the HTML form: a row whose key ends with " version".
bool HtmlVersion(std::string_view line, std::string& version) {
  if (!HasBytes(line, " version</small></td>")) return false;
  version = Between(line, "0A0\">", "</f");
  return true;
}

// The version line of the text form: its text before the first tab ends with " version".
bool TextVersion(std::string_view line, std::string& version) {
  const size_t tab = line.find('\t');
  const std::string_view key = line.substr(0, tab);
  if (tab == std::string_view::npos || key.size() < 8 || key.substr(key.size() - 8) != " version") return false;
  const size_t from = line.find_first_not_of('\t', tab);
  version = from == std::string_view::npos ? std::string() : std::string(line.substr(from));
  return true;
}

}  // namespace

ReportHeader ReadReportHeader(const std::string& path) {
  ReportHeader header;
  LineReader report(path);
  bool versionSeen = false;
  for (int n = 0; n < kHeaderLines && !versionSeen && report.Next(); ++n) {
    std::string_view line = report.text();  // a long line's first piece
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (n == 0 && line == kTextReportTitle) {
      header.title = kTextReportTitle;
      header.text = true;
      continue;
    }
    if (header.title.empty() && !header.text && HasBytes(line, "<title>")) {
      header.title = Between(line, "<title>", "</title>");
    }
    if (header.title.empty()) continue;
    versionSeen = header.text ? TextVersion(line, header.version) : HtmlVersion(line, header.version);
  }
  return header;
}

ReportLayout LayoutOfHeader(const ReportHeader& header) {
  ReportLayout layout;
  layout.header = header;
  int major = 0, minor = 0;
  const bool numbered = ParseVersion(header.version, major, minor);
  for (const KnownLayout& known : kKnownLayouts) {
    if (header.title != known.title) continue;
    layout.conversion = known.conversion;
    if (numbered && InRange(known, major, minor)) {
      layout.knownHeader = true;
      return layout;
    }
  }
  return layout;
}

ReportLayout ConvertReport(const std::string& reportPath, const std::string& convertedPath) {
  ReportLayout layout = LayoutOfHeader(ReadReportHeader(reportPath));
  if (layout.conversion == Conversion::kText) {
    // The HTML form takes the report's place, for the detailed page as well as for the filter.
    if (!WriteHtmlForm(reportPath, convertedPath) || !MoveFileOver(convertedPath, reportPath)) {
      std::remove(convertedPath.c_str());
      layout.conversion = Conversion::kNone;
    }
  }
  if (layout.conversion != Conversion::kNone) {
    RowConversion rows = ConvertRows(reportPath, convertedPath);
    if (rows.written) {
      layout.missingBlocks = std::move(rows.missingBlocks);
      return layout;
    }
    std::remove(convertedPath.c_str());
    layout.conversion = Conversion::kNone;  // the filter reads the report as it is
  }
  layout.missingBlocks = ConvertRows(reportPath, "").missingBlocks;
  return layout;
}

ReportLayout ConvertAndFilterReport(const std::string& programDir) {
  const std::string report = ProgramFile(programDir, kReportFile);
  const std::string converted = ProgramFile(programDir, kConvertedReportFile);
  const ReportLayout layout = ConvertReport(report, converted);
  const bool copy = layout.conversion != Conversion::kNone;
  FilterReport(copy ? converted : report, ProgramFile(programDir, kFilteredReportFile));
  if (copy) std::remove(converted.c_str());
  return layout;
}

std::string DetailVersionOf(const std::string& reportPath) {
  const ReportLayout layout = LayoutOfHeader(ReadReportHeader(reportPath));
  const bool newer = layout.knownHeader && layout.conversion != Conversion::kNone;
  return newer ? layout.header.version : kRulesVersion;
}
