// The desktop mode as set by the caller (command line, or DRM sysfs); 1024x768x32 when unset.
#include "platform/display.h"

namespace {
DisplayMode current{1024, 768, 32};
}

DisplayMode ReadDisplayMode() { return current; }
void SetDisplayMode(const DisplayMode& mode) { current = mode; }
