// Processor names: the short name by rule, code name and process by family and model, the socket
// by the firmware's upgrade code.
#include "report_tool/processor_names.h"

#include <cstdlib>

#include "scan/text_helpers.h"

namespace {

// Marks and filler words the short name drops, in this order; "@" ends the name.
constexpr const char* kDroppedMarks[] = {"(R)", "(r)", "(TM)", "(tm)", "(C)"};
constexpr const char* kNameEnds[] = {" @", " with ", " Radeon", ","};
constexpr const char* kDroppedWords[] = {"CPU", "Processor", "processor", "APU"};

// Words of text, split at blanks.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

// Code names and processes: vendor, family, first and last model, code name, process.
// clang-format off
struct GenerationRule { const char* vendor; int family; int modelFrom; int modelTo; ProcessorGeneration generation; };
constexpr GenerationRule kGenerations[] = {
    {"GenuineIntel", 6, 0x0F, 0x0F, {"Conroe", "65 nm"}},
    {"GenuineIntel", 6, 0x16, 0x16, {"Conroe-L", "65 nm"}},
    {"GenuineIntel", 6, 0x17, 0x17, {"Wolfdale", "45 nm"}},
    {"GenuineIntel", 6, 0x1A, 0x1A, {"Bloomfield", "45 nm"}},
    {"GenuineIntel", 6, 0x1C, 0x1C, {"Pineview", "45 nm"}},
    {"GenuineIntel", 6, 0x1E, 0x1F, {"Lynnfield", "45 nm"}},
    {"GenuineIntel", 6, 0x25, 0x25, {"Clarkdale", "32 nm"}},
    {"GenuineIntel", 6, 0x2A, 0x2A, {"Sandy Bridge", "32 nm"}},
    {"GenuineIntel", 6, 0x2C, 0x2C, {"Gulftown", "32 nm"}},
    {"GenuineIntel", 6, 0x2D, 0x2D, {"Sandy Bridge-E", "32 nm"}},
    {"GenuineIntel", 6, 0x36, 0x36, {"Cedarview", "32 nm"}},
    {"GenuineIntel", 6, 0x37, 0x37, {"Bay Trail", "22 nm"}},
    {"GenuineIntel", 6, 0x3A, 0x3A, {"Ivy Bridge", "22 nm"}},
    {"GenuineIntel", 6, 0x3C, 0x3C, {"Haswell", "22 nm"}},
    {"GenuineIntel", 6, 0x3D, 0x3D, {"Broadwell", "14 nm"}},
    {"GenuineIntel", 6, 0x3E, 0x3E, {"Ivy Bridge-E", "22 nm"}},
    {"GenuineIntel", 6, 0x3F, 0x3F, {"Haswell-E", "22 nm"}},
    {"GenuineIntel", 6, 0x45, 0x46, {"Haswell", "22 nm"}},
    {"GenuineIntel", 6, 0x47, 0x47, {"Broadwell", "14 nm"}},
    {"GenuineIntel", 6, 0x4C, 0x4C, {"Cherry Trail", "14 nm"}},
    {"GenuineIntel", 6, 0x4E, 0x4E, {"Skylake", "14 nm"}},
    {"GenuineIntel", 6, 0x4F, 0x4F, {"Broadwell-E", "14 nm"}},
    {"GenuineIntel", 6, 0x55, 0x55, {"Skylake-X", "14 nm"}},
    {"GenuineIntel", 6, 0x5C, 0x5C, {"Apollo Lake", "14 nm"}},
    {"GenuineIntel", 6, 0x5E, 0x5E, {"Skylake", "14 nm"}},
    {"GenuineIntel", 6, 0x7A, 0x7A, {"Gemini Lake", "14 nm"}},
    {"GenuineIntel", 6, 0x7E, 0x7E, {"Ice Lake", "10 nm"}},
    {"GenuineIntel", 6, 0x8C, 0x8D, {"Tiger Lake", "10 nm"}},
    {"GenuineIntel", 6, 0x8E, 0x8E, {"Kaby Lake", "14 nm"}},
    {"GenuineIntel", 6, 0x97, 0x9A, {"Alder Lake", "10 nm"}},
    {"GenuineIntel", 6, 0x9E, 0x9E, {"Coffee Lake", "14 nm"}},  // stepping 9 is Kaby Lake: see below
    {"GenuineIntel", 6, 0xA5, 0xA6, {"Comet Lake", "14 nm"}},
    {"GenuineIntel", 6, 0xA7, 0xA7, {"Rocket Lake", "14 nm"}},
    {"GenuineIntel", 6, 0xAA, 0xAC, {"Meteor Lake", "7 nm"}},
    {"GenuineIntel", 6, 0xB7, 0xB7, {"Raptor Lake", "10 nm"}},
    {"GenuineIntel", 6, 0xBA, 0xBA, {"Raptor Lake", "10 nm"}},
    {"GenuineIntel", 6, 0xBE, 0xBE, {"Alder Lake-N", "10 nm"}},
    {"GenuineIntel", 6, 0xBF, 0xBF, {"Raptor Lake", "10 nm"}},
    {"AuthenticAMD", 0x0F, 0x00, 0x3F, {"K8", "90 nm"}},
    {"AuthenticAMD", 0x0F, 0x40, 0xFF, {"K8", "65 nm"}},
    {"AuthenticAMD", 0x10, 0x00, 0x03, {"Agena", "65 nm"}},
    {"AuthenticAMD", 0x10, 0x04, 0x0F, {"Deneb", "45 nm"}},
    {"AuthenticAMD", 0x11, 0x00, 0xFF, {"Griffin", "65 nm"}},
    {"AuthenticAMD", 0x12, 0x00, 0xFF, {"Llano", "32 nm"}},
    {"AuthenticAMD", 0x14, 0x00, 0xFF, {"Ontario", "40 nm"}},
    {"AuthenticAMD", 0x15, 0x00, 0x01, {"Zambezi", "32 nm"}},
    {"AuthenticAMD", 0x15, 0x02, 0x0F, {"Vishera", "32 nm"}},
    {"AuthenticAMD", 0x15, 0x10, 0x1F, {"Trinity", "32 nm"}},
    {"AuthenticAMD", 0x15, 0x30, 0x3F, {"Kaveri", "28 nm"}},
    {"AuthenticAMD", 0x15, 0x60, 0x7F, {"Carrizo", "28 nm"}},
    {"AuthenticAMD", 0x16, 0x00, 0xFF, {"Kabini", "28 nm"}},
    {"AuthenticAMD", 0x17, 0x00, 0x07, {"Summit Ridge", "14 nm"}},
    {"AuthenticAMD", 0x17, 0x08, 0x0F, {"Pinnacle Ridge", "12 nm"}},
    {"AuthenticAMD", 0x17, 0x10, 0x17, {"Raven Ridge", "14 nm"}},
    {"AuthenticAMD", 0x17, 0x18, 0x1F, {"Picasso", "12 nm"}},
    {"AuthenticAMD", 0x17, 0x30, 0x3F, {"Rome", "7 nm"}},
    {"AuthenticAMD", 0x17, 0x60, 0x6F, {"Renoir", "7 nm"}},
    {"AuthenticAMD", 0x17, 0x70, 0x7F, {"Matisse", "7 nm"}},
    {"AuthenticAMD", 0x19, 0x20, 0x2F, {"Vermeer", "7 nm"}},
    {"AuthenticAMD", 0x19, 0x40, 0x4F, {"Rembrandt", "6 nm"}},
    {"AuthenticAMD", 0x19, 0x50, 0x5F, {"Cezanne", "7 nm"}},
    {"AuthenticAMD", 0x19, 0x60, 0x6F, {"Raphael", "5 nm"}},
    {"AuthenticAMD", 0x19, 0x70, 0x7F, {"Phoenix", "4 nm"}},
    {"AuthenticAMD", 0x1A, 0x40, 0x4F, {"Granite Ridge", "4 nm"}},
};
// clang-format on

// Sockets by the firmware's processor upgrade code, written as the report writes packages.
// clang-format off
struct SocketRule { int upgrade; const char* name; };
constexpr SocketRule kSockets[] = {
    {0x0E, "Socket A (462)"},   {0x0F, "Socket 478 mPGA"},  {0x10, "Socket 754"},
    {0x11, "Socket 940"},       {0x12, "Socket 939"},       {0x13, "Socket 604 mPGA"},
    {0x14, "Socket 771 LGA"},   {0x15, "Socket 775 LGA"},   {0x16, "Socket S1 (638)"},
    {0x17, "Socket AM2 (940)"}, {0x18, "Socket F (1207)"},  {0x19, "Socket 1366 LGA"},
    {0x1A, "Socket G34 (1944)"}, {0x1B, "Socket AM3 (938)"}, {0x1C, "Socket C32 (1207)"},
    {0x1D, "Socket 1156 LGA"},  {0x1E, "Socket 1567 LGA"},  {0x1F, "Socket 988A rPGA"},
    {0x20, "Socket 1288 BGA"},  {0x21, "Socket 988B rPGA"}, {0x22, "Socket 1023 BGA"},
    {0x23, "Socket 1224 BGA"},  {0x24, "Socket 1155 LGA"},  {0x25, "Socket 1356 LGA"},
    {0x26, "Socket 2011 LGA"},  {0x27, "Socket FS1 (722)"}, {0x28, "Socket FS2"},
    {0x29, "Socket FM1 (905)"}, {0x2A, "Socket FM2 (904)"}, {0x2B, "Socket 2011-3 LGA"},
    {0x2C, "Socket 1356-3 LGA"}, {0x2D, "Socket 1150 LGA"}, {0x2E, "Socket 1168 BGA"},
    {0x2F, "Socket 1234 BGA"},  {0x30, "Socket 1364 BGA"},  {0x31, "Socket AM4 (1331)"},
    {0x32, "Socket 1151 LGA"},  {0x33, "Socket 1356 BGA"},  {0x34, "Socket 1440 BGA"},
    {0x35, "Socket 1515 BGA"},  {0x36, "Socket 3647 LGA"},  {0x37, "Socket SP3 (4094)"},
    {0x38, "Socket SP3r2 (4094)"}, {0x39, "Socket 2066 LGA"}, {0x3A, "Socket 1392 BGA"},
    {0x3B, "Socket 1510 BGA"},  {0x3C, "Socket 1528 BGA"},  {0x3D, "Socket 4189 LGA"},
    {0x3E, "Socket 1200 LGA"},  {0x3F, "Socket 4677 LGA"},  {0x40, "Socket 1700 LGA"},
    {0x49, "Socket AM5 (1718)"},
};
// clang-format on

}  // namespace

