// One optical drive block of the summary: brand, model, burner or not, the fixed estimate.
#pragma once

#include <string>

// Appends the block and the detail row of one drive.
void AnalyseOpticalDrive(const std::string& hardwareId);
