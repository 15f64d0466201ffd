// Decoding the firmware's SMBIOS structure table (BIOS, system, baseboard, processor, memory array
// and memory devices) into FirmwareFacts. Bad or cut-off tables give what could be read, nothing more.
#pragma once

#include <string>

#include "report_tool/report_facts.h"

// Decodes the structures of table (the bytes after the entry point) into facts. Returns whether at
// least one whole structure was read.
bool DecodeSmbiosTable(const std::string& table, int major, int minor, FirmwareFacts& facts);

// The blob GetSystemFirmwareTable('RSMB') returns: an 8-byte header (calling method, major, minor,
// revision, table length) followed by the table.
bool DecodeRawSmbiosData(const std::string& blob, FirmwareFacts& facts);

// The version in an entry point file ("_SM_" or "_SM3_"); false when it is neither.
bool ReadSmbiosEntryVersion(const std::string& entry, int& major, int& minor);
