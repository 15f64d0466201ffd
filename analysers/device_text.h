// Small text rules shared by the analysers.
#pragma once

#include <cstdint>
#include <string>

// The model text of a hardware identifier: the part before the first "__", then the part after the
// first marker ("Disk", "CdRom"). Without the marker it is the text from position length - 1 on
// (the fourth character for "Disk", the fifth for "CdRom"), and empty when the text is shorter.
std::string ModelTextAfter(const std::string& hardwareId, const std::string& marker);

// Whether text begins with prefix, and whether it contains word anywhere (exact bytes).
bool StartsWith(const std::string& text, const char* prefix);
bool Contains(const std::string& text, const char* word);

// The integer value of the leading decimal digits of text (0 when there are none), held at the
// largest 32-bit value instead of overflowing.
int32_t LeadingNumber(const std::string& text);
