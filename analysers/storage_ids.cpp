// Today's disk identifiers read into vendor, product and revision, matched against a drive's own
// identity, and turned into maker, model, interface and kind.
#include "analysers/storage_ids.h"

#include "analysers/storage_ids_rules.h"
#include "scan/text_helpers.h"

namespace {

// The fixed widths of the inquiry fields Windows joins into a SCSI or USBSTOR hardware identifier.
constexpr size_t kVendorWidth = 8;
constexpr size_t kProductWidth = 16;
constexpr size_t kRevisionWidth = 4;

// "_" read as a blank, runs of blanks made one, blanks trimmed.
std::string Spaced(const std::string& field) {
  std::string out;
  for (char c : field) {
    const char b = c == '_' ? ' ' : c;
    if (b == ' ' && (out.empty() || out.back() == ' ')) continue;
    out += b;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// For comparisons: spaced and with ASCII letters in upper case.
std::string Folded(const std::string& text) { return UpperCased(Spaced(text)); }

// A vendor field that names a maker: Windows writes "NVMe" for every NVMe drive and Linux "ATA" for
// every SATA disk; neither says who made it.
std::string MakerVendor(const std::string& vendor) {
  const std::string folded = Folded(vendor);
  return folded == "NVME" || folded == "ATA" ? std::string() : vendor;
}

std::string Joined(const std::string& vendor, const std::string& product) {
  const std::string maker = Spaced(MakerVendor(vendor));
  const std::string name = Spaced(product);
  if (maker.empty()) return name;
  if (name.empty()) return maker;
  return maker + " " + name;
}

// The value of a "&Key_" field of a device id, up to the next "&" or "\".
std::string KeyField(const std::string& text, const std::string& key) {
  const size_t at = text.find(key);
  if (at == std::string::npos) return std::string();
  const size_t start = at + key.size();
  const size_t end = text.find_first_of("&\\", start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The serial number an instance name begins with ("C860008861D7EF41CA13157C&0"); "" for the names
// Windows makes up for devices without one, which hold "&" before their last part.
std::string InstanceSerial(const std::string& instanceName) {
  const size_t amp = instanceName.rfind('&');
  if (amp == std::string::npos || amp == 0) return std::string();
  const std::string serial = instanceName.substr(0, amp);
  return serial.find('&') == std::string::npos ? serial : std::string();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether name begins with the row's pattern as a whole word or as a model number. The piece
// compared is one character longer than the pattern; folding drops a blank that ends it, so a word
// followed by a blank leaves exactly the pattern.
bool MatchesRow(const StorageMakerRow& row, const std::string& name) {
  const std::string pattern = Folded(row.pattern);
  const std::string folded = Folded(name.substr(0, pattern.size() + 1));
  if (folded.compare(0, pattern.size(), pattern) != 0) return false;
  if (folded.size() == pattern.size()) return row.match == MakerMatch::kWord;
  const char next = folded[pattern.size()];
  return row.match == MakerMatch::kWord ? next == ' ' : IsDigit(next);
}

}  // namespace

std::optional<StorageId> ParseStorageId(const std::string& identifier) {
  StorageId id;
  std::string rest;
  if (StartsWith(identifier, "SCSI\\Disk")) {
    rest = identifier.substr(9);
  } else if (StartsWith(identifier, "USBSTOR\\Disk")) {
    id.usb = true;
    rest = identifier.substr(12);
  } else {
    return std::nullopt;
  }
  if (StartsWith(rest, "&Ven_")) {  // the device id form, as instance paths begin
    id.vendor = Spaced(KeyField(rest, "&Ven_"));
    id.product = Spaced(KeyField(rest, "&Prod_"));
    id.revision = Spaced(KeyField(rest, "&Rev_"));
  } else if (rest.size() == kVendorWidth + kProductWidth ||
             rest.size() == kVendorWidth + kProductWidth + kRevisionWidth) {
    id.vendor = Spaced(rest.substr(0, kVendorWidth));
    id.product = Spaced(rest.substr(kVendorWidth, kProductWidth));
    id.revision = Spaced(rest.substr(kVendorWidth + kProductWidth));
  } else {  // not the padded fields Windows writes: a shape the makers' tables alone handle
    return std::nullopt;
  }
  if (id.vendor.empty() && id.product.empty()) return std::nullopt;
  return id;
}

bool IdentityMatches(const StorageId& id, const std::string& instanceName, const DriveIdentity& identity) {
  const std::string product = Folded(id.product);
  if (product.empty()) return false;
  const std::string device = Folded(Joined(id.vendor, id.product));
  const std::string drive = Folded(Joined(identity.vendor, identity.product));
  const std::string driveProduct = Folded(identity.product);
  const std::string deviceMaker = Folded(MakerVendor(id.vendor));
  const std::string driveMaker = Folded(MakerVendor(identity.vendor));
  const bool named = StartsWith(drive, device) || StartsWith(driveProduct, device) ||
                     (StartsWith(driveProduct, product) &&
                      (deviceMaker.empty() || driveMaker.empty() || deviceMaker == driveMaker));
  if (!named) return false;
  const std::string serial = Folded(InstanceSerial(instanceName));
  return serial.empty() || identity.serial.empty() || Folded(identity.serial) == serial;
}

std::optional<DriveIdentity> OwnDriveIdentity(const StorageId& id, int32_t driveNumberPlusOne) {
  if (driveNumberPlusOne < 1) return std::nullopt;
  std::optional<DriveIdentity> identity = ReadDriveIdentity(static_cast<uint32_t>(driveNumberPlusOne - 1));
  if (identity && !IdentityMatches(id, std::string(), *identity)) return std::nullopt;
  return identity;
}

StorageMaker FindStorageMaker(const std::string& name) {
  for (const StorageMakerRow& row : kStorageMakers) {
    if (!MatchesRow(row, name)) continue;
    if (row.keepWord) return {row.brand, name};
    const size_t cut = std::char_traits<char>::length(row.pattern);
    return {row.brand, TrimBlanks(name.substr(cut))};
  }
  return {std::string(), name};
}

StorageDescription DescribeStorage(const StorageId& id, const DriveIdentity* identity) {
  StorageDescription description;
  // The drive's own name is whole; the identifier's product is cut to 16 characters.
  std::string name = Joined(id.vendor, id.product);
  if (identity != nullptr && !identity->product.empty()) {
    name = Joined(identity->vendor, identity->product);
    // A drive given by its product alone ("Ultra" of a SanDisk stick) keeps the identifier's maker.
    const std::string maker = Spaced(MakerVendor(id.vendor));
    if (Spaced(MakerVendor(identity->vendor)).empty() && !maker.empty() &&
        !StartsWith(Folded(identity->product), Folded(maker))) {
      name = maker + " " + Spaced(identity->product);
    }
  }
  const StorageMaker maker = FindStorageMaker(name);
  description.brand = maker.brand;
  description.model = maker.model;

  const DriveBus bus = identity != nullptr ? identity->bus : DriveBus::kUnknown;
  switch (bus) {
    case DriveBus::kAta:
    case DriveBus::kSata: description.interface = "SATA"; break;
    case DriveBus::kNvme: description.interface = "NVMe"; break;
    case DriveBus::kUsb: description.interface = "USB"; break;
    case DriveBus::kOther: break;  // SCSI, SAS, cards, virtual disks: no interface a buyer asks about
    case DriveBus::kUnknown:
    case DriveBus::kRaid:  // a RAID volume says nothing of its disks: the identifier does
      description.interface = id.usb ? "USB" : Folded(id.vendor) == "NVME" ? "NVMe" : "SATA";
      break;
  }

  if (identity != nullptr && identity->solidState) {
    description.solidState = *identity->solidState;
  } else {
    // NVMe drives are solid state; otherwise only a name that says so.
    description.solidState = description.interface == "NVMe" || Contains(Folded(name), "SSD");
  }
  return description;
}
