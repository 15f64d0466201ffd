// The version text of a program file's version resource, read by Windows (under Wine): the
// stand-ins for the program carry the project version and 9.9.9; a program without a version
// resource has none.
#include "app/product_version.h"

#include <gtest/gtest.h>

namespace {

TEST(ProductVersion, TextOfTheVersionResource) {
  EXPECT_EQ(ProductVersionText(HWDEX_PROBE_NEWER).value_or("(none)"), "9.99");
  EXPECT_EQ(ProductVersionText(HWDEX_PROBE_CURRENT).value_or("(none)"), HWDEX_VERSION_TEXT);
  EXPECT_EQ(ProductVersionText(HWDEX_UPDATE_WATCH).value_or("(none)"), "(none)");
  EXPECT_EQ(ProductVersionText("Z:\\no\\such\\file.exe").value_or("(none)"), "(none)");
}

}  // namespace
