// What both probes share: CPUID (vendor, signature, brand, instruction sets) and device order.
#include "report_tool/probes.h"

#include <algorithm>
#include <cstring>

#include "platform/processor.h"
#include "scan/text_helpers.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace {

// Instruction set flags: leaf (1 or 0x80000001 or 7), register (0 ECX, 1 EDX, 2 EBX), bit, name.
// clang-format off
struct FlagRule { unsigned leaf; int reg; int bit; const char* name; };
constexpr FlagRule kFlags[] = {
    {1, 1, 23, "MMX"},   {1, 1, 25, "SSE"},     {1, 1, 26, "SSE2"},   {1, 0, 0, "SSE3"},
    {1, 0, 9, "SSSE3"},  {1, 0, 19, "SSE4.1"},  {1, 0, 20, "SSE4.2"}, {0x80000001u, 1, 29, "x86-64"},
    {1, 0, 5, "VT-x"},   {0x80000001u, 0, 2, "AMD-V"}, {1, 0, 25, "AES"}, {1, 0, 28, "AVX"},
    {7, 2, 5, "AVX2"},   {1, 0, 12, "FMA3"},    {7, 2, 16, "AVX512F"}, {7, 2, 29, "SHA"},
};
// clang-format on

}  // namespace

void SortByLocation(std::vector<PciDevice>& pci) {
  std::stable_sort(pci.begin(), pci.end(), [](const PciDevice& a, const PciDevice& b) {
    if (a.bus != b.bus) return a.bus < b.bus;
    return a.device != b.device ? a.device < b.device : a.function < b.function;
  });
}

void ProbeCpuid(CpuFacts& cpu) {
#if defined(__x86_64__) || defined(__i386__)
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(0, &a, &b, &c, &d)) return;
  unsigned maxLeaf = a;
  if (cpu.vendor.empty()) {
    char vendor[13] = {};
    std::memcpy(vendor, &b, 4);
    std::memcpy(vendor + 4, &d, 4);
    std::memcpy(vendor + 8, &c, 4);
    cpu.vendor = vendor;
  }
  unsigned regs1[3] = {0, 0, 0}, regs7[3] = {0, 0, 0}, regsExt[3] = {0, 0, 0};
  if (__get_cpuid(1, &a, &b, &c, &d)) {
    regs1[0] = c;
    regs1[1] = d;
    if (cpu.family < 0) {
      int family = (a >> 8) & 0x0F, model = (a >> 4) & 0x0F;
      if (family == 0x0F) family += (a >> 20) & 0xFF;
      if (family >= 6) model += ((a >> 16) & 0x0F) << 4;
      cpu.family = family;
      cpu.model = model;
      cpu.stepping = a & 0x0F;
    }
  }
  if (maxLeaf >= 7) {
    __cpuid_count(7, 0, a, b, c, d);
    regs7[0] = c;
    regs7[1] = d;
    regs7[2] = b;
  }
  if (__get_cpuid(0x80000001u, &a, &b, &c, &d)) {
    regsExt[0] = c;
    regsExt[1] = d;
  }
  if (cpu.instructions.empty()) {
    for (const FlagRule& f : kFlags) {
      const unsigned* regs = f.leaf == 1 ? regs1 : f.leaf == 7 ? regs7 : regsExt;
      if ((regs[f.reg] >> f.bit) & 1) cpu.instructions += (cpu.instructions.empty() ? "" : ", ") + std::string(f.name);
    }
  }
#endif
  if (cpu.brand.empty()) {
    std::string bytes = ReadCpuidBrandBytes();
    cpu.brand = TrimBlanks(bytes.substr(0, bytes.find('\0')));
  }
}
