// The test programs' entry: every test starts from empty scan texts.
#include <gtest/gtest.h>

#include "scan/records.h"

namespace {
class ResetTexts : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { ResetScanTexts(); }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new ResetTexts);
  return RUN_ALL_TESTS();
}
