// The memory block of the summary: generation, total size, clock, channels, one line per module.
#pragma once

#include <vector>

#include "scan/records.h"

void AnalyseMemory(MemoryRecord& memory, std::vector<MemoryModule>& modules);
