// The USB flash drive block of the summary: brand, model and capacity per device, and the count.
#pragma once

#include <vector>

#include "scan/records.h"

void AnalyseUsbStorage(const std::vector<DiskEntry>& entries);
