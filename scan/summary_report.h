// The summary: the one writer of its component blocks, its device and closing rows, the summary page
// "config.htm", and the detail row shape the registry steps and analysers append to detailRows.
#pragma once

#include <string>
#include <utility>

#include "scan/records.h"

constexpr const char* kSummaryPageFile = "config.htm";
constexpr const char* kCopyButtonFile = "copy.gif";

// detailRows += the detail row with label and text (text is used as it is: escape it first when
// it is plain text).
void AppendDetailRow(const std::string& label, const std::string& text);

// ---- The summary's rows ------------------------------------------------------------------------
// Every piece below is appended in both forms at once: the page's rows to summaryHtml and the plain
// text to summaryText, so that the two never part except where the summary's rules part them.

// A label or name as the page and the text spell it. One text serves both; the few places where the
// summary's two forms differ on purpose give both spellings.
struct Spelling {
  // Not explicit: a plain label or value stands for both spellings.
  Spelling(const char* both) : html(both), text(both) {}
  Spelling(const std::string& both) : html(both), text(both) {}
  Spelling(std::string page, std::string plain) : html(std::move(page)), text(std::move(plain)) {}
  std::string html;
  std::string text;
};

// The form a piece goes to.
enum class Form { kBoth, kPage, kText };

// One component block, begun when it is made and ended ("</td></tr>") when it goes out of scope.
// The page opens it with "<tr valign="top"><td><span class="type">" + label + ":</span></td><td>".
class SummaryBlock {
 public:
  // Where the block's values come from: report texts are HTML already and go onto the page as they
  // are; registry texts are plain text, which the page gets escaped.
  enum class Values { kReport, kRegistry };
  // How the text opens the block: a paragraph of its own, "\r\n\r\n" + label + ":"; or, for the
  // processor block that opens the summary, label + ": ".
  enum class Opening { kParagraph, kFirst };

  explicit SummaryBlock(const char* label, Values values = Values::kReport,
                        Opening opening = Opening::kParagraph);
  ~SummaryBlock();
  SummaryBlock(const SummaryBlock&) = delete;
  SummaryBlock& operator=(const SummaryBlock&) = delete;

  // The block's or a listed device's name: "<span class="name">" + name + "</span>", and name.
  void Name(const Spelling& name);
  // A line break, "</br>" and "\r\n"; or only the page's or only the text's.
  void Break(Form form = Form::kBoth);
  // One blank in one form only.
  void Blank(Form form);
  // An item, written only when value is non-empty: "<span class="age">" + label +
  // "</span><span class="agevol">" + value + "</span>", and label + value. True when written.
  bool Item(const Spelling& label, const std::string& value);
  // The same, written even when value is empty.
  void ItemAlways(const Spelling& label, const std::string& value);
  // A label without value: "<span class="age">" + label + "</span>", and label.
  void Label(const std::string& label);
  // The second-hand estimate, only when price is non-empty: "<span class="ap">" + label +
  // "</span><span class="apvol">" + price + "</span>", and label + price.
  void Price(const std::string& price, const Spelling& label = " 二手估价:");
  // The count under a list: "<span class="ap"><b>" + label + "</b></span><span class="apvol">" +
  // value + "</span>", and "\r\n" + label + value.
  void Total(const char* label, const std::string& value);

 private:
  std::string OnPage(const std::string& value) const;

  Values values_;
};

// A keyboard or mouse row, a shape of its own: its row opens without "valign", the name is followed by
// separator (a blank or nothing, on the page only) and a line break, and the port stands in two spans
// of class "age": "接口:" and port. name is plain text, escaped on the page.
void AppendInputDeviceRow(const char* label, const std::string& name, const char* separator,
                          const char* port);

// After the last component: the separator row "<tr><td></td><td></td></tr>", and "\r\n".
void AppendSeparatorRow();

// The sensor, BIOS and operating-system rows of the summary.
void AppendClosingRows(const SystemRecord& system);

// The text's closing line: "\r\n\r\n", 22 blanks and "-----沐杉电脑助手".
void AppendClosingLine();

// Writes the summary page config.htm in programDir from summaryHtml; false when it could not be
// written (an older page then stays as it was).
bool WriteSummaryPage(const std::string& programDir);
