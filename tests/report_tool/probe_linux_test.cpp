// The Linux probe on a /proc, /sys and /etc tree written by the test.
#include "report_tool/probes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/test_support.h"

namespace {

// Writes root/path, making its directories.
void Put(const std::string& root, const std::string& path, const std::string& bytes) {
  std::string dir = root;
  for (size_t at = path.find('/', 1); at != std::string::npos; at = path.find('/', at + 1)) {
    dir = root + path.substr(0, at);
    mkdir(dir.c_str(), 0755);
  }
  WriteFileBytes(root + path, bytes);
}

void WriteMachine(const std::string& root) {
  std::string cpuinfo;
  for (int n = 0; n < 4; ++n) {
    cpuinfo += "processor\t: " + std::to_string(n) +
               "\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel\t\t: 58\nmodel name\t: Intel(R) Core(TM) "
               "i5-3570 CPU @ 3.40GHz\nstepping\t: 9\nphysical id\t: 0\nsiblings\t: 4\ncpu cores\t: 4\n\n";
  }
  Put(root, "/proc/cpuinfo", cpuinfo);
  Put(root, "/proc/meminfo", "MemTotal:        8041288 kB\nMemFree:         1000 kB\n");
  Put(root, "/etc/os-release", u8"NAME=\"Deepin\"\nPRETTY_NAME=\"深度操作系统 20 (apricot)\"\n");
  const std::string id = "/sys/class/dmi/id/";
  Put(root, id + "bios_vendor", "Intel Corp.\n");
  Put(root, id + "bios_date", "11/20/2012\n");
  Put(root, id + "sys_vendor", "To be filled by O.E.M.\n");
  Put(root, id + "board_vendor", "Intel Corporation\n");
  Put(root, id + "board_name", "DQ77MK\n");
  const std::string pci = "/sys/bus/pci/devices/";
  // clang-format off
  struct { const char* slot; const char* vendor; const char* device; const char* cls; const char* rev; } kDevices[] = {
      {"0000:00:00.0", "0x8086", "0x0150", "0x060000", "0x09"},
      {"0000:00:1f.0", "0x8086", "0x1e47", "0x060100", "0x04"},
      {"0000:01:00.0", "0x10de", "0x11c6", "0x030000", "0xa1"},
  };
  // clang-format on
  for (const auto& d : kDevices) {
    const std::string dir = pci + d.slot + "/";
    Put(root, dir + "vendor", std::string(d.vendor) + "\n");
    Put(root, dir + "device", std::string(d.device) + "\n");
    Put(root, dir + "class", std::string(d.cls) + "\n");
    Put(root, dir + "revision", std::string(d.rev) + "\n");
    Put(root, dir + "subsystem_vendor", "0x1458\n");
    Put(root, dir + "subsystem_device", "0x3557\n");
  }
  Put(root, pci + "0000:01:00.0/mem_info_vram_total", "2147483648\n");
  Put(root, pci + "not-a-slot/vendor", "0x8086\n");
  // A virtual display adapter of a maker the generated table leaves out, named from pci.ids.
  Put(root, pci + "0000:00:02.0/vendor", "0x1af4\n");
  Put(root, pci + "0000:00:02.0/device", "0x1050\n");
  Put(root, pci + "0000:00:02.0/class", "0x030000\n");
  Put(root, "/usr/share/misc/pci.ids",
      "# comment\n1af4  Red Hat, Inc.\n\t1050  Virtio 1.0 GPU\n\t\t1af4 1100  QEMU\n10de  NVIDIA\n"
      "\t11c6  GK106 [GeForce GTX 650 Ti]\nC 03  Display controller\n\t00  VGA compatible controller\n");
  const std::string hwmon = "/sys/class/hwmon/hwmon1/";
  Put(root, hwmon + "name", "nct6776\n");
  Put(root, hwmon + "in0_input", "1104\n");
  Put(root, hwmon + "temp1_input", "28000\n");
  Put(root, hwmon + "temp1_label", "SYSTIN\n");
  Put(root, hwmon + "temp2_input", "-5500\n");
  Put(root, hwmon + "fan2_input", "1054\n");
  Put(root, "/sys/class/hwmon/hwmon0/name", "acpitz\n");  // a chip without inputs is left out
}

TEST(ProbeLinux, FakeMachine) {
  TempDir root;
  WriteMachine(root.path());
  ReportFacts f;
  ProbeLinux(root.path(), f);
  EXPECT_EQ(f.cpu.vendor, "GenuineIntel");
  EXPECT_EQ(f.cpu.brand, "Intel(R) Core(TM) i5-3570 CPU @ 3.40GHz");
  EXPECT_EQ(f.cpu.family, 6);
  EXPECT_EQ(f.cpu.model, 58);
  EXPECT_EQ(f.cpu.stepping, 9);
  EXPECT_EQ(f.cpu.cores, 4);
  EXPECT_EQ(f.cpu.threads, 4);
  EXPECT_EQ(f.cpu.sockets, 1);
  EXPECT_EQ(f.memoryTotalMb, 7852u);
  EXPECT_EQ(f.osVersion, "深度操作系统 20 (apricot)");  // UTF-8 in the file, GBK in the report
  EXPECT_TRUE(f.firmware.present);
  EXPECT_EQ(f.firmware.biosDate, "11/20/2012");
  EXPECT_EQ(f.firmware.systemManufacturer, "To be filled by O.E.M.");
  EXPECT_EQ(f.firmware.systemProduct, "");
  EXPECT_EQ(f.firmware.boardModel, "DQ77MK");
  ASSERT_EQ(f.pci.size(), 4u);
  EXPECT_EQ(f.pci[1].adapterName, "Red Hat, Inc. Virtio 1.0 GPU");
  EXPECT_EQ(f.pci[1].revision, -1);  // no revision file
  EXPECT_EQ(f.pci[2].device, 0x1F);
  EXPECT_EQ(f.pci[2].classCode, 0x0601u);
  EXPECT_EQ(f.pci[2].revision, 4);
  EXPECT_EQ(f.pci[3].bus, 1);
  EXPECT_EQ(f.pci[3].deviceId, 0x11C6u);
  EXPECT_EQ(f.pci[3].subVendorId, 0x1458u);
  EXPECT_EQ(f.pci[3].memoryBytes, 2147483648ull);
  EXPECT_EQ(f.pci[3].adapterName, "");  // the generated table names it
  ASSERT_EQ(f.monitors.size(), 1u);
  ASSERT_EQ(f.monitors[0].readings.size(), 4u);
  EXPECT_EQ(f.monitors[0].readings[0].kind, SensorReading::kVoltage);
  EXPECT_DOUBLE_EQ(f.monitors[0].readings[0].value, 1.104);
  EXPECT_EQ(f.monitors[0].readings[1].label, "SYSTIN");
  EXPECT_DOUBLE_EQ(f.monitors[0].readings[2].value, -5.5);
  EXPECT_EQ(f.monitors[0].readings[3].kind, SensorReading::kFan);
  EXPECT_EQ(f.monitors[0].readings[3].label, "");
}

// Readable firmware tables win over the kernel's texts.
TEST(ProbeLinux, FirmwareTablesWhenReadable) {
  TempDir root;
  WriteMachine(root.path());
  std::string bios = std::string("\x00\x12\x00\x00\x01\x00\x00\x00\x02\x00", 10) + std::string(8, '\0') +
                     std::string("AMI\0" "05/05/2015\0\0", 16);
  std::string end = std::string("\x7F\x04\x00\x00\x00\x00", 6);
  Put(root.path(), "/sys/firmware/dmi/tables/DMI", bios + end);
  Put(root.path(), "/sys/firmware/dmi/tables/smbios_entry_point", std::string("_SM3_\x00\x18\x03\x01", 9) + std::string(15, '\0'));
  ReportFacts f;
  ProbeLinux(root.path(), f);
  EXPECT_EQ(f.firmware.major, 3);
  EXPECT_EQ(f.firmware.minor, 1);
  EXPECT_EQ(f.firmware.biosVendor, "AMI");
  EXPECT_EQ(f.firmware.biosDate, "05/05/2015");
  EXPECT_EQ(f.firmware.boardModel, "");  // the table has no board; the kernel's text is not mixed in

  // An unreadable table (here: no entry point) falls back to the texts.
  TempDir other;
  WriteMachine(other.path());
  Put(other.path(), "/sys/firmware/dmi/tables/DMI", bios + end);
  ReportFacts g;
  ProbeLinux(other.path(), g);
  EXPECT_EQ(g.firmware.biosDate, "11/20/2012");
  EXPECT_EQ(g.firmware.boardModel, "DQ77MK");
}

TEST(ProbeLinux, EmptyTreeGivesNothing) {
  TempDir root;
  ReportFacts f;
  ProbeLinux(root.path(), f);
  EXPECT_EQ(f.cpu.vendor, "");
  EXPECT_EQ(f.cpu.family, -1);
  EXPECT_FALSE(f.firmware.present);
  EXPECT_TRUE(f.pci.empty());
  EXPECT_TRUE(f.monitors.empty());
  EXPECT_EQ(f.memoryTotalMb, 0u);
  EXPECT_EQ(f.osVersion, "");
}

}  // namespace
