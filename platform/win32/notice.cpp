// A notice for the user: a message box without owner window and an OK button.
#include "platform/notice.h"

#include <windows.h>

void ShowPlatformNotice(const std::string& text, const std::string& caption) {
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}
