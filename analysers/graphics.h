// The graphics block of the summary: adapter name, integrated or not, video memory.
#pragma once

#include "scan/records.h"

void AnalyseGraphics(const GraphicsRecord& graphics);
