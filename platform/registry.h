// The device registry of the local machine hive, read-only, and the per-user values under
// HKEY_CURRENT_USER "Software\hwdex". Win32 reads the real registry; POSIX reads an in-memory tree
// loaded from regedit exports (or built from sysfs), with the same answers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Every value is read into a buffer of this many bytes; a value that does not fit is absent.
constexpr size_t kRegistryValueLimit = 256;

// An open key; closed when it goes out of scope. Move-only.
class RegistryKey {
 public:
  RegistryKey() = default;
  explicit RegistryKey(void* handle) : handle_(handle) {}
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  bool isOpen() const { return handle_ != nullptr; }
  void* handle() const { return handle_; }

 private:
  void* handle_ = nullptr;
};

// Opens path (relative to the local machine hive, "\"-separated) read-only; not open on failure.
RegistryKey OpenMachineKey(const std::string& path);

// The name of subkey number index (0 upwards, in the registry's order); nothing once enumeration fails.
std::optional<std::string> EnumerateSubkey(const RegistryKey& key, uint32_t index);

// A text value: REG_SZ, REG_EXPAND_SZ (unexpanded) or the first string of REG_MULTI_SZ, as the GBK
// bytes RegQueryValueExA returns. Absent when missing, of another type, or longer than the limit
// (the limit counts the terminating NULs, as the 256-byte buffer does).
std::optional<std::string> ReadTextValue(const RegistryKey& key, const std::string& name);

// A REG_DWORD value.
std::optional<uint32_t> ReadDwordValue(const RegistryKey& key, const std::string& name);

// The per-user text value name under HKEY_CURRENT_USER "Software\hwdex".
std::optional<std::string> ReadUserValue(const std::string& name);
bool WriteUserValue(const std::string& name, const std::string& text);

#ifndef _WIN32
// ---- POSIX only: filling the in-memory registry ----

// Empties the whole tree (both hives).
void ClearRegistry();

// Builders for a registry made from this machine (paths relative to the local machine hive).
void SetMachineText(const std::string& keyPath, const std::string& name, const std::string& text);
void SetMachineMultiText(const std::string& keyPath, const std::string& name, const std::string& first);
void SetMachineDword(const std::string& keyPath, const std::string& name, uint32_t value);
void CreateMachineKey(const std::string& keyPath);
#endif
