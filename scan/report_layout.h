// Which layout a report is in, told by its header (title and version), and the step that brings a
// report of a newer layout into the layout the filter and the walker read before it is filtered.
#pragma once

#include <string>
#include <vector>

// The converted copy the filter reads when the report had to be converted; removed after filtering.
constexpr const char* kConvertedReportFile = "~layout.htm";

// The head of a report: its title (the HTML <title>, or the first line of the text form) and the
// value of its tool's version row ("2.06.1.x64"); either is empty when the head does not hold it.
struct ReportHeader {
  std::string title;
  std::string version;
  bool text = false;  // the tool's plain-text form, not its HTML report
};

// How the report is read.
enum class Conversion {
  kNone,       // read as written: the layout the filter and the walker were made for
  kNewerHtml,  // rows and block titles of newer HTML reports brought into that layout
  kText,       // the text form written out as the HTML report first, then as kNewerHtml
};

struct ReportLayout {
  ReportHeader header;
  Conversion conversion = Conversion::kNone;
  bool knownHeader = false;                // a title and version the program knows
  std::vector<std::string> missingBlocks;  // blocks the reading needs that the report lacks
  // Known, and with every block the reading needs: the summary holds what the report states.
  bool recognised() const { return knownHeader && missingBlocks.empty(); }
};

// Reads the head of the report at path (its first lines only).
ReportHeader ReadReportHeader(const std::string& path);

// The layout a header names: known or not, and how a report with it is read.
ReportLayout LayoutOfHeader(const ReportHeader& header);

// Reads the report at reportPath and tells its layout. A report in the text form is replaced by its
// HTML form (the detailed page is made from it). When the layout needs it, the converted report is
// written to convertedPath for the filter; otherwise nothing is written there.
ReportLayout ConvertReport(const std::string& reportPath, const std::string& convertedPath);

// The report step after the tool: converts "~temp.htm" in programDir where its layout needs it and
// filters it into "pc.htm"; the converted copy is removed again.
ReportLayout ConvertAndFilterReport(const std::string& programDir);

// The text the detailed page's version-row target holds for the report at path: the report's own
// version when it is of a newer layout the program knows, otherwise the version the rules name.
std::string DetailVersionOf(const std::string& reportPath);
