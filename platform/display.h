// The current desktop mode of the primary display.
#pragma once

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
};

// Win32 asks a device context of "DISPLAY" (HORZRES, VERTRES, BITSPIXEL); POSIX answers what was
// set, 1024x768x32 by default.
DisplayMode ReadDisplayMode();

#ifndef _WIN32
void SetDisplayMode(const DisplayMode& mode);
#endif