std::string ShortProcessorName(const std::string& brand, const std::string& vendor) {
  std::string text = brand;
  // The clock, and an APU's graphics part ("with Radeon Graphics", "Radeon R7, 12 Compute Cores"),
  // end the name.
  for (const char* end : kNameEnds) {
    size_t at = text.find(end);
    if (at != std::string::npos) text.erase(at);
  }
  for (const char* mark : kDroppedMarks) ReplaceAll(text, mark, "");
  std::vector<std::string> words = Words(text);
  std::string name;
  for (size_t i = 0; i < words.size(); ++i) {
    std::string word = words[i];
    bool dropped = false;
    for (const char* filler : kDroppedWords) dropped = dropped || word == filler;
    // "12th Gen Intel", "6-Core Processor": generation and core-count words are not part of the name
    dropped = dropped || word == "Gen" || EndsWith(word, "-Core") ||
              (i + 1 < words.size() && words[i + 1] == "Gen");
    if (dropped) continue;
    if (word == "Core2") word = "Core 2";  // "Core(TM)2 Duo"
    // "i5-2400" -> "i5 2400"
    if (word.size() > 3 && word[0] == 'i' && word[1] >= '3' && word[1] <= '9' && word[2] == '-') word[2] = ' ';
    if (!name.empty()) name += ' ';
    name += word;
  }
  // Some Intel brand strings do not name the maker ("Pentium(R) Dual-Core CPU E5400").
  if (vendor == "GenuineIntel" && !name.empty() && name.compare(0, 6, "Intel ") != 0) name = "Intel " + name;
  return name;
}

