// The model text of a device's hardware identifier, shared by the disk, USB storage and optical
// drive analysers.
#pragma once

#include <string>

// The model text of a hardware identifier: the part before the first "__", then the part after the
// first marker ("Disk", "CdRom"). Without the marker it is the text from position length - 1 on
// (the fourth character for "Disk", the fifth for "CdRom"), and empty when the text is shorter.
std::string ModelTextAfter(const std::string& hardwareId, const std::string& marker);
