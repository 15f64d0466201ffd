// The processor's brand text from the CPUID extended leaves 80000002h to 80000004h.
#pragma once

#include <string>

// The 48 bytes of the three leaves (EAX, EBX, ECX, EDX of each), exactly 48 bytes long; all zero on
// a processor without the extended brand leaves.
std::string ReadCpuidBrandBytes();
