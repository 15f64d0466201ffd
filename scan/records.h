// The component records a scan fills from the report, and every process-wide text and flag of the
// program: what sets it and who reads it. All texts are GBK bytes; a field nothing supplied is empty.
// The window's own process-wide values (handles, price-column flags, panes) are listed in
// app/window_state.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Processor values of the report; rewritten by AnalyseCpu (Chinese name, core word, price).
struct CpuRecord {
  std::string name;           // "Name" of the processor block
  std::string cores;          // "cores", first word
  std::string package;        // "Package", words 2 and 3 joined by a blank
  std::string specification;  // "Specification", whole value
  std::string clock;          // "Stock frequency" in GHz, "%.2f", no unit
  std::string threads;        // "Number of threads", first word
  std::string price;          // set by AnalyseCpu
  std::string technology;     // "Technology", whole value
};

// Mainboard values; rewritten by AnalyseBoard (Chinese maker, model fallback, price).
struct BoardRecord {
  std::string vendor;       // DMI "vendor", first word; empty for the O.E.M. placeholders and "unknown"
  std::string northbridge;  // "Northbridge", whole value
  std::string southbridge;  // "Southbridge", whole value
  std::string model;        // DMI "model", whole value
  std::string price;        // set by AnalyseBoard
};

// Memory summary; rewritten by AnalyseMemory (generation, size in GB, channel word).
struct MemoryRecord {
  std::string size;       // "Memory Size", first word (MB)
  std::string type;       // "Memory Type", whole value
  std::string channels;   // "Channels", whole value
  std::string frequency;  // "Memory Frequency", whole value
};

// One SPD slot of the report, in slot order, at most four.
struct MemoryModule {
  std::string manufacturer;       // "Manufacturer", first word and one blank (only for two or more words)
  std::string bandwidth;          // "Max bandwidth", first word
  std::string manufacturingDate;  // "Manufacturing date", whole value
  std::string size;               // "Size", first word (MB)
  std::string price;              // set by AnalyseMemory
};

// Display adapter values of the report.
struct GraphicsRecord {
  std::string name;      // "Name" of the display adapter block
  std::string memory;    // "Memory", first word and "MB"
  std::string vendorId;  // "Vendor ID", the hex digits between "(0x" and ")"
  std::string modelId;   // "Model ID", the same rule
};

// Sensor, DMI and system values for the closing rows of the summary.
struct SystemRecord {
  std::string cpuTemperature;    // "CPUTIN"
  std::string fanSpeed;          // "CPUFANIN"
  std::string boardTemperature;  // "AUXTIN"
  std::string caseTemperature;   // "SYSTIN"
  std::string biosDate;          // DMI "date"
  std::string manufacturer;      // DMI "manufacturer" (placeholder translations only)
  std::string model;             // DMI "product" (placeholder translations only)
  std::string osVersion;         // "Windows Version"
};

// A disk from the device registry: its first "HardwareID" string and the number of the physical
// drive it is, plus one (0 when unknown). Built by the registry steps, read by the disk and USB
// storage analysers.
struct DiskEntry {
  std::string hardwareId;
  int32_t driveNumberPlusOne = 0;
};

// Everything one scan collects from the report, created empty at the start of each scan.
struct ScanRecords {
  CpuRecord cpu;
  BoardRecord board;
  MemoryRecord memory;
  std::vector<MemoryModule> modules;
  GraphicsRecord graphics;
  SystemRecord system;
};

// ---- Process-wide texts -------------------------------------------------------------------------
// summaryText   plain-text summary. Cleared at the start of a scan; appended by the analysers, the
//               registry steps and the closing rows. Read by the window (copy, save, picture) and uploads.
// summaryHtml   table rows of the summary page. Cleared after the report tool step; appended like
//               summaryText. Read by WriteSummaryPage and the uploads.
// detailRows    extra rows of the detailed page. Cleared with summaryHtml; appended by the registry
//               steps and the disk, USB storage and optical analysers. Read by WriteDetailPage, uploads.
// machineTag    processor name "/" board maker and model, set at the end of a scan; read by uploads.
// Only the scan thread writes these four while a scan runs; readers wait for the scan's end.
extern std::string summaryText;
extern std::string summaryHtml;
extern std::string detailRows;
extern std::string machineTag;

// The one place that empties the four scan texts (a test, or a front end before its first scan).
// A scan itself clears them at the steps where the scan's order says so.
void ResetScanTexts();
