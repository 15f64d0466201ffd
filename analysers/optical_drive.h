// One optical drive block of the summary: brand, model, burner or not, the fixed estimate.
#pragma once

#include <cstdint>
#include <string>

// Appends the block for one drive and returns count + 1.
int32_t AnalyseOpticalDrive(const std::string& hardwareId, int32_t count);
