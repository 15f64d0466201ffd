// The report target: filter (against its rules applied in memory), walk and the report analysers on
// arbitrary bytes, the streaming pieces (line reader, piece search, piece replacement) against
// plain readings of the same bytes, and the report step that converts newer layouts first.
#include <cstdio>
#include <string>
#include <string_view>

#include "analysers/cpu.h"
#include "analysers/graphics.h"
#include "analysers/mainboard.h"
#include "analysers/memory.h"
#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "scan/dictionary.h"
#include "scan/line_reader.h"
#include "scan/report_conversion.h"
#include "scan/report_layout.h"
#include "scan/records.h"
#include "scan/report_reader.h"
#include "scan/report_walker.h"
#include "scan/summary_report.h"

namespace {

constexpr size_t kSmallBuffer = 256;  // the reader's smallest buffer: lines past it come in pieces

// Every line read whole or assembled from its pieces (and, every other long line, read again after
// Restart) equals the line split off the bytes; a line whose pieces are left unread is skipped whole.
void CheckLineReader(const std::string& path, const std::string& bytes) {
  const std::vector<std::string> lines = SplitAt(bytes, "\n");
  LineReader reader(path, kSmallBuffer);
  for (size_t i = 0; i < lines.size(); ++i) {
    FuzzCheck(reader.Next(), "the reader gives every line");
    std::string got(reader.text());
    if (reader.whole()) {
      FuzzCheck(got == lines[i], "a whole line is the line");
      continue;
    }
    FuzzCheck(got.size() >= kSmallBuffer, "a long line's first piece fills the buffer");
    if (i % 3 == 2) {
      FuzzCheck(lines[i].compare(0, got.size(), got) == 0, "the first piece begins the line");
      continue;  // Next() skips the rest
    }
    for (std::string_view piece; reader.NextPiece(piece);) got.append(piece);
    FuzzCheck(got == lines[i], "a long line's pieces make the line");
    if (i % 3 == 1) {
      FuzzCheck(reader.Restart(), "a long line can be read again");
      std::string again(reader.text());
      for (std::string_view piece; reader.NextPiece(piece);) again.append(piece);
      FuzzCheck(again == lines[i], "a long line read again is the line");
    }
  }
  FuzzCheck(!reader.Next(), "no line after the last");
}

// The patterns the filter and walker look for in pieces.
constexpr const char* kPatterns[] = {"0A0\">", "</f", "#E0E0FF", "<b>Processors</b>",
                                     "<small>&nbsp;&nbsp;&nbsp;&nbsp;\t"};
// Piece sizes, each with the length of the input's beginning it is tried on (to keep runs quick).
struct Pieces {
  size_t size;
  size_t span;
};
constexpr Pieces kPieces[] = {{1, 512}, {5, 4096}, {64, 4096}};

void CheckPieceSearch(const std::string& input) {
  for (const char* pattern : kPatterns) {
    for (const Pieces& pieces : kPieces) {
      const std::string bytes = input.substr(0, pieces.span);
      const size_t pieceSize = pieces.size;
      const size_t whole = FindBytes(bytes, pattern);
      const size_t expected = whole == std::string::npos ? whole : whole + std::string_view(pattern).size();
      PieceSearch search(pattern);
      size_t end = std::string::npos;
      for (size_t at = 0; at < bytes.size(); at += pieceSize) {
        const size_t past = search.Feed(std::string_view(bytes).substr(at, pieceSize));
        if (past != std::string::npos && end == std::string::npos) end = at + past;
      }
      FuzzCheck(end == expected, "a search in pieces ends where the whole search ends");
      FuzzCheck(search.found() == (whole != std::string::npos), "a search in pieces finds what is there");
    }
  }
}

void CheckPieceReplace(const std::string& input) {
  for (const char* pattern : kPatterns) {
    for (const Pieces& pieces : kPieces) {
      const std::string bytes = input.substr(0, pieces.span);
      const size_t pieceSize = pieces.size;
      std::string expected = bytes;
      const size_t at = FindBytes(expected, pattern);
      if (at != std::string::npos) expected.replace(at, std::string_view(pattern).size(), "[]");
      PieceReplace replace(pattern, "[]");
      std::string out;
      for (size_t from = 0; from < bytes.size(); from += pieceSize) {
        replace.Feed(std::string_view(bytes).substr(from, pieceSize), out);
      }
      replace.Finish(out);
      FuzzCheck(out == expected, "a replacement in pieces replaces the first occurrence");
    }
  }
}

// The section filter's rules applied to whole lines in memory: what the streaming filter must write.
std::string PlainFilter(const std::string& bytes) {
  struct Section {
    const char* start;
    const char* end;
    bool endLineCopied;
  };
  // clang-format off
  const Section sections[] = {
      {"<b>Processors</b>", "<b>Thread dumps</b>", false}, {"<b>Chipset</b>", "<b>Memory SPD</b>", true},
      {"<b>Memory SPD</b>", "<b>PCI Devices</b>", false},  {"<b>DMI</b>", "DMI Processor", false},
      {"<b>Display Adapters</b>", "<b>Software</b>", true}, {"<b>Software</b>", "<b>ACPI</b>", false},
  };
  // clang-format on
  std::string out =
      "</br><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">\n";
  size_t step = 0;
  bool copying = false;
  for (const std::string& line : SplitAt(bytes, "\n")) {
    if (step == 6) break;
    if (line.empty()) continue;
    const bool shortKey = (line.size() > 85 && line[85] == '<') || (line.size() > 86 && line[86] == '<');
    if (shortKey && line.find("<small>&nbsp;&nbsp;&nbsp;&nbsp;\t") != std::string::npos) continue;
    if (line.find(sections[step].start) != std::string::npos) copying = true;
    if (line.find(sections[step].end) != std::string::npos) {
      if (!copying) continue;
      copying = sections[step].endLineCopied;
      ++step;
    }
    if (copying) out += line + "\n";
  }
  return out + "</table>";
}

// Heads that make the bytes after them a report of a newer layout, in either form, so that the
// conversion of rows and block titles runs on arbitrary rows.
constexpr const char* kHeads[] = {
    "",
    ("<html><head><title>CPU-Z HTML report file</title></head>\n<tr valign=\"top\" bgcolor=\"#FFFFFF\"><td "
     "width=\"300\"><small>CPU-Z version</small></td><td valign=\"center\"><small><font color=\"#0000A0\">"
     "2.06.1.x64</font></small></td></tr>\n"),
    "CPU-Z TXT Report\n----------\n\nCPU-Z version\t\t\t1.95.0.x64\n",
};

// The report step on the bytes under each head: a converted copy only when the layout asks for one;
// a report read as it is stays as it was; converting a converted report again changes nothing; the
// filter, walker and analysers take the result.
void CheckConversion(const std::string& bytes) {
  const std::string report = ScratchFile(kReportFile);
  const std::string converted = ScratchFile(kConvertedReportFile);
  const std::string again = ScratchFile("again.htm");
  for (const char* head : kHeads) {
    const std::string input = head + bytes;
    WriteBytes(report, input);
    std::remove(converted.c_str());
    const ReportLayout layout = ConvertReport(report, converted);
    const bool copied = layout.conversion != Conversion::kNone;
    FuzzCheck(Exists(converted) == copied, "a converted copy exactly when the layout asks for one");
    if (!copied) {
      FuzzCheck(ReadBytes(report) == input, "a report read as it is stays as it was");
      continue;
    }
    FuzzCheck(ConvertRows(converted, again).written, "a converted report converts again");
    FuzzCheck(ReadBytes(again) == ReadBytes(converted), "converting twice changes nothing more");
    WriteBytes(report, input);
    ConvertAndFilterReport(ScratchDir());
    FuzzCheck(!Exists(converted), "the converted copy is removed after filtering");
    ResetScanTexts();
    ScanRecords records;
    WalkReport(ScratchFile(kFilteredReportFile), records);
    FuzzCheck(records.modules.size() <= 4, "at most four memory modules");
    AnalyseBoard(records.board);
    AnalyseMemory(records.memory, records.modules);
  }
}

}  // namespace

void FuzzReport(const uint8_t* data, size_t size) {
  const std::string bytes = AsText(data, size);
  const std::string report = ScratchFile(kReportFile);
  const std::string filtered = ScratchFile(kFilteredReportFile);
  WriteBytes(report, bytes);
  FilterReport(report, filtered);
  FuzzCheck(ReadBytes(filtered) == PlainFilter(bytes), "the filter copies what its rules copy");

  ResetScanTexts();
  ScanRecords records;
  WalkReport(filtered, records);
  FuzzCheck(records.modules.size() <= 4, "at most four memory modules");
  AnalyseCpu(records.cpu);
  AnalyseBoard(records.board);
  AnalyseMemory(records.memory, records.modules);
  AnalyseGraphics(records.graphics);
  AppendClosingRows(records.system);

  CheckLineReader(report, bytes);
  CheckPieceSearch(bytes);
  CheckPieceReplace(bytes);
  CheckConversion(bytes);
}
