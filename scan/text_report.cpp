// The text form of a report as the tool's HTML report. The text is read as a stream, one line held
// back: a block title is known by the line of dashes under it.
#include "scan/text_report.h"

#include <algorithm>

#include "scan/line_reader.h"
#include "scan/report_conversion.h"

namespace {

// The head and the tail the tool writes around the rows of its HTML report; the detailed page finds
// its header targets in the head.
constexpr const char* kHtmlHead[] = {
    "<html><head><title>CPU-Z HTML report file</title></head><body bgcolor=FFFFFF>",
    "<font face=\"Verdana\" color=\"#000000\">",
    "<table border=0 width=\"100%\" cellspacing=\"0\" cellpadding=\"5\">",
    "<tr align=\"left\">",
    "<td>",
    ("<p><a href=\"http://www.cpuid.com\" target=blank><img src=\"http://www.cpuid.com/medias/images/en/"
     "header-logo.jpg\" border=\"0\" width=\"180\" height=\"66\"></a></p>"),
    "</td>",
    "</tr>",
    "<tr><td><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">",
};
constexpr const char* kHtmlTail[] = {"</table></td></tr>", "</font></body></html>"};

// The text form's first block is titled with the report's own title; the HTML form names it after
// the tool, as the tool does.
constexpr const char* kFirstBlock = "CPU-Z";
constexpr const char* kBlankCell = "&nbsp;";
constexpr size_t kShortestRule = 10;  // a line of dashes under a title

bool IsDashes(std::string_view line) {
  return line.size() >= kShortestRule && line.find_first_not_of('-') == std::string_view::npos;
}

// Plain text in a page: "<" and ">" cannot open or close markup. An "&" stays, as the tool's own
// HTML report writes it.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else out += c;
  }
  return out;
}

std::string RowOf(std::string_view line) {
  if (line.empty()) return ReportRow(0, kBlankCell, kBlankCell);
  size_t indent = 0;
  while (indent < line.size() && line[indent] == '\t') ++indent;
  const size_t keyEnd = std::min(line.find('\t', indent), line.size());
  size_t valueStart = keyEnd;
  while (valueStart < line.size() && line[valueStart] == '\t') ++valueStart;
  return ReportRow(static_cast<int>(indent), Escaped(line.substr(indent, keyEnd - indent)),
                   Escaped(line.substr(valueStart)));
}

class HtmlFormWriter {
 public:
  explicit HtmlFormWriter(FileWriter& out) : out_(out) {}
  void Head();
  void Line(LineReader& text);
  void End();

 private:
  void Emit(std::string_view row) {
    out_.Write(row);
    out_.Write("\n");
  }
  void Flush() {
    if (held_) Emit(RowOf(line_));
    held_ = false;
  }
  void LongRow(LineReader& text);

  FileWriter& out_;
  std::string line_;  // the line held back
  bool held_ = false;
  bool underTitle_ = false;  // empty lines right under a title are no rows
};

void HtmlFormWriter::Head() {
  for (const char* line : kHtmlHead) Emit(line);
}

void HtmlFormWriter::End() {
  Flush();
  for (const char* line : kHtmlTail) Emit(line);
}

// A line too long for a row of the report: one row, its whole text the value.
void HtmlFormWriter::LongRow(LineReader& text) {
  const std::string shell = ReportRow(0, "", "");
  const size_t valueAt = shell.find("</font>");
  out_.Write(std::string_view(shell).substr(0, valueAt));
  ForEachPiece(text, true, [&](std::string_view piece) { out_.Write(Escaped(piece)); });
  Emit(std::string_view(shell).substr(valueAt));
}

void HtmlFormWriter::Line(LineReader& text) {
  if (!text.whole()) {
    Flush();
    LongRow(text);
    underTitle_ = false;
    return;
  }
  std::string_view line = text.text();
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (held_ && !line_.empty() && IsDashes(line)) {
    Emit(ReportTitleRow(line_ == kTextReportTitle ? std::string(kFirstBlock) : Escaped(line_)));
    held_ = false;
    underTitle_ = true;
    return;
  }
  if (line.empty() && underTitle_) return;
  Flush();
  underTitle_ = false;
  line_.assign(line);
  held_ = true;
}

}  // namespace

bool WriteHtmlForm(const std::string& textPath, const std::string& htmlPath) {
  FileWriter out(htmlPath);
  {
    LineReader text(textPath);
    HtmlFormWriter writer(out);
    writer.Head();
    while (text.Next()) writer.Line(text);
    writer.End();
  }
  return out.Commit();
}
