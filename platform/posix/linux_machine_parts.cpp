// The file reading, id shaping and key writing that the Linux builder's steps share.
#include "platform/posix/linux_machine_parts.h"

#include <filesystem>

#include "platform/files.h"
#include "platform/registry.h"
#include "scan/text_helpers.h"

namespace linux_machine {

namespace {
constexpr size_t kFileLimit = 1 << 20;  // a few sysfs files never end
constexpr const char* kEnumPrefix = "SYSTEM\\CurrentControlSet\\Enum\\";
constexpr const char* kServicesPrefix = "SYSTEM\\CurrentControlSet\\Services\\";

// A byte Windows does not keep in a device id field.
bool IsIdFiller(unsigned char c) { return c <= 0x20 || c > 0x7F || c == ','; }

std::string IdCharacters(const std::string& text, size_t width) {
  std::string field = text.substr(0, width);
  field.erase(field.find_last_not_of(" \t\r\n") + 1);
  for (char& c : field) {
    if (IsIdFiller(static_cast<unsigned char>(c))) c = '_';
  }
  return field;
}
}  // namespace

std::string ReadMachineFile(const std::string& path) {
  return ReadWholeFile(path, kFileLimit).value_or(std::string());
}

std::string ReadFirstLine(const std::string& path) {
  const std::string bytes = ReadMachineFile(path);
  return TrimBlanks(bytes.substr(0, bytes.find('\n')));
}

std::string ResolvedPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path resolved = std::filesystem::canonical(path, error);
  return error ? std::string() : resolved.string();
}

std::optional<uint32_t> ParseHex(const std::string& text) {
  std::string digits = TrimBlanks(text);
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) digits.erase(0, 2);
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (char c : digits) {
    uint32_t digit = 0;
    if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
    else return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

std::string Hex(uint32_t value, int digits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text(static_cast<size_t>(digits), '0');
  for (int i = digits - 1; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kDigits[value & 0xF];
  return text;
}

std::string PaddedIdField(const std::string& text, size_t width) {
  std::string field = IdCharacters(text, width);
  field.resize(width, '_');
  return field;
}

std::string KeyIdField(const std::string& text, size_t width) { return IdCharacters(text, width); }

void AddDeviceKey(const std::string& instancePath, const std::string& hardwareId,
                  const std::string& deviceDesc, const std::string& deviceClass) {
  const std::string key = kEnumPrefix + instancePath;
  if (!hardwareId.empty()) SetMachineMultiText(key, "HardwareID", hardwareId);
  SetMachineText(key, "DeviceDesc", deviceDesc);
  SetMachineText(key, "Class", deviceClass);
  CreateMachineKey(key + "\\Control");
}

void AddServiceInstances(const std::string& service, const std::vector<std::string>& instancePaths) {
  if (instancePaths.empty()) return;
  const std::string key = kServicesPrefix + service + "\\Enum";
  SetMachineDword(key, "Count", static_cast<uint32_t>(instancePaths.size()));
  for (size_t i = 0; i < instancePaths.size(); ++i) SetMachineText(key, std::to_string(i), instancePaths[i]);
}

}  // namespace linux_machine
