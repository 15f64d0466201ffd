// Placeholder until the in-memory registry lands.
#include "platform/registry.h"
RegistryKey::~RegistryKey() {}
RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept { handle_ = other.handle_; other.handle_ = nullptr; return *this; }
RegistryKey OpenMachineKey(const std::string&) { return RegistryKey(); }
std::optional<std::string> EnumerateSubkey(const RegistryKey&, uint32_t) { return std::nullopt; }
std::optional<std::string> ReadTextValue(const RegistryKey&, const std::string&) { return std::nullopt; }
std::optional<uint32_t> ReadDwordValue(const RegistryKey&, const std::string&) { return std::nullopt; }
std::optional<std::string> ReadUserValue(const std::string&) { return std::nullopt; }
bool WriteUserValue(const std::string&, const std::string&) { return false; }
