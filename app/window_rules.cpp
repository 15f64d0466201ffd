// The start-up and main-window rules on plain texts and numbers.
#include "app/window_rules.h"

#include <algorithm>

#include "platform/profile.h"

namespace {

// The maker's community group, shown in the status bar.
constexpr const char* kCommunityGroup = "28719366";

constexpr const char* kDisplaySection = "显示设置";
constexpr const char* kHidden = "否";
// The trace's own prefix, so that a debug viewer can tell its lines from other programs'.
constexpr const char* kTracePrefix = "hwdex ";

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

DisplayFlags ReadDisplayFlags(const std::string& commandLine, const std::string& iniPath) {
  DisplayFlags flags;
  if (!commandLine.empty()) {
    if (commandLine == "new") flags.showSecondHand = false;
    if (commandLine == "old") flags.showNewPrice = false;
    return flags;
  }
  if (ReadProfileString(kDisplaySection, "二手", "", iniPath) == kHidden) flags.showSecondHand = false;
  if (ReadProfileString(kDisplaySection, "全新", "", iniPath) == kHidden) flags.showNewPrice = false;
  return flags;
}

std::string ProgramDirectoryOf(const std::string& programFile) {
  size_t cut = std::string::npos;
  for (size_t i = 0; i < programFile.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(programFile[i]);
    if (IsLeadByte(c)) {
      ++i;  // its trail byte may be 0x5C
      continue;
    }
    if (c == '\\' && i >= 1) cut = i;
  }
  return cut == std::string::npos ? programFile : programFile.substr(0, cut);
}

std::string StatusSiteText(const std::string& site) {
  return std::string("QQ群:") + kCommunityGroup + " 官方网址：" + site;
}

PaneRect BrowserPaneRect(int clientLeft, int clientTop, int clientRight, int clientBottom, int leftOffset,
                         int bottomMargin, int rightEdge, int topEdge) {
  PaneRect pane;
  pane.left = clientLeft + leftOffset;
  pane.top = topEdge != 0 ? topEdge : clientTop;
  const int right = rightEdge != 0 ? rightEdge : clientRight;
  const int bottom = clientBottom - bottomMargin;
  pane.width = std::max(0, right - pane.left);
  pane.height = std::max(0, bottom - pane.top);
  return pane;
}

std::string BlankPageAddress(const std::string& programFile) { return "res://" + programFile + "/1221"; }

std::string NavigationTraceLine(const std::string& pane, const std::string& address) {
  return kTracePrefix + std::string("navigate ") + pane + " " + address;
}

std::string TimerTraceLine(int timerId) { return kTracePrefix + std::string("timer ") + std::to_string(timerId); }

std::string ScanStepTraceLine(const std::string& step) { return kTracePrefix + std::string("scan ") + step; }

std::string PaneControlTraceLine(const std::string& pane, const std::string& progId) {
  return kTracePrefix + std::string("control ") + pane + " " + progId;
}

ScreenPoint UploadDialogPlace(int screenWidth, int screenHeight, int width, int height, bool autoPrompt) {
  const ScreenPoint place = autoPrompt ? ScreenPoint{screenWidth - width - 20, screenHeight - height - 30}
                                       : ScreenPoint{screenWidth - screenWidth / 2 - width / 2,
                                                     screenHeight - screenHeight / 2 - height / 2};
  return {std::max(place.x, 0), std::max(place.y, 0)};
}

std::string UpdateCheckTraceLine(const std::string& end) { return kTracePrefix + std::string("update ") + end; }
