// Records start empty and the scan texts are emptied in one place.
#include "scan/records.h"

#include <gtest/gtest.h>

namespace {

TEST(Records, StartEmpty) {
  ScanRecords records;
  EXPECT_TRUE(records.cpu.name.empty() && records.cpu.price.empty());
  EXPECT_TRUE(records.board.vendor.empty() && records.graphics.name.empty());
  EXPECT_TRUE(records.modules.empty());
  EXPECT_EQ(DiskEntry{}.driveNumberPlusOne, 0);
}

TEST(Records, ResetEmptiesEveryScanText) {
  summaryText = "a";
  summaryHtml = "b";
  detailRows = "c";
  machineTag = "d";
  ResetScanTexts();
  EXPECT_EQ(summaryText + summaryHtml + detailRows + machineTag, "");
}

}  // namespace
