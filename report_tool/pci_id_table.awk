# Writes the rows of the PCI id table the report tool names bridges and display adapters with:
# the device lines of pci.ids for the chipset and graphics vendors, only names that can belong to a
# host bridge, an ISA/LPC bridge or a display controller, only plain ASCII names.
# Output rows: {0xVVVV, 0xDDDD, "name"},
BEGIN { keep = 0 }
/^C / { exit }
/^[0-9a-f][0-9a-f][0-9a-f][0-9a-f] / {
  v = substr($0, 1, 4)
  keep = (v == "8086" || v == "1022" || v == "1002" || v == "10de" || v == "1106" || v == "1039" || v == "10b9" || v == "1166")
  next
}
keep && /^\t[0-9a-f][0-9a-f][0-9a-f][0-9a-f]  / {
  d = substr($0, 2, 4)
  n = substr($0, 8)
  if (n ~ /[^ -~]/) next
  if (n ~ /Audio|USB|SMBus|Ethernet|SATA|IDE|Network|Thermal|Serial|Wireless|Bluetooth|NVMe/) next
  graphics = ((v == "10de" || v == "1002") && n ~ /\[/) || n ~ /Graphics|Display|VGA|GMA|Radeon|GeForce/
  bridge = n ~ /Host|DRAM|LPC|ISA|eSPI|Chipset|Root Complex|Northbridge|Southbridge|PCH|SoC|Platform Controller|Power Control Unit/
  if (!graphics && !bridge) next
  gsub(/\\/, "\\\\", n)
  gsub(/"/, "\\\"", n)
  gsub(/\?\?/, "?\\?", n)
  printf "{0x%su, 0x%su, \"%s\"},\n", v, d, n
}
