// Walking the filtered report "pc.htm" key by key into the component records, and the DMI texts
// that name nothing.
#pragma once

#include <string>

#include "scan/records.h"

// Walks the filtered report at filteredPath and stores each key's value into records.
void WalkReport(const std::string& filteredPath, ScanRecords& records);

// The firmware's "To be filled by O.E.M." in the two spellings reports carry.
bool IsOemPlaceholder(const std::string& value);

// An O.E.M. placeholder or "unknown": a DMI maker or model that names nothing.
bool IsPlaceholder(const std::string& value);
