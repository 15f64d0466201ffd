// Keyboards and mice from /proc/bus/input/devices: PS/2 ones as the ACPI devices Windows makes of
// them, USB ones as instances of the HID-over-USB service.
#include "platform/posix/linux_input.h"

#include <sstream>

#include "platform/encoding.h"
#include "platform/posix/linux_machine_parts.h"
#include "platform/registry.h"
#include "scan/text_helpers.h"

namespace linux_machine {

namespace {

constexpr uint32_t kEventRepeat = 1u << 0x14;  // EV_REP: keys repeat, which a real keyboard's do

// The names the scan's USB step recognises a plain mouse and keyboard by: the product strings of
// the common no-name devices, "USB Keykoard" misspelt as those keyboards report it.
constexpr const char* kUsbMouseName = "USB Optical Mouse";
constexpr const char* kUsbKeyboardName = "USB Keykoard";

enum class InputKind { kOther, kKeyboard, kMouse };

struct InputDevice {
  uint32_t vendor = 0;
  uint32_t product = 0;
  std::string name;
  std::string phys;
  std::string handlers;
  uint32_t events = 0;
};

// The value after "Key=" in a line such as "I: Bus=0003 Vendor=046d Product=c077 Version=0111".
std::string FieldValue(const std::string& line, const std::string& key) {
  const size_t at = line.find(key + "=");
  if (at == std::string::npos) return {};
  const size_t start = at + key.size() + 1;
  return line.substr(start, line.find(' ', start) - start);
}

std::string Unquoted(const std::string& text) {
  const std::string value = TrimBlanks(text);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

std::vector<InputDevice> ReadInputDevices(const std::string& root) {
  std::vector<InputDevice> devices;
  std::istringstream in(ReadMachineFile(root + "/proc/bus/input/devices"));
  InputDevice device;
  bool started = false;
  for (std::string line; std::getline(in, line);) {
    line = TrimBlanks(line);
    if (line.empty()) {
      if (started) devices.push_back(device);
      device = InputDevice();
      started = false;
      continue;
    }
    started = true;
    if (line.rfind("I:", 0) == 0) {
      device.vendor = ParseHex(FieldValue(line, "Vendor")).value_or(0);
      device.product = ParseHex(FieldValue(line, "Product")).value_or(0);
    } else if (line.rfind("N: Name=", 0) == 0) {
      device.name = Unquoted(line.substr(8));
    } else if (line.rfind("P: Phys=", 0) == 0) {
      device.phys = TrimBlanks(line.substr(8));
    } else if (line.rfind("H: Handlers=", 0) == 0) {
      device.handlers = " " + TrimBlanks(line.substr(12)) + " ";
    } else if (line.rfind("B: EV=", 0) == 0) {
      device.events = ParseHex(line.substr(6)).value_or(0);
    }
  }
  if (started) devices.push_back(device);
  return devices;
}

InputKind KindOf(const InputDevice& device) {
  if (device.handlers.find(" kbd ") != std::string::npos && (device.events & kEventRepeat) != 0) {
    return InputKind::kKeyboard;
  }
  if (device.handlers.find(" mouse") != std::string::npos) return InputKind::kMouse;
  return InputKind::kOther;
}

void AddPs2Device(InputKind kind, int& keyboards, int& mice) {
  if (kind == InputKind::kKeyboard) {
    AddDeviceKey("ACPI\\PNP0303\\4&1d401fb5&" + std::to_string(keyboards++), "ACPI\\PNP0303", "标准 PS/2 键盘",
                 "Keyboard");
  } else if (kind == InputKind::kMouse) {
    AddDeviceKey("ACPI\\PNP0F13\\4&1d401fb5&" + std::to_string(mice++), "ACPI\\PNP0F13", "PS/2 兼容鼠标", "Mouse");
  }
}

// "usb-0000:00:14.0-2/input1" is interface 1 of its USB device.
uint32_t UsbInterface(const std::string& phys) {
  const size_t at = phys.rfind("/input");
  if (at == std::string::npos) return 0;
  const std::string digits = phys.substr(at + 6);
  if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return static_cast<uint32_t>(std::stoul(digits));
}

std::string AddUsbDevice(const InputDevice& device, InputKind kind, size_t index) {
  const std::string hardwareId = "HID\\VID_" + Hex(device.vendor, 4) + "&PID_" + Hex(device.product, 4) + "&MI_" +
                                 Hex(UsbInterface(device.phys), 2);
  const std::string path = hardwareId + "\\7&1ba1b322&0&" + Hex(static_cast<uint32_t>(index), 4);
  AddDeviceKey(path, hardwareId, "USB 输入设备", "HIDClass");
  const std::string location = kind == InputKind::kKeyboard ? kUsbKeyboardName
                               : kind == InputKind::kMouse  ? kUsbMouseName
                                                            : Utf8ToGbk(device.name);
  SetMachineText("SYSTEM\\CurrentControlSet\\Enum\\" + path, "LocationInformation", location);
  return path;
}

}  // namespace

void AddKeyboardsAndMice(const std::string& root) {
  int keyboards = 0, mice = 0;
  std::vector<const InputDevice*> usbPlain, usbOther;
  const std::vector<InputDevice> devices = ReadInputDevices(root);
  for (const InputDevice& device : devices) {
    if (device.phys.rfind("isa0060/serio", 0) == 0) AddPs2Device(KindOf(device), keyboards, mice);
    if (device.phys.rfind("usb-", 0) != 0) continue;
    (KindOf(device) == InputKind::kOther ? usbOther : usbPlain).push_back(&device);
  }
  // The scan takes only the first instance of a device's interfaces (the same vendor and product),
  // so the keyboards and mice go before the other functions of the same device.
  std::vector<std::string> paths;
  for (const InputDevice* device : usbPlain) paths.push_back(AddUsbDevice(*device, KindOf(*device), paths.size()));
  for (const InputDevice* device : usbOther) paths.push_back(AddUsbDevice(*device, InputKind::kOther, paths.size()));
  AddServiceInstances("hidusb", paths);
}

}  // namespace linux_machine
