// Page writers and row shapes of summary_report.h.
#include "scan/summary_report.h"

std::string ProgramFile(const std::string& programDir, const std::string& fileName) {
  return programDir + kPathSeparator + fileName;
}

std::string EscapeHtml(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

void AppendDetailRow(const std::string& label, const std::string& text) {
  detailRows += "<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>";
  detailRows += label;
  detailRows += "</b></small></td><td valign=\"center\"><small><font color=\"#0000A0\">";
  detailRows += text;
  detailRows += "</font></small></td></tr>";
}
