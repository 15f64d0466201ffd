// The detailed page "view.htm": the report with the program's header, its extra device rows and the
// dictionary's Chinese terms.
#pragma once

#include <string>

constexpr const char* kDetailPageFile = "view.htm";
constexpr const char* kDictionaryFile = "dic";

// Writes the detailed page view.htm in programDir from the report "~temp.htm", the dictionary "dic"
// and detailRows, then deletes the report. The caller shows the page. A missing report gives an
// empty page. False when the page could not be written (the report is then kept).
bool WriteDetailPage(const std::string& programDir);
