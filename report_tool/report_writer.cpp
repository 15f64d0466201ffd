// The report's rows and head, and its processor, chipset, memory module and sensor blocks.
#include "report_tool/report_writer.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <set>

#include "report_tool/device_names.h"
#include "report_tool/processor_names.h"
#include "report_tool/report_blocks.h"
#include "report_tool/report_header.h"
#include "scan/text_helpers.h"

namespace {

constexpr const char* kRowStart = "<tr valign=\"top\" bgcolor=\"#FFFFFF\"><td width=\"300\"><small>";
constexpr const char* kRowMiddle = "</small></td><td valign=\"center\"><small><font color=\"#0000A0\">";
constexpr const char* kRowEnd = "</font></small></td></tr>\n";
constexpr const char* kIndent = "&nbsp;&nbsp;&nbsp;&nbsp;\t";
constexpr const char* kIndentTwice = "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\t\t";
// The degree sign of the sensor values is the single byte the program cuts temperatures at
// (followed by "C"), as the report has always written it.
constexpr const char* kDegree = "\xB0";

std::string Head() {
  std::string head = kReportTitleLine;
  head += "\n<font face=\"Verdana\" color=\"#000000\">\n"
          "<table border=0 width=\"100%\" cellspacing=\"0\" cellpadding=\"5\">\n<tr align=\"left\">\n<td>\n";
  head += kReportLogoLine;
  head += "\n</td>\n</tr>\n"
          "<tr><td><table border=\"0\" width=\"100%\" cellspacing=\"2\" cellpadding=\"2\" bgcolor=\"#FFFFFF\">\n";
  head += TitleRow(kReportToolName) + BlankRow() + TitleRow("Binaries");
  head += Row(std::string(kReportToolName) + " version", kReportToolVersion) + BlankRow();
  return head;
}

std::string MhzText(int mhz) { return mhz > 0 ? Format("%d MHz", mhz) : ""; }
std::string CountText(int count) { return count > 0 ? Format("%d", count) : ""; }

// The memory channels the slot names tell apart ("CHANNEL A", "ChannelB-DIMM0"); 0 when none says.
int ChannelCount(const std::vector<MemoryDevice>& memory) {
  std::set<char> channels;
  for (const MemoryDevice& d : memory) {
    for (const std::string& place : {d.bankLocator, d.locator}) {
      const std::string upper = UpperCased(place);
      size_t at = upper.find("CHANNEL");
      if (at == std::string::npos) continue;
      at += 7;
      while (at < upper.size() && (upper[at] == ' ' || upper[at] == '-' || upper[at] == '_')) ++at;
      if (at < upper.size() && std::isalnum(static_cast<unsigned char>(upper[at]))) {
        channels.insert(upper[at]);
        break;
      }
    }
  }
  return static_cast<int>(channels.size());
}

std::string ChannelsText(int count) {
  constexpr const char* kNames[] = {"", "Single", "Dual", "Triple", "Quad"};
  return count >= 1 && count <= 4 ? kNames[count] : "";
}

std::string SensorValue(const SensorReading& r) {
  std::string value;
  if (r.kind == SensorReading::kTemperature) {
    value = Format("%.0f%sC (%.0f%sF)", r.value, kDegree, r.value * 9 / 5 + 32, kDegree);
  } else if (r.kind == SensorReading::kFan) {
    value = Format("%.0f RPM", r.value);
  } else {
    value = Format("%.2f Volts", r.value);
  }
  if (!r.label.empty()) value += " (" + EscapeHtml(r.label) + ")";
  return value;
}

}  // namespace

std::string TitleRow(const std::string& title) {
  return "<tr valign=\"top\" bgcolor=\"#E0E0FF\"><td width=\"300\"><small><b>" + title +
         "</b></small></td><td valign=\"center\"><small><small><font color=\"#0000A0\">&nbsp;</font></small></small></td></tr>\n";
}
std::string Row(const std::string& key, const std::string& value) { return kRowStart + key + kRowMiddle + value + kRowEnd; }
std::string SubRow(const std::string& key, const std::string& value) { return Row(kIndent + key, value); }
std::string SubSubRow(const std::string& key, const std::string& value) { return Row(kIndentTwice + key, value); }
std::string BlankRow() { return Row("&nbsp;", "&nbsp;"); }

