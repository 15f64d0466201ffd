// Drives asked through the storage stack: the geometry (IOCTL_DISK_GET_DRIVE_GEOMETRY), the drive's
// own identity and seek penalty (IOCTL_STORAGE_QUERY_PROPERTY), and the physical drive number of a
// disk device found through its disk interface (SetupDi + IOCTL_STORAGE_GET_DEVICE_NUMBER).
#include "platform/drives.h"

#include <windows.h>
#include <setupapi.h>
#include <winioctl.h>

#include <type_traits>
#include <vector>

#include "scan/text_helpers.h"

namespace {

// GUID_DEVINTERFACE_DISK, the interface class every disk device registers.
const GUID kDiskInterface = {0x53f56307, 0xb6bf, 0x11d0, {0x94, 0xf2, 0x00, 0xa0, 0xc9, 0x1e, 0xfb, 0x8b}};

// Drives numbered beyond this are not looked for when matching identities.
constexpr uint32_t kDrivesAsked = 64;

// A device opened for queries only (no access rights: no administrator needed, no media touched).
HANDLE OpenForQuery(const char* path) {
  return CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

// A text of the device descriptor at offset, trimmed of blanks; "" when the offset is 0 or outside.
std::string DescriptorText(const std::vector<char>& buffer, DWORD returned, DWORD offset) {
  if (offset == 0 || offset >= returned) return std::string();
  std::string text;
  for (DWORD i = offset; i < returned && buffer[i] != '\0'; ++i) text += buffer[i];
  return TrimBlanks(text);
}

DriveBus BusOf(STORAGE_BUS_TYPE type) {
  switch (type) {
    case BusTypeAta: return DriveBus::kAta;
    case BusTypeSata: return DriveBus::kSata;
    case BusTypeNvme: return DriveBus::kNvme;
    case BusTypeUsb: return DriveBus::kUsb;
    case BusTypeRAID: return DriveBus::kRaid;
    case BusTypeUnknown: return DriveBus::kUnknown;
    default: return DriveBus::kOther;
  }
}

std::optional<DriveIdentity> AskIdentity(uint32_t index) {
  HANDLE drive = OpenForQuery(PhysicalDrivePath(index).c_str());
  if (drive == INVALID_HANDLE_VALUE) return std::nullopt;
  STORAGE_PROPERTY_QUERY query{};
  query.PropertyId = StorageDeviceProperty;
  query.QueryType = PropertyStandardQuery;
  std::vector<char> buffer(1024);
  DWORD returned = 0;
  if (!DeviceIoControl(drive, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, buffer.data(),
                       static_cast<DWORD>(buffer.size()), &returned, nullptr) ||
      returned < sizeof(STORAGE_DEVICE_DESCRIPTOR)) {
    CloseHandle(drive);
    return std::nullopt;
  }
  const auto* descriptor = reinterpret_cast<const STORAGE_DEVICE_DESCRIPTOR*>(buffer.data());
  DriveIdentity identity;
  identity.vendor = DescriptorText(buffer, returned, descriptor->VendorIdOffset);
  identity.product = DescriptorText(buffer, returned, descriptor->ProductIdOffset);
  identity.serial = DescriptorText(buffer, returned, descriptor->SerialNumberOffset);
  identity.bus = BusOf(descriptor->BusType);
  // The seek penalty (Windows 7 and later): a drive without one is solid state.
  query.PropertyId = StorageDeviceSeekPenaltyProperty;
  DEVICE_SEEK_PENALTY_DESCRIPTOR penalty{};
  if (DeviceIoControl(drive, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof query, &penalty, sizeof penalty, &returned,
                      nullptr) &&
      returned >= sizeof penalty) {
    identity.solidState = penalty.IncursSeekPenalty == FALSE;
  }
  CloseHandle(drive);
  return identity;
}

// The device installer functions, loaded on first use: most scans never ask for them (no disk
// device, or a saved machine), and the program starts without loading their library.
struct SetupApi {
  decltype(&SetupDiGetClassDevsA) getClassDevs = nullptr;
  decltype(&SetupDiEnumDeviceInterfaces) enumInterfaces = nullptr;
  decltype(&SetupDiGetDeviceInterfaceDetailA) getInterfaceDetail = nullptr;
  decltype(&SetupDiDestroyDeviceInfoList) destroyList = nullptr;
};

const SetupApi* LoadSetupApi() {
  static const SetupApi api = [] {
    SetupApi loaded;
    HMODULE library = LoadLibraryA("setupapi.dll");
    if (library == nullptr) return loaded;
    const auto find = [library](auto& function, const char* name) {
      function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
          reinterpret_cast<void*>(GetProcAddress(library, name)));
    };
    find(loaded.getClassDevs, "SetupDiGetClassDevsA");
    find(loaded.enumInterfaces, "SetupDiEnumDeviceInterfaces");
    find(loaded.getInterfaceDetail, "SetupDiGetDeviceInterfaceDetailA");
    find(loaded.destroyList, "SetupDiDestroyDeviceInfoList");
    return loaded;
  }();
  if (!api.getClassDevs || !api.enumInterfaces || !api.getInterfaceDetail || !api.destroyList) return nullptr;
  return &api;
}

// The device path of the first disk interface of the device with this instance id.
std::optional<std::string> DiskInterfacePath(const std::string& instanceId) {
  const SetupApi* api = LoadSetupApi();
  if (api == nullptr) return std::nullopt;
  HDEVINFO set = api->getClassDevs(&kDiskInterface, instanceId.c_str(), nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> path;
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  if (api->enumInterfaces(set, nullptr, &kDiskInterface, 0, &data)) {
    DWORD size = 0;
    api->getInterfaceDetail(set, &data, nullptr, 0, &size, nullptr);
    if (size >= sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
      std::vector<char> buffer(size);
      auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
      detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
      if (api->getInterfaceDetail(set, &data, detail, size, nullptr, nullptr)) path = detail->DevicePath;
    }
  }
  api->destroyList(set);
  return path;
}

}  // namespace

std::optional<DriveGeometry> ReadDriveGeometry(const std::string& devicePath) {
  if (DriveTableInUse()) return TableDriveGeometry(devicePath);
  HANDLE drive = OpenForQuery(devicePath.c_str());
  if (drive == INVALID_HANDLE_VALUE) return std::nullopt;
  DISK_GEOMETRY raw{};
  DWORD returned = 0;
  const BOOL ok = DeviceIoControl(drive, IOCTL_DISK_GET_DRIVE_GEOMETRY, nullptr, 0, &raw, sizeof raw, &returned,
                                  nullptr);
  CloseHandle(drive);
  if (!ok) return std::nullopt;
  DriveGeometry g;
  g.cylinders = static_cast<uint64_t>(raw.Cylinders.QuadPart);
  g.mediaType = static_cast<uint32_t>(raw.MediaType);
  g.tracksPerCylinder = raw.TracksPerCylinder;
  g.sectorsPerTrack = raw.SectorsPerTrack;
  g.bytesPerSector = raw.BytesPerSector;
  return g;
}

std::optional<DriveIdentity> ReadDriveIdentity(uint32_t index) {
  if (DriveTableInUse()) return TableDriveIdentity(index);
  return AskIdentity(index);
}

std::optional<uint32_t> DriveNumberOfDevice(const std::string& instancePath) {
  if (DriveTableInUse()) return TableDeviceDriveNumber(instancePath);
  if (instancePath.empty()) return std::nullopt;
  const std::optional<std::string> path = DiskInterfacePath(instancePath);
  if (!path) return std::nullopt;
  HANDLE disk = OpenForQuery(path->c_str());
  if (disk == INVALID_HANDLE_VALUE) return std::nullopt;
  STORAGE_DEVICE_NUMBER number{};
  DWORD returned = 0;
  const BOOL ok = DeviceIoControl(disk, IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number, sizeof number,
                                  &returned, nullptr);
  CloseHandle(disk);
  if (!ok || returned < sizeof number || number.DeviceType != FILE_DEVICE_DISK) return std::nullopt;
  return number.DeviceNumber;
}

std::vector<std::pair<uint32_t, DriveIdentity>> ListDriveIdentities() {
  if (DriveTableInUse()) return TableDriveIdentities();
  std::vector<std::pair<uint32_t, DriveIdentity>> drives;
  for (uint32_t index = 0; index < kDrivesAsked; ++index) {
    if (std::optional<DriveIdentity> identity = AskIdentity(index)) drives.emplace_back(index, *identity);
  }
  return drives;
}
