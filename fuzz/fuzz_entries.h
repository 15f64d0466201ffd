// The engine's entry points as the fuzz targets drive them, one function per target. The same
// functions replay saved inputs in the normal test suite, so a fixed finding stays fixed. Each
// aborts (through FuzzCheck) when the engine breaks a rule it can check on its own output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Arbitrary bytes as "~temp.htm": the section filter, the key walk, the report analysers on what the
// walk found; and the line reader with a small buffer, piece search and piece replacement, each
// against a plain reading of the same bytes.
void FuzzReport(const uint8_t* data, size_t size);

// Arbitrary bytes as a regedit export; when it loads, the registry steps run over it.
void FuzzRegistryExport(const uint8_t* data, size_t size);

// Line 1 a section name, line 2 a key name, the rest an ini file.
void FuzzProfile(const uint8_t* data, size_t size);

// Byte 0 picks an analyser, the following lines are its record's fields (or its device texts).
void FuzzAnalysers(const uint8_t* data, size_t size);

// Parts separated by a line "@@": the accumulators and the system record (one field a line), the
// dictionary file, the report. The closing rows, the summary page and the detailed page are written,
// and the dictionary's translation is checked against pair-by-pair replacement.
void FuzzWriters(const uint8_t* data, size_t size);

// The targets by name, for the replay test and the fuzz programs.
struct FuzzEntry {
  const char* name;
  void (*run)(const uint8_t* data, size_t size);
};
extern const FuzzEntry kFuzzEntries[];
extern const size_t kFuzzEntryCount;

// Splits text at every separator (a last part without separator counts, an empty text has none).
std::vector<std::string> SplitAt(const std::string& text, const std::string& separator);
