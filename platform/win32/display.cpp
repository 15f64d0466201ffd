// The desktop mode from a device context of the display.
#include "platform/display.h"

#include <windows.h>

namespace {
bool modeGiven = false;
DisplayMode givenMode;
}  // namespace

void SetDisplayMode(const DisplayMode& mode) {
  givenMode = mode;
  modeGiven = true;
}

DisplayMode ReadDisplayMode() {
  if (modeGiven) return givenMode;
  DisplayMode mode;
  HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (dc == nullptr) return mode;
  mode.width = GetDeviceCaps(dc, HORZRES);
  mode.height = GetDeviceCaps(dc, VERTRES);
  mode.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL);
  DeleteDC(dc);
  return mode;
}
