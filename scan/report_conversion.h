// The rows of the report layout the filter and the walker read, and the conversion of a newer HTML
// report's rows and block titles into that layout.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A block title row.
std::string ReportTitleRow(std::string_view name);
// A data row; indent 1 and 2 are the sub-rows' "&nbsp;&nbsp;&nbsp;&nbsp;" and tab per level.
std::string ReportRow(int indent, std::string_view key, std::string_view value);

struct RowConversion {
  bool written = false;                    // convertedPath was written whole
  std::vector<std::string> missingBlocks;  // blocks the reading needs that are not in the result
};

// Reads the report at reportPath as a stream. With a convertedPath, writes the report there with its
// rows converted and the block titles the filter needs added; without one, only looks. Either way
// tells which of the blocks the reading needs the result lacks.
RowConversion ConvertRows(const std::string& reportPath, const std::string& convertedPath);
