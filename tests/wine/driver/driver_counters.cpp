// What a process holds: kernel handles, GDI and USER objects and private memory. Windows answers
// GetProcessHandleCount and GetGuiResources; Wine answers 0 to both, so there the driver counts
// the process's entries in the system handle list, the used entries of its GDI handle table and its
// windows instead. Private memory is the commit charge (PagefileUsage; Wine leaves PrivateUsage 0).
#include "tests/wine/driver/gui_driver.h"

#include <psapi.h>
#include <winternl.h>

namespace {

// SystemHandleInformation (16) of NtQuerySystemInformation: one entry per open handle.
struct HandleEntry {
  USHORT processId;
  USHORT creatorBackTraceIndex;
  UCHAR objectType;
  UCHAR flags;
  USHORT handle;
  PVOID object;
  ACCESS_MASK access;
};
struct HandleList {
  ULONG count;
  HandleEntry entries[1];
};
using QuerySystemInformation = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryProcessInformation = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

template <typename Function>
Function NtdllExport(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

unsigned long HandlesInSystemList(DWORD processId) {
  const auto query = NtdllExport<QuerySystemInformation>("NtQuerySystemInformation");
  std::vector<char> buffer(1 << 20);
  ULONG needed = 0;
  NTSTATUS status;
  while ((status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed)) ==
         static_cast<NTSTATUS>(0xC0000004L)) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return 0;
  const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
  unsigned long count = 0;
  for (ULONG i = 0; i < list->count; ++i) {
    if (list->entries[i].processId == static_cast<USHORT>(processId)) ++count;
  }
  return count;
}

// Wine keeps each process's GDI objects in a table of 65536 entries of 24 bytes that its PEB points
// to (GdiSharedHandleTable); a used entry has its object pointer set.
unsigned long UsedGdiEntries(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  const auto query = NtdllExport<QueryProcessInformation>("NtQueryInformationProcess");
  if (query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
  const SIZE_T tableField = sizeof(void*) == 8 ? 0xF8 : 0x94;
  void* table = nullptr;
  const char* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
  if (!ReadProcessMemory(process, peb + tableField, &table, sizeof table, nullptr) || table == nullptr) return 0;
  constexpr SIZE_T kEntries = 0x10000;
  constexpr SIZE_T kEntrySize = 24;
  std::vector<unsigned char> entries(kEntries * kEntrySize);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) return 0;
  unsigned long used = 0;
  for (SIZE_T i = 0; i < kEntries; ++i) {
    unsigned long long object = 0;
    memcpy(&object, &entries[i * kEntrySize], sizeof object);
    if (object != 0) ++used;
  }
  return used;
}

struct WindowCount {
  DWORD processId;
  unsigned long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM param) {
  auto* counted = reinterpret_cast<WindowCount*>(param);
  if (ProcessOf(window) == counted->processId) ++counted->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM param) {
  auto* counted = reinterpret_cast<WindowCount*>(param);
  if (ProcessOf(window) != counted->processId) return TRUE;
  ++counted->count;
  EnumChildWindows(window, CountChild, param);
  return TRUE;
}

unsigned long WindowsOf(DWORD processId) {
  WindowCount counted{processId, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&counted));
  return counted.count;
}

}  // namespace

ProcessCounters CountersOf(DWORD processId) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (process == nullptr) Fail("cannot open process " + std::to_string(processId));
  ProcessCounters counters;
  DWORD handles = 0;
  if (GetProcessHandleCount(process, &handles)) counters.handles = handles;
  if (counters.handles == 0) counters.handles = HandlesInSystemList(processId);
  counters.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  if (counters.gdiObjects == 0) counters.gdiObjects = UsedGdiEntries(process);
  counters.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  if (counters.userObjects == 0) counters.userObjects = WindowsOf(processId);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    counters.privateBytes = memory.PrivateUsage > memory.PagefileUsage ? memory.PrivateUsage : memory.PagefileUsage;
  }
  CloseHandle(process);
  return counters;
}
