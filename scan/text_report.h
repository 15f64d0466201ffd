// The plain-text form of a report (the tool's "TXT Report") written out as the tool's HTML report, so
// that the filter, the walker and the detailed page read it like any other.
#pragma once

#include <string>

// The first line of the text form.
constexpr const char* kTextReportTitle = "CPU-Z TXT Report";

// Writes the HTML form of the text report at textPath to htmlPath (replaced): the HTML report's head,
// a title row for each block title (a line over a line of dashes), a data row for each other line
// (its leading tabs the indent, the text up to the next tab the key, the text after the tabs the
// value), and the HTML report's tail. False when htmlPath could not be written.
bool WriteHtmlForm(const std::string& textPath, const std::string& htmlPath);
