// Rows in the report layout the program reads, for tests that build reports in code.
#pragma once

#include <string>
#include <vector>

inline std::string TitleRow(const std::string& name) {
  return "<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>" + name +
         "</b></small></td><td valign=\"center\"><small><small><font color=\"#0000A0\">&nbsp;</font>"
         "</small></small></td></tr>";
}

inline std::string DataRow(const std::string& key, const std::string& value) {
  return "<tr valign=\"top\" bgcolor=\"#FFFFFF\"><td width=\"300\"><small>" + key +
         "</small></td><td valign=\"center\"><small><font color=\"#0000A0\">" + value +
         "</font></small></td></tr>";
}

// An indented row: the 82-character cell start, a tab, then the key.
inline std::string SubRow(const std::string& key, const std::string& value) {
  return DataRow("&nbsp;&nbsp;&nbsp;&nbsp;\t" + key, value);
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}
