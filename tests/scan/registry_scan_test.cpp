// The registry steps on one machine, in both builds: natively the export is loaded into the
// in-memory registry, under Wine the run script has imported it into Wine's registry. Both must give
// the expected summary text, summary rows and detail rows. The machine's disks name drives that
// neither has, and the resolution is whatever the desktop answers.
#include <gtest/gtest.h>

#include "platform/display.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "platform/registry_export.h"
#include "scan/records.h"
#include "scan/registry_devices.h"
#include "tests/test_support.h"

namespace {

constexpr const char* kFixture = "registry_devices/wine_machine";

// An expected file (UTF-8); rows files hold one row a line, joined here without the line feeds.
std::string Expected(const char* suffix, bool joinLines) {
  std::string text = ReadFileBytes(FixturePath(std::string(kFixture) + suffix));
  if (joinLines) {
    std::string joined;
    for (char c : text) {
      if (c != '\n') joined += c;
    }
    text = joined;
  }
  const DisplayMode mode = ReadDisplayMode();
  const std::string resolution = std::to_string(mode.width) + "*" + std::to_string(mode.height);
  const size_t at = text.find("1024*768");
  if (at != std::string::npos) text.replace(at, 8, resolution);
  return text;
}

class RegistryScan : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef _WIN32
    ClearRegistry();
    ClearDriveGeometries();
    std::string error;
    ASSERT_TRUE(LoadRegistryExport(FixturePath(std::string(kFixture) + ".reg"), error)) << U8(error);
#endif
    // The disks of the machine must not exist where the test runs, or their sizes would show.
    for (const char* drive : {"\\\\.\\PHYSICALDRIVE40", "\\\\.\\PHYSICALDRIVE9"}) {
      ASSERT_FALSE(ReadDriveGeometry(drive).has_value()) << drive;
    }
    ScanRegistryDevices(nullptr);
  }
};

TEST_F(RegistryScan, SummaryText) { EXPECT_EQ(U8(summaryText), Expected(".text", false)); }

TEST_F(RegistryScan, SummaryRows) { EXPECT_EQ(U8(summaryHtml), Expected(".html", true)); }

TEST_F(RegistryScan, DetailRows) { EXPECT_EQ(U8(detailRows), Expected(".detail", true)); }

}  // namespace
