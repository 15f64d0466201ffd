// The registry steps for keyboards and mice, which write their own summary rows: PS/2 devices of
// the ACPI bus and USB devices of the hidusb service.
#include "scan/input_devices.h"

#include <optional>
#include <vector>

#include "scan/records.h"
#include "scan/registry_devices.h"
#include "scan/summary_report.h"
#include "scan/text_helpers.h"

namespace {

constexpr const char* kAcpiEnum = "SYSTEM\\CurrentControlSet\\Enum\\ACPI";
constexpr const char* kHidUsbService = "SYSTEM\\CurrentControlSet\\Services\\hidusb\\Enum\\";

// Two hidusb instances whose paths agree in this many leading bytes are one device (the
// interfaces of one keyboard differ only after the product id).
constexpr size_t kSameDeviceLength = 20;

bool SeenBefore(const std::vector<std::string>& handled, const std::string& path) {
  for (const std::string& earlier : handled) {
    if (earlier.compare(0, kSameDeviceLength, path, 0, kSameDeviceLength) == 0) return true;
  }
  return false;
}

}  // namespace

void ScanPs2KeyboardsAndMice() {
  std::vector<std::string> list;
  FindPresentDevices(kAcpiEnum, list);
  for (const std::string& path : list) {
    std::string deviceClass, description;
    if (!ReadClassAndDescription(path, deviceClass, description)) continue;
    const std::string name = CutAfterFirst(description, ';');
    if (deviceClass == "Keyboard") {
      AppendDetailRow("键盘", EscapeHtml(description));
      AppendInputDeviceRow("键盘", name, " ", "PS/2 圆接口");  // the keyboard row has a blank before </br>
    } else if (deviceClass == "Mouse") {
      AppendDetailRow("鼠标", EscapeHtml(description));
      AppendInputDeviceRow("鼠标", name, "", "PS/2 圆接口");
    }
  }
}

void ScanUsbKeyboardsAndMice() {
  std::vector<std::string> handled;
  for (const std::string& path : ReadServiceInstances(kHidUsbService)) {
    if (path.empty() || SeenBefore(handled, path)) continue;
    handled.push_back(path);
    const std::optional<std::string> value = ReadInstanceValue(path, "LocationInformation");
    if (!value) continue;
    if (*value == "USB Optical Mouse") {
      AppendDetailRow("鼠标", EscapeHtml(*value));
      AppendInputDeviceRow("鼠标", *value, "", "USB");
    } else if (*value == "USB Keykoard") {
      // The name the common no-name USB keyboards report, misspelling included.
      AppendDetailRow("键盘:", EscapeHtml(*value));
      AppendInputDeviceRow("键盘", *value, "", "USB");
    }
  }
}