std::string ProcessorBlocks(const ReportFacts& facts) {
  const CpuFacts& cpu = facts.cpu;
  const FirmwareFacts& fw = facts.firmware;
  std::string out = TitleRow("Processors");
  int sockets = cpu.sockets > 0 ? cpu.sockets : (fw.hasProcessor ? 1 : 0);
  if (sockets > 0) out += Row("Number of sockets", CountText(sockets));
  if (cpu.threads > 0) out += Row("Number of threads", CountText(cpu.threads * (sockets > 0 ? sockets : 1)));
  out += BlankRow() + TitleRow("APICs") + BlankRow() + TitleRow("Timers") + BlankRow();
  out += TitleRow("Processors Information") + Row("Socket 1", "ID = 0");
  // The rows the program reads are always written, empty when unknown, so that the next one is found.
  ProcessorGeneration generation = FindProcessorGeneration(cpu);
  int cores = cpu.cores > 0 ? cpu.cores : fw.processorCores;
  int threads = cpu.threads > 0 ? cpu.threads : fw.processorThreads;
  out += SubRow("Number of cores", CountText(cores));
  out += SubRow("Number of threads", CountText(threads));
  if (!cpu.vendor.empty()) out += SubRow("Manufacturer", EscapeHtml(cpu.vendor));
  out += SubRow("Name", EscapeHtml(ShortProcessorName(cpu.brand, cpu.vendor)));
  if (*generation.codename) out += SubRow("Codename", generation.codename);
  out += SubRow("Specification", EscapeHtml(cpu.brand));
  out += SubRow("Package", SocketName(fw.processorUpgrade));
  if (cpu.family >= 0) {
    int baseFamily = cpu.family > 0x0F ? 0x0F : cpu.family;
    out += SubRow("CPUID", Format("%X.%X.%X", baseFamily, cpu.model & 0x0F, cpu.stepping));
    out += SubRow("Extended CPUID", Format("%X.%X", cpu.family, cpu.model));
  }
  out += SubRow("Technology", generation.technology);
  int stock = cpu.stockMhz > 0 ? cpu.stockMhz : BrandStockMhz(cpu.brand);
  if (stock == 0) stock = static_cast<int>(fw.processorMhz);
  out += SubRow("Stock frequency", MhzText(stock));
  if (!cpu.instructions.empty()) out += SubRow("Instructions sets", cpu.instructions);
  out += BlankRow() + TitleRow("Thread dumps") + BlankRow();
  return out;
}

std::string ChipsetBlock(const ReportFacts& facts) {
  const FirmwareFacts& fw = facts.firmware;
  std::string out = TitleRow("Chipset");
  out += Row("Northbridge", EscapeHtml(NorthbridgeText(facts)));
  out += Row("Southbridge", EscapeHtml(SouthbridgeText(facts)));
  std::string type = fw.memory.empty() ? "" : MemoryTypeName(fw.memory.front().memoryType);
  std::uint64_t size = 0;
  for (const MemoryDevice& d : fw.memory) size += d.sizeMb;
  if (size == 0) size = facts.memoryTotalMb;
  unsigned configured = fw.memory.empty() ? 0 : fw.memory.front().configuredMts;
  out += Row("Memory Type", type);
  out += Row("Memory Size", size > 0 ? Format("%u MBytes", static_cast<unsigned>(size)) : "");
  out += Row("Channels", ChannelsText(ChannelCount(fw.memory)));
  out += Row("Memory Frequency", configured > 0 ? Format("%.1f MHz", ExactSpeed(configured) / 2) : "");
  return out + BlankRow();
}

std::string MemorySpdBlock(const ReportFacts& facts) {
  std::string out = TitleRow("Memory SPD");
  int slot = 0;
  for (const MemoryDevice& d : facts.firmware.memory) {
    out += Row("DIMM #", CountText(++slot));
    std::string type = MemoryTypeName(d.memoryType);
    if (!type.empty()) out += SubRow("Memory type", type);
    std::string format = FormFactorName(d.formFactor);
    if (!format.empty()) out += SubRow("Module format", format);
    std::string maker = EscapeHtml(d.manufacturer);
    if (d.manufacturerId != 0 && !maker.empty()) maker += Format(" (%04X)", d.manufacturerId);
    out += SubRow("Module Manufacturer(ID)", maker);
    out += SubRow("Size", Format("%u MBytes", d.sizeMb));
    out += SubRow("Max bandwidth", BandwidthName(d.memoryType, d.speedMts));
    if (!d.partNumber.empty()) out += SubRow("Part number", EscapeHtml(d.partNumber));
    // The firmware tables carry no manufacturing date; the row is kept so that the module is taken.
    out += SubRow("Manufacturing date", "");
    out += BlankRow();
  }
  return out + BlankRow();
}

std::string MonitorBlocks(const ReportFacts& facts) {
  std::string out = TitleRow("Monitoring") + BlankRow() + TitleRow("LPCIO") + BlankRow();
  out += TitleRow("Hardware Monitors");
  for (const HardwareMonitor& monitor : facts.monitors) {
    out += Row("Hardware monitor", EscapeHtml(monitor.name));
    int counts[3] = {0, 0, 0};
    constexpr const char* kKinds[] = {"Voltage", "Temperature", "Fan"};
    for (const SensorReading& r : monitor.readings) {
      out += SubRow(Format("%s %d", kKinds[r.kind], counts[r.kind]++), SensorValue(r));
    }
    out += BlankRow();
  }
  return out + BlankRow();
}

std::string WriteReport(const ReportFacts& facts) {
  std::string out = Head();
  out += ProcessorBlocks(facts) + ChipsetBlock(facts) + MemorySpdBlock(facts) + MonitorBlocks(facts);
  out += PciDevicesBlock(facts) + DmiBlock(facts) + GraphicsBlocks(facts);
  out += TitleRow("Software") + Row("Windows Version", EscapeHtml(facts.osVersion)) + BlankRow();
  out += TitleRow("ACPI") + BlankRow();
  out += "</table></td></tr>\n</font></body></html>\n";
  return out;
}
