// The summary page "config.htm", the closing rows of the summary, the detailed page "view.htm",
// and the detail row shape the registry steps and analysers append.
#pragma once

#include <string>

#include "scan/records.h"

constexpr const char* kSummaryPageFile = "config.htm";
constexpr const char* kDetailPageFile = "view.htm";
constexpr const char* kDictionaryFile = "dic";
constexpr const char* kCopyButtonFile = "copy.gif";

// detailRows += the detail row with label and text (text is used as it is: escape it first when
// it is plain text).
void AppendDetailRow(const std::string& label, const std::string& text);

// The sensor, BIOS and operating-system rows of the summary, into summaryHtml and summaryText.
void AppendClosingRows(const SystemRecord& system);

// Writes the summary page config.htm in programDir from summaryHtml; false when it could not be
// written (an older page then stays as it was).
bool WriteSummaryPage(const std::string& programDir);

// Writes the detailed page view.htm in programDir from the report "~temp.htm", the dictionary "dic"
// and detailRows, then deletes the report. The caller shows the page. A missing report gives an
// empty page. False when the page could not be written (the report is then kept).
bool WriteDetailPage(const std::string& programDir);
