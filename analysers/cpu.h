// The processor block of the summary: Chinese name, model, cores, threads, clock, process, socket
// and second-hand estimate.
#pragma once

#include <string>

#include "scan/records.h"

// Fills the full model text and the name from the CPUID brand text (used when the report could not
// be read).
void ReadProcessorBrand(CpuRecord& cpu);

// The same from a given brand text: the full model text becomes the text, the name the text with the first
// "Dual Core ", "(tm) " and "Processor " erased.
void ApplyProcessorBrand(CpuRecord& cpu, const std::string& brand);

// Completes the record (short name, price, Chinese words) and appends the processor block.
void AnalyseCpu(CpuRecord& cpu);
