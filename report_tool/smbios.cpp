// Structure by structure over the SMBIOS table: formatted area first, then its string set.
#include "report_tool/smbios.h"

#include <cstdint>

namespace {

// One structure: its formatted area and its strings, both inside the table.
struct Structure {
  const unsigned char* data;
  size_t length;
  std::vector<std::string> strings;

  unsigned Byte(size_t at) const { return at < length ? data[at] : 0; }
  unsigned Word(size_t at) const { return at + 1 < length ? data[at] | (data[at + 1] << 8) : 0; }
  std::uint32_t Dword(size_t at) const {
    return at + 3 < length ? Word(at) | (std::uint32_t(Word(at + 2)) << 16) : 0;
  }
  // String number n of the set (1-based) at byte offset at; empty for 0, a missing string or a
  // formatted area too short to hold the number. Trailing blanks are dropped.
  std::string Text(size_t at) const {
    unsigned n = Byte(at);
    if (n == 0 || n > strings.size()) return "";
    std::string s = strings[n - 1];
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
  }
};

void TakeBios(const Structure& s, FirmwareFacts& f) {
  f.biosVendor = s.Text(0x04);
  f.biosVersion = s.Text(0x05);
  f.biosDate = s.Text(0x08);
  if (s.length > 0x09) f.biosRomKb = 64 * (s.Byte(0x09) + 1);
}

void TakeSystem(const Structure& s, FirmwareFacts& f) {
  f.systemManufacturer = s.Text(0x04);
  f.systemProduct = s.Text(0x05);
  f.systemVersion = s.Text(0x06);
  f.systemFamily = s.Text(0x1A);
}

void TakeBoard(const Structure& s, FirmwareFacts& f) {
  if (!f.boardVendor.empty() || !f.boardModel.empty()) return;  // the first board is the main one
  f.boardVendor = s.Text(0x04);
  f.boardModel = s.Text(0x05);
  f.boardVersion = s.Text(0x06);
}

void TakeProcessor(const Structure& s, FirmwareFacts& f) {
  if (f.hasProcessor || s.length < 0x1A) return;
  if (s.Byte(0x05) != 3 || (s.Byte(0x18) & 0x40) == 0) return;  // central processor, socket populated
  f.hasProcessor = true;
  f.socketDesignation = s.Text(0x04);
  f.processorManufacturer = s.Text(0x07);
  f.processorVersion = s.Text(0x10);
  f.externalClockMhz = s.Word(0x12);
  f.processorMaxMhz = s.Word(0x14);
  f.processorMhz = s.Word(0x16);
  f.processorUpgrade = s.Byte(0x19);
  if (s.length >= 0x28) {
    f.processorCores = s.Byte(0x23);
    f.processorThreads = s.Byte(0x25);
  }
}

void TakeMemoryArray(const Structure& s, FirmwareFacts& f) {
  if (s.length < 0x0F || s.Byte(0x05) != 3) return;  // system memory only
  std::uint32_t kb = s.Dword(0x07);
  if (kb != 0x80000000u) f.arrayMaxMb += kb / 1024;
  f.arrayDevices += s.Word(0x0D);
}

unsigned DeviceSizeMb(const Structure& s) {
  unsigned size = s.Word(0x0C);
  if (size == 0 || size == 0xFFFF) return 0;
  if (size == 0x7FFF && s.length >= 0x20) return s.Dword(0x1C) & 0x7FFFFFFFu;
  if (size & 0x8000) return (size & 0x7FFF) / 1024;  // kilobyte granularity
  return size;
}

void TakeMemoryDevice(const Structure& s, FirmwareFacts& f) {
  if (s.length < 0x15) return;
  MemoryDevice d;
  d.sizeMb = DeviceSizeMb(s);
  if (d.sizeMb == 0) return;  // an empty slot
  d.formFactor = s.Byte(0x0E);
  d.locator = s.Text(0x10);
  d.bankLocator = s.Text(0x11);
  d.memoryType = s.Byte(0x12);
  unsigned speed = s.Word(0x15);
  if (speed != 0xFFFF) d.speedMts = speed;
  d.manufacturer = s.Text(0x17);
  d.serialNumber = s.Text(0x18);
  d.partNumber = s.Text(0x1A);
  unsigned configured = s.Word(0x20);
  if (configured != 0xFFFF) d.configuredMts = configured;
  d.manufacturerId = s.Word(0x28);
  f.memory.push_back(d);
}

// The string set starting at from; false when the table ends before its double NUL.
bool ReadStrings(const std::string& table, size_t from, std::vector<std::string>& strings, size_t& end) {
  size_t at = from;
  if (at + 1 < table.size() && table[at] == '\0' && table[at + 1] == '\0') {
    end = at + 2;
    return true;
  }
  while (at < table.size()) {
    size_t nul = table.find('\0', at);
    if (nul == std::string::npos) return false;
    strings.push_back(table.substr(at, nul - at));
    if (nul + 1 >= table.size()) return false;
    if (table[nul + 1] == '\0') {
      end = nul + 2;
      return true;
    }
    at = nul + 1;
  }
  return false;
}

}  // namespace

bool DecodeSmbiosTable(const std::string& table, int major, int minor, FirmwareFacts& facts) {
  facts.major = major;
  facts.minor = minor;
  bool any = false;
  size_t at = 0;
  while (at + 4 <= table.size()) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(table.data()) + at;
    unsigned type = bytes[0];
    size_t length = bytes[1];
    if (length < 4 || at + length > table.size()) break;  // a bad length: nothing after it is trusted
    Structure s{bytes, length, {}};
    size_t next = 0;
    if (!ReadStrings(table, at + length, s.strings, next)) break;  // cut off inside its strings
    any = true;
    switch (type) {
      case 0: TakeBios(s, facts); break;
      case 1: TakeSystem(s, facts); break;
      case 2: TakeBoard(s, facts); break;
      case 4: TakeProcessor(s, facts); break;
      case 16: TakeMemoryArray(s, facts); break;
      case 17: TakeMemoryDevice(s, facts); break;
      default: break;
    }
    if (type == 127) break;
    at = next;
  }
  facts.present = facts.present || any;
  return any;
}

bool DecodeRawSmbiosData(const std::string& blob, FirmwareFacts& facts) {
  if (blob.size() < 8) return false;
  const auto* b = reinterpret_cast<const unsigned char*>(blob.data());
  std::uint32_t length = b[4] | (b[5] << 8) | (b[6] << 16) | (std::uint32_t(b[7]) << 24);
  std::string table = blob.substr(8);
  if (length < table.size()) table.resize(length);
  return DecodeSmbiosTable(table, b[1], b[2], facts);
}

bool ReadSmbiosEntryVersion(const std::string& entry, int& major, int& minor) {
  const auto* b = reinterpret_cast<const unsigned char*>(entry.data());
  if (entry.size() >= 9 && entry.compare(0, 5, "_SM3_") == 0) {
    major = b[7];
    minor = b[8];
    return true;
  }
  if (entry.size() >= 8 && entry.compare(0, 4, "_SM_") == 0) {
    major = b[6];
    minor = b[7];
    return true;
  }
  return false;
}
