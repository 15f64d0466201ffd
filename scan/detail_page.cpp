// The detailed page view.htm: the report with the program's header, its extra device rows and the
// dictionary's Chinese terms.
#include "scan/detail_page.h"

#include <cstdio>

#include "platform/files.h"
#include "scan/dictionary.h"
#include "scan/line_reader.h"
#include "scan/product.h"
#include "scan/records.h"
#include "scan/report_layout.h"
#include "scan/report_reader.h"
#include "scan/text_helpers.h"

namespace {

// The five header targets of one report tool, tried in order, one per line: the text to find, its
// replacement ("{site}" stands for the product web site), whether detailRows follow the line. In a
// text to find, "{version}" stands for the version the report's layout gives its version row.
struct HeaderTarget {
  const char* find;
  const char* replacement;
  int appendDetailRows;
};
struct HeaderSet {
  const char* title;  // the report's <title>
  HeaderTarget targets[5];
};
constexpr int kTargetCount = 5;

// The first set also serves reports with an unknown title.
constexpr HeaderSet kHeaderSets[] = {
    {"CPU-Z HTML report file",
     {{"CPU-Z", "沐杉", 0},
      // the maker's logo link loses its address and image
      {"http://www.cpuid.com\" target=blank><img src=\"http://www.cpuid.com/medias/images/en/"
       "header-logo.jpg\" border=\"0\" width=\"180\" height=\"66\"></a></p>",
       "</p>", 0},
      {"<b>CPU-Z</b>", "<a href=\"{site}\" target=blank>沐杉电脑助手软件</a>", 0},
      {"<b>Binaries</b>", "<b>电脑配件详细参数</b>", 1},
      // the version the program shipped with, or a newer one whose layout it knows, loses its
      // version row's text
      {"CPU-Z version</small></td><td valign=\"center\"><small><font color=\"#0000A0\">{version}</font>"
       "</small></td></tr>",
       "</small></td><td valign=\"center\"><small><font color=\"#0000A0\"></font></small></td></tr>", 0}}},
    // The program's own report tool (hx.dll): its name in the title, the logo line, the first block
    // title and the version row.
    {"沐杉硬件报告 HTML report file",
     {{"沐杉硬件报告 HTML report file", "沐杉 HTML report file", 0},
      {"<p>沐杉硬件报告</p>", "<p></p>", 0},
      {"<b>沐杉硬件报告</b>", "<a href=\"{site}\" target=blank>沐杉电脑助手软件</a>", 0},
      {"<b>Binaries</b>", "<b>电脑配件详细参数</b>", 1},
      {"沐杉硬件报告 version</small></td><td valign=\"center\"><small><font color=\"#0000A0\">1.0.0</font>"
       "</small></td></tr>",
       "</small></td><td valign=\"center\"><small><font color=\"#0000A0\"></font></small></td></tr>", 0}}},
};

const HeaderSet& SetForTitle(LineReader& report) {
  for (const HeaderSet& set : kHeaderSets) {
    const std::string title = std::string("<title>") + set.title + "</title>";
    PieceSearch search(title);
    ForEachPiece(report, true, [&](std::string_view piece) { search.Feed(piece); });
    if (search.found()) return set;
  }
  return kHeaderSets[0];
}

bool HasTitle(LineReader& report) {
  PieceSearch search("<title>");
  ForEachPiece(report, true, [&](std::string_view piece) { search.Feed(piece); });
  return search.found();
}

// Runs a line through the replacements in order, piece by piece; the result goes to out.
void ReplaceInPieces(LineReader& report, std::vector<PieceReplace>& steps, FileWriter& out) {
  std::string current, next;
  ForEachPiece(report, true, [&](std::string_view piece) {
    current.assign(piece);
    for (PieceReplace& step : steps) {
      next.clear();
      step.Feed(current, next);
      current.swap(next);
    }
    out.Write(current);
  });
  current.clear();
  for (PieceReplace& step : steps) {  // what each step still holds goes on through the later ones
    next.clear();
    step.Feed(current, next);
    step.Finish(next);
    current.swap(next);
  }
  out.Write(current);
}

class DetailWriter {
 public:
  DetailWriter(const Translator& translator, FileWriter& out, std::string version)
      : translator_(translator), out_(out), version_(std::move(version)) {}
  void Line(LineReader& report);

 private:
  void HeaderLine(LineReader& report);

  const Translator& translator_;
  FileWriter& out_;
  const std::string version_;
  const HeaderSet* set_ = &kHeaderSets[0];
  bool titleSeen_ = false;
  int target_ = 0;
  std::string line_;
};

void DetailWriter::HeaderLine(LineReader& report) {
  const HeaderTarget& target = set_->targets[target_];
  std::string replacement = target.replacement;
  ReplaceAll(replacement, "{site}", kProductSite);
  std::string find = target.find;
  ReplaceAll(find, "{version}", version_);
  if (report.whole()) {
    line_.assign(report.text());
    const size_t at = FindBytes(line_, find);
    if (at != std::string::npos) {
      line_.replace(at, find.size(), replacement);
      ++target_;
      if (target.appendDetailRows) line_ += detailRows;
    }
    out_.Write(line_);
    return;
  }
  std::vector<PieceReplace> steps{PieceReplace(find, replacement)};
  ReplaceInPieces(report, steps, out_);
  if (!steps[0].replaced()) return;
  ++target_;
  if (target.appendDetailRows) out_.Write(detailRows);
}

void DetailWriter::Line(LineReader& report) {
  if (!titleSeen_ && (report.whole() ? HasBytes(report.text(), "<title>") : HasTitle(report))) {
    titleSeen_ = true;
    if (target_ == 0) set_ = &SetForTitle(report);
  }
  if (target_ < kTargetCount) {
    HeaderLine(report);
  } else if (report.whole()) {
    line_.assign(report.text());
    translator_.Apply(line_);
    out_.Write(line_);
  } else {
    std::vector<PieceReplace> steps;
    for (const TermPair& pair : translator_.pairs()) steps.emplace_back(pair.find, pair.replacement);
    ReplaceInPieces(report, steps, out_);
  }
  out_.Write("\n");
}

}  // namespace

bool WriteDetailPage(const std::string& programDir) {
  const Translator translator(ReadDictionary(ProgramFile(programDir, kDictionaryFile)));
  const std::string reportPath = ProgramFile(programDir, kReportFile);
  FileWriter page(ProgramFile(programDir, kDetailPageFile));
  {
    LineReader report(reportPath);
    DetailWriter writer(translator, page, DetailVersionOf(reportPath));
    while (report.Next()) writer.Line(report);
  }
  if (!page.Commit()) return false;
  std::remove(reportPath.c_str());
  return true;
}
