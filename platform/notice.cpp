// The replaceable destination of notices, shared by both builds.
#include "platform/notice.h"

namespace {
NoticeSink currentSink = nullptr;
}

void SetNoticeSink(NoticeSink sink) { currentSink = sink; }

void ShowNotice(const std::string& text, const std::string& caption) {
  if (currentSink != nullptr) {
    currentSink(text, caption);
  } else {
    ShowPlatformNotice(text, caption);
  }
}
