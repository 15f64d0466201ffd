// The monitor of the first connected DRM connector, and the display mode it prefers.
#pragma once

#include <string>

namespace linux_machine {

void AddMonitor(const std::string& root);

}  // namespace linux_machine
