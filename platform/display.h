// The current desktop mode of the primary display.
#pragma once

struct DisplayMode {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
};

// POSIX answers what was set, 1024x768x32 by default. Win32 asks a device context of "DISPLAY"
// (HORZRES, VERTRES, BITSPIXEL) unless a mode has been set (analysing a saved report offline).
DisplayMode ReadDisplayMode();

void SetDisplayMode(const DisplayMode& mode);
