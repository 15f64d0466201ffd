// The CPUID brand leaves, for both builds (gcc's <cpuid.h> serves MinGW-w64 and Linux alike).
#include "platform/processor.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

std::string ReadCpuidBrandBytes() {
  std::string bytes(48, '\0');
#if defined(__x86_64__) || defined(__i386__)
  unsigned int maxLeaf = __get_cpuid_max(0x80000000u, nullptr);
  if (maxLeaf < 0x80000004u) return bytes;
  for (unsigned int leaf = 0; leaf < 3; ++leaf) {
    unsigned int regs[4] = {0, 0, 0, 0};
    __cpuid(0x80000002u + leaf, regs[0], regs[1], regs[2], regs[3]);
    std::memcpy(&bytes[leaf * 16], regs, sizeof regs);
  }
#endif
  return bytes;
}
