// The names the report gives to the processor: its short name, code name and process, its socket
// and the clock its brand text names.
#pragma once

#include <string>

#include "report_tool/report_facts.h"

// "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz" -> "Intel Core i5 2400"; vendor is the CPUID vendor text.
std::string ShortProcessorName(const std::string& brand, const std::string& vendor);

// Code name and process ("Sandy Bridge", "32 nm") by vendor, family and model; empty when unknown.
struct ProcessorGeneration { const char* codename; const char* technology; };
ProcessorGeneration FindProcessorGeneration(const CpuFacts& cpu);

// "Socket 1155 LGA" from the firmware's processor upgrade code; empty when unknown.
std::string SocketName(int processorUpgrade);

// The clock in MHz the brand string names ("... @ 3.10GHz" -> 3100); 0 when it names none.
int BrandStockMhz(const std::string& brand);
