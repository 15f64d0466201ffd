// PS/2 and USB keyboards and mice from /proc/bus/input/devices.
#pragma once

#include <string>

namespace linux_machine {

void AddKeyboardsAndMice(const std::string& root);

}  // namespace linux_machine
