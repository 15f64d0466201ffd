// The desktop mode from a device context of the display.
#include "platform/display.h"

#include <windows.h>

DisplayMode ReadDisplayMode() {
  DisplayMode mode;
  HDC dc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (dc == nullptr) return mode;
  mode.width = GetDeviceCaps(dc, HORZRES);
  mode.height = GetDeviceCaps(dc, VERTRES);
  mode.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL);
  DeleteDC(dc);
  return mode;
}
