// Converting a newer HTML report's rows and block titles into the layout the filter and the walker
// read. Only lines held whole are looked at: a longer line is no row of a report and passes as it is.
#include "scan/report_conversion.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "scan/line_reader.h"
#include "scan/text_helpers.h"

namespace {

// Block titles the filter needs that newer reports leave out: the title, the block after whose
// title it is missing, and the title it is added before (none: the next title of any name, or the
// end of the report's table). Titles added before the same line come in this order, so a title
// added before any next title comes first: a second reading then finds nothing more to add.
struct MissingTitle {
  const char* title;
  const char* after;
  const char* before;
};
constexpr MissingTitle kMissingTitles[] = {
    {"ACPI", "Software", nullptr},              // ends the filter's last section
    {"Thread dumps", "Processors", "Chipset"},  // ends its processor section
};
constexpr int kMissingTitleCount = sizeof kMissingTitles / sizeof kMissingTitles[0];

// Rows the walker waits for, which newer reports leave out when they have nothing to say: the block,
// the row that begins a group in it (none: the block is one group), the row's key and indent, the
// row after which it is awaited, and the row it is added before (none: the end of its group). Added
// with an empty value they store nothing, but the walk goes on to the rows after them.
struct AwaitedRow {
  const char* block;
  const char* group;
  const char* key;
  int indent;
  const char* after;
  const char* before;
};
constexpr AwaitedRow kAwaitedRows[] = {
    {"Chipset", nullptr, "Channels", 0, "Memory Size", "Memory Frequency"},     // soldered memory
    {"Memory SPD", "DIMM #", "Manufacturing date", 1, "Max bandwidth", nullptr},  // modules without a date
};
constexpr int kAwaitedRowCount = sizeof kAwaitedRows / sizeof kAwaitedRows[0];

// Row values newer reports write in another form: the block, a text the row's key holds, the change.
enum ValueChange {
  kGigabytes,  // "4 GBytes" becomes "4096 MBytes", "8 GB" "8192 MB": the walker reads megabytes
  kMakerName,  // a module maker's newer name becomes the name the memory rules know
  kDegrees,    // "35 degC" becomes "35 °C" (code page 1252): the walker cuts at the degree sign
};
struct ValueRule {
  const char* block;
  const char* key;
  ValueChange change;
};
constexpr ValueRule kValueRules[] = {
    {"Chipset", "Memory Size", kGigabytes},
    {"Memory SPD", "Size", kGigabytes},
    {"Memory SPD", "Manufacturer", kMakerName},
    {"Display Adapters", "Memory size", kGigabytes},
    {"Hardware Monitors", "Temperature", kDegrees},
};

// Module makers newer reports name differently: the newer name, the name the memory rules know.
struct MakerName {
  const char* newer;
  const char* older;
};
constexpr MakerName kMakerNames[] = {
    {"SK Hynix", "Hynix"},  // renamed in 2012; its first word alone would be "SK"
};

// The blocks the reading needs: the filter's section markers and the title rows the walker counts.
// The DMI processor row, which ends the filter's DMI section, is needed as well.
constexpr const char* kNeededTitles[] = {
    "Processors", "APICs", "Timers", "Processors Information", "Thread dumps", "Chipset", "Memory SPD",
    "Monitoring", "LPCIO", "Hardware Monitors", "PCI Devices", "DMI", "Display Adapters", "Software", "ACPI",
};
constexpr const char* kDmiProcessorRow = "DMI Processor";

constexpr const char* kTitleRowMark = "#E0E0FF";
constexpr const char* kKeyStart = "<td width=\"300\"><small>";
constexpr const char* kValueStart = "0A0\">";
constexpr const char* kValueEnd = "</f";
constexpr const char* kIndent = "&nbsp;&nbsp;&nbsp;&nbsp;";
constexpr const char* kTableEnd = "</table>";

// The key of a data row, without its indent.
std::string KeyOf(std::string_view line) {
  std::string key = Between(line, kKeyStart, "</small>");
  size_t from = 0;
  while (key.compare(from, 6, "&nbsp;") == 0) from += 6;
  while (from < key.size() && key[from] == '\t') ++from;
  return key.substr(from);
}

void SetValue(std::string& line, const std::string& value) {
  const size_t start = line.find(kValueStart);
  if (start == std::string::npos) return;
  const size_t from = start + std::string_view(kValueStart).size();
  const size_t end = line.find(kValueEnd, from);
  if (end != std::string::npos) line.replace(from, end - from, value);
}

// Sizes in gigabytes and the same sizes in megabytes: the unit as newer reports write it, as the
// rules read it.
struct SizeUnit {
  const char* gigabytes;
  const char* megabytes;
};
constexpr SizeUnit kSizeUnits[] = {{"GBytes", "MBytes"}, {"GB", "MB"}};

// "16 GBytes" as "16384 MBytes"; a value of another form stays as it is.
std::string Megabytes(const std::string& value) {
  std::vector<std::string> words;
  SplitWords(value, words);
  const SizeUnit* unit = nullptr;
  for (const SizeUnit& u : kSizeUnits) {
    if (words.size() == 2 && words[1] == u.gigabytes) unit = &u;
  }
  if (unit == nullptr) return value;
  const std::string& number = words[0];
  int points = 0;
  for (char c : number) {
    if (c == '.') ++points;
    else if (c < '0' || c > '9') return value;
  }
  if (number.size() > 12 || points > 1 || number[0] == '.') return value;
  char text[64];
  std::snprintf(text, sizeof text, "%lld %s", std::llround(std::strtod(number.c_str(), nullptr) * 1024),
                unit->megabytes);
  return text;
}

std::string ChangedValue(ValueChange change, std::string value) {
  switch (change) {
    case kGigabytes: return Megabytes(value);
    case kMakerName:
      for (const MakerName& maker : kMakerNames) {
        const std::string_view newer = maker.newer;
        if (value.compare(0, newer.size(), newer) != 0) continue;
        if (value.size() == newer.size() || value[newer.size()] == ' ') return maker.older + value.substr(newer.size());
      }
      return value;
    case kDegrees: return ReplaceAll(value, "degC", "\xB0" "C");
  }
  return value;
}

// Group state of one awaited row.
struct Awaiting {
  bool inGroup = false;
  bool awaited = false;  // the row it follows has been seen
  bool done = false;     // found or added
};

class Converter {
 public:
  explicit Converter(FileWriter* out) : out_(out) {}
  void Line(LineReader& report);
  void End();
  std::vector<std::string> Missing() const;

