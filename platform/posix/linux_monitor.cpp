// The monitor of the first connected DRM connector, named by its EDID as Windows names monitors,
// and the display mode that connector prefers.
#include "platform/posix/linux_monitor.h"

#include <cstdlib>

#include "platform/display.h"
#include "platform/files.h"
#include "platform/posix/linux_machine_parts.h"

namespace linux_machine {

namespace {

constexpr unsigned char kEdidHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr size_t kEdidBlock = 128;

unsigned char Byte(const std::string& bytes, size_t at) { return static_cast<unsigned char>(bytes[at]); }

// The maker's three-letter PNP id (bytes 8-9, five bits a letter) and the product code (bytes
// 10-11, little-endian) as "ACR01A5"; empty for anything that is not an EDID.
std::string MonitorCode(const std::string& edid) {
  if (edid.size() < kEdidBlock) return {};
  for (size_t i = 0; i < sizeof kEdidHeader; ++i) {
    if (Byte(edid, i) != kEdidHeader[i]) return {};
  }
  const unsigned maker = static_cast<unsigned>(Byte(edid, 8) << 8 | Byte(edid, 9));
  std::string code;
  for (int shift = 10; shift >= 0; shift -= 5) {
    const unsigned letter = (maker >> shift) & 0x1F;
    if (letter < 1 || letter > 26) return {};
    code += static_cast<char>('A' + letter - 1);
  }
  return code + Hex(static_cast<uint32_t>(Byte(edid, 10) | Byte(edid, 11) << 8), 4);
}

// "1920x1080" (the first line of the connector's modes, the mode it prefers); nothing when odd.
bool ParseMode(const std::string& line, DisplayMode& mode) {
  char* end = nullptr;
  const long width = std::strtol(line.c_str(), &end, 10);
  if (end == line.c_str() || *end != 'x') return false;
  const char* heightText = end + 1;
  const long height = std::strtol(heightText, &end, 10);
  if (end == heightText || width <= 0 || height <= 0 || width > 100000 || height > 100000) return false;
  mode.width = static_cast<int>(width);
  mode.height = static_cast<int>(height);
  mode.bitsPerPixel = 32;
  return true;
}

}  // namespace

void AddMonitor(const std::string& root) {
  const std::string dir = root + "/sys/class/drm/";
  for (const std::string& connector : ListDirectory(dir)) {
    if (connector.rfind("card", 0) != 0 || connector.find('-') == std::string::npos) continue;
    if (ReadFirstLine(dir + connector + "/status") != "connected") continue;
    const std::string code = MonitorCode(ReadMachineFile(dir + connector + "/edid"));
    if (code.empty()) continue;
    AddDeviceKey("DISPLAY\\" + code + "\\5&2f1a3c4b&0&UID4352", "MONITOR\\" + code, "通用即插即用监视器", "Monitor");
    DisplayMode mode;
    if (ParseMode(ReadFirstLine(dir + connector + "/modes"), mode)) SetDisplayMode(mode);
    return;
  }
}

}  // namespace linux_machine
