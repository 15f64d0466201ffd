// Every saved fuzz input (the seed corpora and the inputs that once broke the engine, one folder per
// target) fed again through the entry its fuzz program drives. An entry aborts on a broken rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_entries.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> InputsOf(const std::string& target) {
  std::vector<std::string> inputs;
  for (const char* root : {HWDEX_FUZZ_CORPUS, HWDEX_FUZZ_REGRESSIONS}) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(root) / target, ec)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path().string());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

class FuzzInputs : public testing::TestWithParam<FuzzEntry> {};

TEST_P(FuzzInputs, ReplayWithoutBreakingARule) {
  const std::vector<std::string> inputs = InputsOf(GetParam().name);
  ASSERT_FALSE(inputs.empty()) << "no saved inputs for " << GetParam().name;
  for (const std::string& path : inputs) {
    SCOPED_TRACE(path);
    const std::string bytes = ReadFileBytes(path);
    GetParam().run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzInputs, testing::ValuesIn(kFuzzEntries, kFuzzEntries + kFuzzEntryCount),
                         [](const testing::TestParamInfo<FuzzEntry>& info) { return std::string(info.param.name); });

}  // namespace