 private:
  void Title(const std::string& name);
  void Row(std::string& line);
  void EndTable();
  void EndGroup(int rule);
  void Write(std::string_view line);
  void AddTitle(const char* name);
  void Mark(const std::string& name);

  FileWriter* out_;  // null: the report is only looked at
  std::string block_;
  uint32_t seen_ = 0;  // a bit per needed title
  bool dmiProcessor_ = false;
  bool open_[kMissingTitleCount] = {};
  Awaiting awaiting_[kAwaitedRowCount];
};

void Converter::Write(std::string_view line) {
  if (out_ == nullptr) return;
  out_->Write(line);
  out_->Write("\n");
}

void Converter::Mark(const std::string& name) {
  for (size_t i = 0; i < std::size(kNeededTitles); ++i) {
    if (name == kNeededTitles[i]) seen_ |= uint32_t{1} << i;
  }
}

void Converter::AddTitle(const char* name) {
  if (out_ == nullptr) return;  // only looking: nothing is added, so a missing title stays missing
  Write(ReportTitleRow(name));
  Mark(name);
}

void Converter::EndGroup(int rule) {
  Awaiting& a = awaiting_[rule];
  if (a.inGroup && a.awaited && !a.done && out_ != nullptr) {
    Write(ReportRow(kAwaitedRows[rule].indent, kAwaitedRows[rule].key, ""));
  }
  a = Awaiting();
}

void Converter::Title(const std::string& name) {
  for (int rule = 0; rule < kAwaitedRowCount; ++rule) EndGroup(rule);
  for (int i = 0; i < kMissingTitleCount; ++i) {
    const MissingTitle& missing = kMissingTitles[i];
    const bool before = missing.before == nullptr || name == missing.before;
    if (open_[i] && before && name != missing.title) {
      AddTitle(missing.title);
      open_[i] = false;
    }
    if (name == missing.title) open_[i] = false;
    if (name == missing.after) open_[i] = true;
  }
  Mark(name);
  block_ = name;
  for (int rule = 0; rule < kAwaitedRowCount; ++rule) {
    if (kAwaitedRows[rule].group == nullptr && name == kAwaitedRows[rule].block) awaiting_[rule].inGroup = true;
  }
}

void Converter::EndTable() {
  for (int rule = 0; rule < kAwaitedRowCount; ++rule) EndGroup(rule);
  for (int i = 0; i < kMissingTitleCount; ++i) {
    if (open_[i] && kMissingTitles[i].before == nullptr) AddTitle(kMissingTitles[i].title);
    open_[i] = false;
  }
}

void Converter::Row(std::string& line) {
  const std::string key = KeyOf(line);
  for (int rule = 0; rule < kAwaitedRowCount; ++rule) {
    const AwaitedRow& row = kAwaitedRows[rule];
    if (block_ != row.block) continue;
    Awaiting& a = awaiting_[rule];
    if (row.group != nullptr && key == row.group) {
      EndGroup(rule);
      awaiting_[rule].inGroup = true;
      continue;
    }
    if (!a.inGroup) continue;
    if (row.before != nullptr && key == row.before && a.awaited && !a.done) {
      Write(ReportRow(row.indent, row.key, ""));
      a.done = true;
    }
    if (HasBytes(key, row.key)) a.done = true;
    if (key == row.after) a.awaited = true;
  }
  for (const ValueRule& rule : kValueRules) {
    if (block_ != rule.block || !HasBytes(key, rule.key)) continue;
    const std::string value = Between(line, kValueStart, kValueEnd);
    const std::string changed = ChangedValue(rule.change, value);
    if (changed != value) SetValue(line, changed);
  }
}

void Converter::Line(LineReader& report) {
  if (!report.whole()) {
    if (out_ == nullptr) return;
    ForEachPiece(report, true, [&](std::string_view piece) { out_->Write(piece); });
    out_->Write("\n");
    return;
  }
  std::string line(report.text());
  if (HasBytes(line, kDmiProcessorRow)) dmiProcessor_ = true;
  if (HasBytes(line, kTitleRowMark)) {
    Title(Between(line, "<b>", "</b>"));
  } else if (line.compare(0, std::string_view(kTableEnd).size(), kTableEnd) == 0) {
    EndTable();
  } else if (out_ != nullptr) {
    Row(line);
  }
  Write(line);
}

void Converter::End() { EndTable(); }

std::vector<std::string> Converter::Missing() const {
  std::vector<std::string> missing;
  for (size_t i = 0; i < std::size(kNeededTitles); ++i) {
    if ((seen_ & (uint32_t{1} << i)) == 0) missing.push_back(kNeededTitles[i]);
  }
  if (!dmiProcessor_) missing.push_back(kDmiProcessorRow);
  return missing;
}

}  // namespace

std::string ReportTitleRow(std::string_view name) {
  std::string row = "<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>";
  row += name;
  row += "</b></small></td><td valign=\"center\"><small><small><font color=\"#0000A0\">&nbsp;</font></small>"
         "</small></td></tr>";
  return row;
}

std::string ReportRow(int indent, std::string_view key, std::string_view value) {
  std::string row = "<tr valign=\"top\" bgcolor=\"#FFFFFF\"><td width=\"300\"><small>";
  for (int i = 0; i < indent; ++i) row += kIndent;
  row.append(static_cast<size_t>(indent), '\t');
  row += key;
  row += "</small></td><td valign=\"center\"><small><font color=\"#0000A0\">";
  row += value;
  row += "</font></small></td></tr>";
  return row;
}

RowConversion ConvertRows(const std::string& reportPath, const std::string& convertedPath) {
  RowConversion result;
  std::unique_ptr<FileWriter> out;
  if (!convertedPath.empty()) out = std::make_unique<FileWriter>(convertedPath);
  {
    LineReader report(reportPath);
    Converter converter(out.get());
    while (report.Next()) converter.Line(report);
    converter.End();
    result.missingBlocks = converter.Missing();
  }
  if (out != nullptr) result.written = out->Commit();
  return result;
}
