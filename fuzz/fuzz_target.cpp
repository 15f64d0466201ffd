// One libFuzzer program; HWDEX_FUZZ_ENTRY names the entry of fuzz_entries.h it drives.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HWDEX_FUZZ_ENTRY(data, size);
  return 0;
}
