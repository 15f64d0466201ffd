// Sound and network devices: HD-audio codecs, PCI sound and network controllers.
#pragma once

#include <string>

namespace linux_machine {

void AddSoundAndNetworkDevices(const std::string& root);

}  // namespace linux_machine
