// The registry seam on Windows: RegOpenKeyExA, RegEnumKeyExA and RegQueryValueExA with the
// 256-byte buffer every value is read into.
#include "platform/registry.h"

#include <windows.h>

#include <cstring>

namespace {

const char kUserKey[] = "Software\\hwdex";

HKEY HandleOf(const RegistryKey& key) { return static_cast<HKEY>(key.handle()); }

RegistryKey Open(HKEY root, const std::string& path) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(handle);
}

// Reads a value into the 256-byte buffer; false when it is missing or does not fit (ERROR_MORE_DATA).
bool Query(const RegistryKey& key, const std::string& name, DWORD& type, char (&buffer)[kRegistryValueLimit],
           DWORD& size) {
  if (!key.isOpen()) return false;
  size = sizeof buffer;
  return RegQueryValueExA(HandleOf(key), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
         ERROR_SUCCESS;
}

}  // namespace

RegistryKey::~RegistryKey() {
  if (handle_) RegCloseKey(static_cast<HKEY>(handle_));
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    if (handle_) RegCloseKey(static_cast<HKEY>(handle_));
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

RegistryKey OpenMachineKey(const std::string& path) { return Open(HKEY_LOCAL_MACHINE, path); }

std::optional<std::string> EnumerateSubkey(const RegistryKey& key, uint32_t index) {
  if (!key.isOpen()) return std::nullopt;
  char name[512];  // a key name has at most 255 characters, each at most two bytes in GBK
  DWORD size = sizeof name;
  if (RegEnumKeyExA(HandleOf(key), index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(name, size);
}

std::optional<std::string> ReadTextValue(const RegistryKey& key, const std::string& name) {
  char buffer[kRegistryValueLimit];
  DWORD type = 0;
  DWORD size = 0;
  if (!Query(key, name, type, buffer, size)) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ) return std::nullopt;
  // The text ends at its first NUL, or at the end of the data when it was stored without one.
  size_t length = 0;
  while (length < size && buffer[length] != '\0') ++length;
  return std::string(buffer, length);
}

std::optional<uint32_t> ReadDwordValue(const RegistryKey& key, const std::string& name) {
  char buffer[kRegistryValueLimit];
  DWORD type = 0;
  DWORD size = 0;
  if (!Query(key, name, type, buffer, size) || type != REG_DWORD || size != sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  memcpy(&value, buffer, sizeof value);
  return static_cast<uint32_t>(value);
}

std::optional<std::string> ReadUserValue(const std::string& name) {
  return ReadTextValue(Open(HKEY_CURRENT_USER, kUserKey), name);
}

bool WriteUserValue(const std::string& name, const std::string& text) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kUserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const RegistryKey key(handle);  // closes it
  return RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}
