// Reading pci.ids: a vendor line ("10ec  Realtek ...") and, indented by one tab, its device lines.
#include "platform/pci_ids.h"

#include <fstream>

#include "platform/posix/linux_machine_parts.h"
#include "scan/text_helpers.h"

PciIdsNames LookupPciIds(const std::string& root, uint32_t vendor, uint32_t device) {
  using linux_machine::ParseHex;
  PciIdsNames names;
  std::ifstream in(root + "/usr/share/misc/pci.ids");
  if (!in) in.open(root + "/usr/share/hwdata/pci.ids");
  bool inVendor = false;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] != '\t') {
      if (inVendor) break;
      inVendor = line.size() > 6 && ParseHex(line.substr(0, 4)) == vendor;
      if (inVendor) names.vendor = TrimBlanks(line.substr(6));
    } else if (inVendor && line.size() > 7 && line[1] != '\t' && ParseHex(line.substr(1, 4)) == device) {
      names.device = TrimBlanks(line.substr(7));
      break;
    }
  }
  return names;
}
