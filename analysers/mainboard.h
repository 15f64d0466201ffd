// The mainboard block of the summary: Chinese maker, model, bridges and the chipset estimate.
#pragma once

#include "scan/records.h"

void AnalyseBoard(BoardRecord& board);
