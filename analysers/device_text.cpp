// The model text of device_text.h.
#include "analysers/device_text.h"

std::string ModelTextAfter(const std::string& hardwareId, const std::string& marker) {
  std::string model = hardwareId.substr(0, hardwareId.find("__"));
  const size_t at = model.find(marker);
  // A missing marker starts the model one character before the marker's length, as the
  // not-found position plus the marker length does.
  const size_t start = at == std::string::npos ? marker.size() - 1 : at + marker.size();
  if (start > model.size()) return std::string();
  return model.substr(start);
}
