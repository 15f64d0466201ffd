// The pieces the Linux builder's steps share: reading sysfs and procfs, shaping Windows device ids,
// writing device keys.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace linux_machine {

// ---- reading the machine's files ----

// The whole file (at most 1 MiB), empty when it cannot be read.
std::string ReadMachineFile(const std::string& path);
// The first line of a file with surrounding blanks removed, as the file's bytes; empty when unreadable.
std::string ReadFirstLine(const std::string& path);
// The path with every link resolved; empty when it does not exist.
std::string ResolvedPath(const std::string& path);
// A number in hexadecimal ("0x10ec", "10EC"); nothing when the text holds no hex digit or other characters.
std::optional<uint32_t> ParseHex(const std::string& text);
// The value's last digits in upper-case hexadecimal, zero-filled to digits.
std::string Hex(uint32_t value, int digits);

// ---- Windows device ids ----

// An id field as Windows writes it into a hardware id: blanks at the end removed, every blank,
// comma, control or non-ASCII byte made "_", cut to width and filled up with "_" to width.
std::string PaddedIdField(const std::string& text, size_t width);
// An id field for a key name ("Ven_" + field): the same characters made "_", nothing padded.
std::string KeyIdField(const std::string& text, size_t width);

// ---- writing the registry ----

// Writes SYSTEM\CurrentControlSet\Enum\<instancePath> with its "HardwareID" (when not empty),
// "DeviceDesc" and "Class", and its "Control" subkey, which marks the device present.
void AddDeviceKey(const std::string& instancePath, const std::string& hardwareId, const std::string& deviceDesc,
                  const std::string& deviceClass);
// Writes a service's Enum key: "Count" and the values "0", "1", ... holding the instance paths.
// Nothing is written for an empty list.
void AddServiceInstances(const std::string& service, const std::vector<std::string>& instancePaths);

}  // namespace linux_machine
