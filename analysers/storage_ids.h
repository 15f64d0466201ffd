// Disks as Windows 7 and later name them: the SCSI and USBSTOR identifiers of SATA, NVMe and USB
// disks, matched against what a physical drive says about itself, and the maker, model, interface
// and kind read from them. The hard disk and USB storage analysers use these after their own
// tables, for the disks those do not recognise.
#pragma once

#include <optional>
#include <string>

#include "platform/drives.h"

// Vendor, product and revision of a disk identifier, with "_" read as a blank and the padding
// trimmed: "SCSI\DiskWDC_____WD10EZEX-00BN5A001.0" (vendor 8, product 16 and revision 4 characters)
// gives WDC, WD10EZEX-00BN5A0 and 01.0; "USBSTOR\Disk&Ven_Kingston&Prod_DataTraveler_2.0&Rev_PMAP"
// gives Kingston, DataTraveler 2.0 and PMAP.
struct StorageId {
  bool usb = false;  // USBSTOR rather than SCSI
  std::string vendor;
  std::string product;
  std::string revision;
};

// The identifier read as one of those shapes: "SCSI\Disk" or "USBSTOR\Disk" followed by "&Ven_",
// or by exactly the 24 or 28 characters of the padded fields. Nothing for any other text (IDE
// identifiers among them).
std::optional<StorageId> ParseStorageId(const std::string& identifier);

// Whether the drive's own identity is the device's: its vendor and product begin with the
// identifier's (which Windows cuts to 8 and 16 characters), compared without case and with "_" as
// a blank; and when both the drive and the device's instance name carry a serial number, they agree.
bool IdentityMatches(const StorageId& id, const std::string& instanceName, const DriveIdentity& identity);

// What physical drive driveNumberPlusOne - 1 says about itself, when that is this device (its
// product matches the identifier's); nothing otherwise or for a number below 1.
std::optional<DriveIdentity> OwnDriveIdentity(const StorageId& id, int32_t driveNumberPlusOne);

// What a disk of one of those shapes is: the Chinese maker ("" when not known), the model shown
// (the drive's own product name when known, else the identifier's, without the maker's word),
// the interface ("SATA", "NVMe", "USB" or "") and whether it is solid state.
struct StorageDescription {
  std::string brand;
  std::string model;
  std::string interface;
  bool solidState = false;
};

// identity: what the physical drive said about itself, when it is this device's; null otherwise.
StorageDescription DescribeStorage(const StorageId& id, const DriveIdentity* identity);

// The Chinese maker of a full product name ("Samsung SSD 970 EVO Plus 500GB", "WDC WD10EZEX-08WN4A0",
// "ST2000DM001-1ER164") and the model without the maker's word; brand "" when no maker is known.
struct StorageMaker {
  std::string brand;
  std::string model;
};
StorageMaker FindStorageMaker(const std::string& name);
