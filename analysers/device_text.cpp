// Text rules shared by the disk, USB storage and optical drive analysers.
#include "analysers/device_text.h"

#include <cstring>

std::string ModelTextAfter(const std::string& hardwareId, const std::string& marker) {
  std::string model = hardwareId.substr(0, hardwareId.find("__"));
  const size_t at = model.find(marker);
  // A missing marker starts the model one character before the marker's length, as the
  // not-found position plus the marker length does.
  const size_t start = at == std::string::npos ? marker.size() - 1 : at + marker.size();
  if (start > model.size()) return std::string();
  return model.substr(start);
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool Contains(const std::string& text, const char* word) { return text.find(word) != std::string::npos; }

int32_t LeadingNumber(const std::string& text) {
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return INT32_MAX;
  }
  return static_cast<int32_t>(value);
}
