// This Linux machine's devices as the Windows device registry gives them: the steps in their order.
#include "platform/linux_machine.h"

#include "platform/posix/linux_disks.h"
#include "platform/posix/linux_input.h"
#include "platform/posix/linux_monitor.h"
#include "platform/posix/linux_pci.h"

void BuildRegistryFromMachine(const std::string& root) {
  // "/" and "" both mean this machine; the steps append "/sys/...", "/proc/..." to what is left.
  std::string base = root;
  while (!base.empty() && base.back() == '/') base.pop_back();
  linux_machine::AddDisks(base);
  linux_machine::AddOpticalDrives(base);
  linux_machine::AddSoundAndNetworkDevices(base);
  linux_machine::AddMonitor(base);
  linux_machine::AddKeyboardsAndMice(base);
}
