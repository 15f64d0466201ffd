// The start-up and main-window rules: price-column flags from the command line or hwdex.ini, the
// program directory, the status bar's site text, where a pane goes, the blank page and the trace.
#include "app/window_rules.h"

#include <gtest/gtest.h>

#include "tests/test_support.h"

namespace {

std::string Flags(const DisplayFlags& flags) {
  return std::string(flags.showSecondHand ? "二手" : "-") + "/" + (flags.showNewPrice ? "全新" : "-");
}

TEST(DisplayFlags, CommandLineAndIni) {
  struct Case {
    const char* commandLine;
    const char* ini;  // nullptr: no hwdex.ini
    const char* expected;
  } kCases[] = {
      {"", nullptr, "二手/全新"},
      {"", "", "二手/全新"},
      {"", "[显示设置]\r\n二手=否\r\n", "-/全新"},
      {"", "[显示设置]\r\n全新=否\r\n", "二手/-"},
      {"", "[显示设置]\r\n二手=否\r\n全新=否\r\n", "-/-"},
      // Only the whole value "否" hides a column.
      {"", "[显示设置]\r\n二手=否 \r\n全新=否否\r\n", "-/全新"},  // blanks around a value are trimmed
      {"", "[显示设置]\r\n二手=是\r\n全新=0\r\n", "二手/全新"},
      {"", "[显示设置]\r\n二手=\r\n全新\r\n", "二手/全新"},
      {"", "[其它]\r\n二手=否\r\n", "二手/全新"},
      // A command line decides alone: the ini file is not read.
      {"new", "[显示设置]\r\n全新=否\r\n", "-/全新"},
      {"old", "[显示设置]\r\n二手=否\r\n", "二手/-"},
      {"NEW", "[显示设置]\r\n二手=否\r\n全新=否\r\n", "二手/全新"},
      {"new old", "[显示设置]\r\n二手=否\r\n", "二手/全新"},
      {" new", nullptr, "二手/全新"},
      {"new ", nullptr, "二手/全新"},
      {"x", "[显示设置]\r\n二手=否\r\n", "二手/全新"},
  };
  for (const Case& c : kCases) {
    TempDir dir;
    const std::string ini = dir.File("hwdex.ini");
    if (c.ini != nullptr) WriteFileBytes(ini, c.ini);
    EXPECT_EQ(U8(Flags(ReadDisplayFlags(c.commandLine, ini))), U8(c.expected))
        << "command line \"" << c.commandLine << "\", ini " << (c.ini ? U8(c.ini) : "none");
  }
}

TEST(ProgramDirectory, CutAtTheLastBackslash) {
  struct Case {
    const char* programFile;
    const char* expected;
  } kCases[] = {
      {"C:\\Program Files\\hwdex\\hwdex.exe", "C:\\Program Files\\hwdex"},
      {"C:\\hwdex.exe", "C:"},  // a drive root: the drive letter and colon alone
      {"D:\\沐杉 电脑\\hwdex.exe", "D:\\沐杉 电脑"},
      {"\\\\server\\share\\hwdex.exe", "\\\\server\\share"},
      {"Z:\\a\\b\\", "Z:\\a\\b"},
      // The first byte is never cut, and a path without a later "\" stays whole.
      {"\\hwdex.exe", "\\hwdex.exe"},
      {"hwdex.exe", "hwdex.exe"},
      {"", ""},
      // 誠 is D5 5C in GBK: its trail byte is no separator, in a file name or a folder name.
      {"C:\\软件\\誠.exe", "C:\\软件"},
      {"C:\\誠\\hwdex.exe", "C:\\誠"},
      {"C:\\誠誠", "C:"},
  };
  for (const Case& c : kCases) EXPECT_EQ(U8(ProgramDirectoryOf(c.programFile)), U8(c.expected)) << U8(c.programFile);
}

TEST(StatusBar, SiteText) {
  EXPECT_EQ(U8(StatusSiteText("https://www.mushan-pc.cn")), U8("QQ群:28719366 官方网址：https://www.mushan-pc.cn"));
  EXPECT_EQ(U8(StatusSiteText("http://127.0.0.1:8080")), U8("QQ群:28719366 官方网址：http://127.0.0.1:8080"));
  EXPECT_EQ(U8(kStatusWelcome), U8("提示:欢迎使用沐杉电脑助手!"));
  EXPECT_EQ(U8(kStatusScanDone), U8("提示:扫描完成!"));
}

TEST(BrowserPaneRect, FromTheParentsClientArea) {
  struct Case {
    int clientRight, clientBottom, leftOffset, bottomMargin, rightEdge, topEdge;
    PaneRect expected;
  } kCases[] = {
      // The banner: the whole width, from the top to 620 above the bottom (a 1018 x 700 client).
      {1018, 700, 0, 620, 0, 0, {0, 0, 1018, 80}},
      // The summary pane, the left panel, the detail pane and the assembly page's right panel.
      {1000, 560, 395, 5, 0, 35, {395, 35, 605, 520}},
      {1000, 560, 5, 5, 390, 0, {5, 0, 385, 555}},
      {1000, 560, 0, 0, 0, 0, {0, 0, 1000, 560}},
      {1000, 560, 600, 3, 0, 40, {600, 40, 400, 517}},
      // A parent too small for the margins: nothing negative.
      {300, 500, 395, 5, 0, 35, {395, 35, 0, 460}},
      {1018, 600, 0, 620, 0, 0, {0, 0, 1018, 0}},
  };
  for (const Case& c : kCases) {
    const PaneRect r = BrowserPaneRect(0, 0, c.clientRight, c.clientBottom, c.leftOffset, c.bottomMargin, c.rightEdge, c.topEdge);
    EXPECT_EQ(std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" + std::to_string(r.height),
              std::to_string(c.expected.left) + "," + std::to_string(c.expected.top) + " " + std::to_string(c.expected.width) +
                  "x" + std::to_string(c.expected.height))
        << "offset " << c.leftOffset << " margin " << c.bottomMargin << " right " << c.rightEdge << " top " << c.topEdge;
  }
  // A client area that does not start at 0: the offsets count from its left and top.
  const PaneRect shifted = BrowserPaneRect(10, 20, 510, 420, 5, 5, 0, 0);
  EXPECT_EQ(shifted.left, 15);
  EXPECT_EQ(shifted.top, 20);
  EXPECT_EQ(shifted.width, 495);
  EXPECT_EQ(shifted.height, 395);
}

TEST(BlankPage, ResourceAddressOfTheProgramFile) {
  EXPECT_EQ(BlankPageAddress("C:\\hwdex\\hwdex.exe"), "res://C:\\hwdex\\hwdex.exe/1221");
  EXPECT_EQ(U8(BlankPageAddress("D:\\沐杉 电脑\\hwdex.exe")), U8("res://D:\\沐杉 电脑\\hwdex.exe/1221"));
}

TEST(Trace, Lines) {
  EXPECT_EQ(NavigationTraceLine("summaryPane", "https://www.mushan-pc.cn/load.htm"),
            "hwdex navigate summaryPane https://www.mushan-pc.cn/load.htm");
  EXPECT_EQ(U8(NavigationTraceLine("detailPane", "Z:\\沐杉\\view.htm")), U8("hwdex navigate detailPane Z:\\沐杉\\view.htm"));
  EXPECT_EQ(TimerTraceLine(5), "hwdex timer 5");
  EXPECT_EQ(ScanStepTraceLine("report tool"), "hwdex scan report tool");
  EXPECT_EQ(PaneControlTraceLine("banner", "Shell.Explorer.2"), "hwdex control banner Shell.Explorer.2");
  EXPECT_EQ(UpdateCheckTraceLine("nothing newer"), "hwdex update nothing newer");
}

}  // namespace

