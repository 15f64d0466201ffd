// Turning the probes' results into the report's bytes: blocks, rows and values in the layout the
// program's report reader walks.
#pragma once

#include <string>

#include "report_tool/report_facts.h"

// The whole report for facts (GBK/ASCII bytes, lines ending in a line feed).
std::string WriteReport(const ReportFacts& facts);

// The table rows of the report. Value texts are written as given (escape plain text first).
std::string TitleRow(const std::string& title);
std::string Row(const std::string& key, const std::string& value);
std::string SubRow(const std::string& key, const std::string& value);      // indented once
std::string SubSubRow(const std::string& key, const std::string& value);   // indented twice
std::string BlankRow();

// Parts of the report, each ending with a blank row.
std::string ProcessorBlocks(const ReportFacts& facts);
std::string ChipsetBlock(const ReportFacts& facts);
std::string MemorySpdBlock(const ReportFacts& facts);
std::string MonitorBlocks(const ReportFacts& facts);