ProcessorGeneration FindProcessorGeneration(const CpuFacts& cpu) {
  if (cpu.vendor == "GenuineIntel" && cpu.family == 6 && cpu.model == 0x9E && cpu.stepping == 9) {
    return {"Kaby Lake", "14 nm"};
  }
  for (const GenerationRule& rule : kGenerations) {
    if (cpu.vendor == rule.vendor && cpu.family == rule.family && cpu.model >= rule.modelFrom &&
        cpu.model <= rule.modelTo) {
      return rule.generation;
    }
  }
  return {"", ""};
}

std::string SocketName(int processorUpgrade) {
  for (const SocketRule& rule : kSockets) {
    if (rule.upgrade == processorUpgrade) return rule.name;
  }
  return "";
}

int BrandStockMhz(const std::string& brand) {
  size_t at = brand.find('@');
  if (at == std::string::npos) return 0;
  const char* start = brand.c_str() + at + 1;
  char* end = nullptr;
  double value = std::strtod(start, &end);
  if (end == start || value <= 0) return 0;
  std::string unit(end);
  while (!unit.empty() && unit[0] == ' ') unit.erase(0, 1);
  if (unit.compare(0, 3, "GHz") == 0) return static_cast<int>(value * 1000 + 0.5);
  if (unit.compare(0, 3, "MHz") == 0) return static_cast<int>(value + 0.5);
  return 0;
}