TEST(UploadDialogPlace, BottomRightByTheTimerCentredByTheButton) {
  struct Case {
    int screenWidth, screenHeight, width, height;
    bool autoPrompt;
    int x, y;
  } kCases[] = {
      {1280, 1024, 470, 230, true, 790, 764},
      {1280, 1024, 470, 230, false, 405, 397},
      // Integer halves of odd sizes: the screen's half rounds up, the dialog's down.
      {1025, 769, 471, 231, false, 278, 270},
      {1024, 768, 471, 231, true, 533, 507},
      // A dialog larger than the screen keeps its top left corner on it.
      {640, 480, 700, 520, true, 0, 0},
      {640, 480, 700, 520, false, 0, 0},
      {640, 480, 630, 460, true, 0, 0},  // 640 - 630 - 20 = -10
      {640, 480, 600, 400, true, 20, 50},
  };
  for (const Case& c : kCases) {
    const ScreenPoint place = UploadDialogPlace(c.screenWidth, c.screenHeight, c.width, c.height, c.autoPrompt);
    EXPECT_EQ(place.x, c.x) << c.screenWidth << "x" << c.screenHeight << " dialog " << c.width << "x" << c.height
                            << (c.autoPrompt ? " by the timer" : " by the button");
    EXPECT_EQ(place.y, c.y) << c.screenWidth << "x" << c.screenHeight << " dialog " << c.width << "x" << c.height
                            << (c.autoPrompt ? " by the timer" : " by the button");
  }
}
