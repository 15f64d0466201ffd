// The processor block of the summary: Chinese name, model, cores, threads, clock, process, socket
// and second-hand estimate.
#pragma once

#include "scan/records.h"

// Fills specification and name from the CPUID brand text (used when the report could not be read).
void ReadProcessorBrand(CpuRecord& cpu);

// Completes the record (short name, price, Chinese words) and appends the processor block.
void AnalyseCpu(CpuRecord& cpu);
