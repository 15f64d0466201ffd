// The report's PCI, DMI and graphics blocks, and the text helpers the report writer shares with them.
#pragma once

#include <string>

#include "report_tool/report_facts.h"

// printf into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "Intel Sandy Bridge rev. 09": the host bridge (or, for Intel processors that hold it, the
// processor's code name) and its revision; empty without a host bridge of a known vendor.
std::string NorthbridgeText(const ReportFacts& facts);
// "Intel H61 rev. B3": the ISA/LPC bridge and its revision; empty without one.
std::string SouthbridgeText(const ReportFacts& facts);

// Parts of the report, each ending with a blank row.
std::string PciDevicesBlock(const ReportFacts& facts);
std::string DmiBlock(const ReportFacts& facts);
std::string GraphicsBlocks(const ReportFacts& facts);
