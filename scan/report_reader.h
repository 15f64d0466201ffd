// Running the report tool and cutting the sections the scan needs out of its report ("~temp.htm"
// into "pc.htm").
#pragma once

#include <string>

constexpr const char* kReportToolCommand = "hx.dll -html=~temp";
constexpr const char* kReportFile = "~temp.htm";
constexpr const char* kFilteredReportFile = "pc.htm";

// Starts the report tool in programDir and waits for it without a time limit, then pauses 1000 ms.
// When the tool cannot be started, tells the user so and returns false. The scan driver then brings
// the report into the layout the filter reads and filters it (ConvertAndFilterReport).
bool RunReportTool(const std::string& programDir);

// Copies the six sections of the report at reportPath into filteredPath (replaced). A missing report
// gives a filtered file with only its opening and closing lines. Both are read as streams.
void FilterReport(const std::string& reportPath, const std::string& filteredPath);
