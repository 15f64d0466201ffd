// Running the report tool and cutting its report's six sections into the filtered report.
#include "scan/report_reader.h"

#include "platform/files.h"
#include "platform/notice.h"
#include "platform/process.h"
#include "scan/line_reader.h"

namespace {

// The sections taken, in report order: start marker, end marker, whether the end line is copied
// (then it also opens the next section, whose start marker it is).
struct Section {
  const char* start;
  const char* end;
  int endLineCopied;
};
constexpr Section kSections[] = {
    {"<b>Processors</b>", "<b>Thread dumps</b>", 0},
    {"<b>Chipset</b>", "<b>Memory SPD</b>", 1},
    {"<b>Memory SPD</b>", "<b>PCI Devices</b>", 0},
    {"<b>DMI</b>", "DMI Processor", 0},  // the end is the title of the DMI processor block
    {"<b>Display Adapters</b>", "<b>Software</b>", 1},
    {"<b>Software</b>", "<b>ACPI</b>", 0},
};
constexpr int kSectionCount = sizeof kSections / sizeof kSections[0];

constexpr const char* kOpeningLine =
    "</br><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">\n";
constexpr const char* kClosingLine = "</table>";

// Indented sub-rows whose key is two or three characters long hold register dumps: the "<" that
// closes the key cell stands at position 85 or 86 behind the 83-character indent.
constexpr const char* kSubRowMark = "<small>&nbsp;&nbsp;&nbsp;&nbsp;\t";
constexpr size_t kShortKeyEnds[] = {85, 86};

// The mark stands behind the row's 51-character start in every report seen; elsewhere it is looked for.
constexpr size_t kUsualSubRowMark = 51;

bool HasSubRowMark(std::string_view line) {
  const std::string_view mark = kSubRowMark;
  if (line.size() >= kUsualSubRowMark && line.substr(kUsualSubRowMark, mark.size()) == mark) return true;
  return HasBytes(line, mark);
}

bool ShortKeyEnd(std::string_view firstPiece) {
  for (size_t at : kShortKeyEnds) {
    if (at < firstPiece.size() && firstPiece[at] == '<') return true;
  }
  return false;
}

// What a line holds, as far as the filter asks: the sub-row mark and the markers of one section.
struct LineMarks {
  bool subRow = false;
  bool start = false;
  bool end = false;
};

// The current section's markers, looked for ahead in the report's buffer.
struct SectionSearch {
  explicit SectionSearch(const Section& section) : start(section.start), end(section.end) {}
  void Reset(const Section& section) {
    start.Reset(section.start);
    end.Reset(section.end);
  }
  AheadSearch start;
  AheadSearch end;
};

LineMarks MarksOf(LineReader& report, const Section& section, SectionSearch& search) {
  LineMarks marks;
  if (report.whole()) {
    const std::string_view line = report.text();
    marks.subRow = ShortKeyEnd(line) && HasSubRowMark(line);
    marks.start = search.start.InLine(report);
    marks.end = search.end.InLine(report);
    return marks;
  }
  const bool shortKey = ShortKeyEnd(report.text());
  PieceSearch subRow(kSubRowMark), start(section.start), end(section.end);
  ForEachPiece(report, false, [&](std::string_view piece) {
    subRow.Feed(piece);
    start.Feed(piece);
    end.Feed(piece);
  });
  marks.subRow = shortKey && subRow.found();
  marks.start = start.found();
  marks.end = end.found();
  return marks;
}

}  // namespace

bool RunReportTool(const std::string& programDir) {
  if (!RunAndWait(kReportToolCommand, programDir)) {
    ShowNotice("无法取得部份硬件信息,可能硬件驱动给杀毒软件拦截，或需重新下载软件安装!", "提示");
    return false;
  }
  PauseMilliseconds(1000);  // the report is read only after this pause
  return true;
}

void FilterReport(const std::string& reportPath, const std::string& filteredPath) {
  FileWriter filtered(filteredPath);
  filtered.Write(kOpeningLine);
  LineReader report(reportPath);
  int step = 0;
  bool copying = false;
  SectionSearch search(kSections[0]);
  while (step < kSectionCount && report.Next()) {
    if (report.whole() && report.text().empty()) continue;
    const LineMarks marks = MarksOf(report, kSections[step], search);
    if (marks.subRow) continue;
    if (marks.start) copying = true;
    if (marks.end) {
      if (!copying) continue;
      copying = kSections[step].endLineCopied != 0;
      if (++step < kSectionCount) search.Reset(kSections[step]);
    }
    if (!copying) continue;
    ForEachPiece(report, true, [&](std::string_view piece) { filtered.Write(piece); });
    filtered.Write("\n");
  }
  filtered.Write(kClosingLine);
  filtered.Commit();
}
