// The monitor block of the summary: identifier, maker and the current desktop resolution.
#pragma once

#include <string>

void AnalyseMonitor(const std::string& identifier);
