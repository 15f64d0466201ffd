// Fixed probe results of one machine (an Intel Core i5-2400 on an H61 board with two DDR3 modules,
// a Nuvoton sensor chip and a GeForce card), shared by the report tool's tests.
#pragma once

#include "report_tool/report_facts.h"

inline ReportFacts SampleFacts() {
  ReportFacts f;
  f.cpu.vendor = "GenuineIntel";
  f.cpu.brand = "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz";
  f.cpu.family = 6;
  f.cpu.model = 0x2A;
  f.cpu.stepping = 7;
  f.cpu.cores = 4;
  f.cpu.threads = 4;
  f.cpu.sockets = 1;
  f.cpu.instructions = "MMX, SSE, SSE2, SSE3, SSSE3, SSE4.1, SSE4.2, x86-64, VT-x, AES, AVX";
  FirmwareFacts& fw = f.firmware;
  fw.present = true;
  fw.major = 2;
  fw.minor = 7;
  fw.biosVendor = "American Megatrends Inc.";
  fw.biosVersion = "P1.10";
  fw.biosDate = "03/14/2012";
  fw.biosRomKb = 8192;
  fw.systemManufacturer = "To Be Filled By O.E.M.";
  fw.systemProduct = "To Be Filled By O.E.M.";
  fw.systemVersion = "To Be Filled By O.E.M.";
  fw.boardVendor = "ASRock";
  fw.boardModel = "H61M-VS";
  fw.hasProcessor = true;
  fw.socketDesignation = "CPUSocket";
  fw.processorManufacturer = "Intel";
  fw.processorVersion = "Intel(R) Core(TM) i5-2400 CPU @ 3.10GHz";
  fw.processorUpgrade = 0x24;
  fw.processorMhz = 3100;
  fw.processorMaxMhz = 3800;
  fw.externalClockMhz = 100;
  fw.arrayMaxMb = 16384;
  fw.arrayDevices = 2;
  MemoryDevice a;
  a.locator = "DIMM0";
  a.bankLocator = "CHANNEL A";
  a.manufacturer = "Kingston";
  a.partNumber = "99U5471-012.A00LF";
  a.formFactor = 0x09;
  a.memoryType = 0x18;
  a.sizeMb = 4096;
  a.speedMts = 1333;
  a.configuredMts = 1333;
  a.manufacturerId = 0x9801;
  MemoryDevice b = a;
  b.locator = "DIMM1";
  b.bankLocator = "CHANNEL B";
  b.manufacturer = "Samsung";
  b.partNumber = "M378B5273DH0-CH9";
  b.sizeMb = 2048;
  b.manufacturerId = 0;
  fw.memory = {a, b};
  PciDevice host;
  host.vendorId = 0x8086;
  host.deviceId = 0x0100;
  host.classCode = 0x0600;
  host.revision = 0x09;
  PciDevice lpc;
  lpc.device = 31;
  lpc.vendorId = 0x8086;
  lpc.deviceId = 0x1C5C;
  lpc.classCode = 0x0601;
  lpc.revision = 0xB3;
  PciDevice card;
  card.bus = 1;
  card.vendorId = 0x10DE;
  card.deviceId = 0x11C6;
  card.subVendorId = 0x1458;
  card.subDeviceId = 0x3557;
  card.classCode = 0x0300;
  card.revision = 0xA1;
  card.memoryBytes = 1024ull * 1024 * 1024;
  f.pci = {host, lpc, card};
  HardwareMonitor chip;
  chip.name = "nct6776";
  chip.readings = {{SensorReading::kVoltage, 1.104, "CPU VCORE"},
                   {SensorReading::kTemperature, 28, "SYSTIN"},
                   {SensorReading::kTemperature, 40, "CPUTIN"},
                   {SensorReading::kTemperature, 33, "AUXTIN0"},
                   {SensorReading::kFan, 1054, "CPUFANIN"},
                   {SensorReading::kFan, 0, ""}};
  f.monitors = {chip};
  f.osVersion = "Microsoft Windows 7 旗舰版 (6.1) 64-bit (Build 7601)";
  return f;
}
