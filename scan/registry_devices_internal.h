// Helpers shared by the registry step units (registry_devices.cpp, input_devices.cpp).
#pragma once

#include <optional>
#include <string>

// Prefix of every device key named by a service instance path.
constexpr const char* kEnumPrefix = "SYSTEM\\CurrentControlSet\\Enum\\";

// The text after the first mark, when the mark stands at a position greater than 0; else the text.
std::string CutAfterFirst(const std::string& text, char mark);

// A text value of the device key "SYSTEM\CurrentControlSet\Enum\" + instancePath.
std::optional<std::string> ReadInstanceValue(const std::string& instancePath, const std::string& name);

// "Class" and "DeviceDesc" of the key at keyPath; false when the key or either value is missing.
bool ReadClassAndDescription(const std::string& keyPath, std::string& deviceClass, std::string& description);
