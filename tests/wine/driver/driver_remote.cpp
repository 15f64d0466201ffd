// Reading the tab control and the status bar of another process: their messages take pointers, so
// the buffers live in hwdex.exe's own memory (the driver is built for the program's bitness).
#include "tests/wine/driver/gui_driver.h"

#include <commctrl.h>

namespace {

constexpr SIZE_T kBufferSize = 4096;

// A block of memory inside the process that owns a window.
class RemoteBuffer {
 public:
  explicit RemoteBuffer(HWND window) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(window));
    if (process_ == nullptr) Fail("cannot open the program's process");
    address_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kBufferSize, MEM_COMMIT, PAGE_READWRITE));
    if (address_ == nullptr) Fail("cannot allocate memory in the program's process");
  }
  ~RemoteBuffer() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  char* At(SIZE_T offset) const { return address_ + offset; }
  LPARAM Pointer(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
  void Write(SIZE_T offset, const void* bytes, SIZE_T size) const {
    if (!WriteProcessMemory(process_, At(offset), bytes, size, nullptr)) Fail("cannot write the program's memory");
  }
  void Read(SIZE_T offset, void* bytes, SIZE_T size) const {
    if (!ReadProcessMemory(process_, At(offset), bytes, size, nullptr)) Fail("cannot read the program's memory");
  }
  std::string Text(SIZE_T offset) const {
    std::string text(kBufferSize - offset, '\0');
    Read(offset, text.data(), text.size());
    return text.c_str();
  }

 private:
  HANDLE process_ = nullptr;
  char* address_ = nullptr;
};

constexpr SIZE_T kTextOffset = 512;

std::string Gbk16(const std::wstring& text) {
  std::string gbk(text.size() * 2, '\0');
  gbk.resize(static_cast<size_t>(WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), gbk.data(),
                                                     static_cast<int>(gbk.size()), nullptr, nullptr)));
  return gbk;
}

}  // namespace

std::vector<std::string> TabTexts(HWND tabs) {
  RemoteBuffer buffer(tabs);
  std::vector<std::string> texts;
  const LRESULT count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer.At(kTextOffset);
    item.cchTextMax = static_cast<int>(kBufferSize - kTextOffset);
    buffer.Write(0, &item, sizeof item);
    const char nothing = '\0';
    buffer.Write(kTextOffset, &nothing, 1);
    if (!SendMessageA(tabs, TCM_GETITEMA, i, buffer.Pointer())) Fail("TCM_GETITEMA failed for tab " + std::to_string(i));
    texts.push_back(buffer.Text(kTextOffset));
  }
  return texts;
}

RECT TabItemRect(HWND tabs, int index) {
  RemoteBuffer buffer(tabs);
  RECT rect{};
  if (!SendMessageA(tabs, TCM_GETITEMRECT, index, buffer.Pointer())) Fail("no tab " + std::to_string(index));
  buffer.Read(0, &rect, sizeof rect);
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string StatusText(HWND statusBar, int part) {
  RemoteBuffer buffer(statusBar);
  const LRESULT length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, part, 0));
  if (static_cast<SIZE_T>(length) >= kBufferSize) Fail("status part " + std::to_string(part) + " is too long");
  const char nothing = '\0';
  buffer.Write(0, &nothing, 1);
  SendMessageA(statusBar, SB_GETTEXTA, part, buffer.Pointer());
  return buffer.Text(0);
}

std::vector<int> StatusEdges(HWND statusBar) {
  RemoteBuffer buffer(statusBar);
  int edges[16] = {};
  const LRESULT parts = SendMessageA(statusBar, SB_GETPARTS, 16, buffer.Pointer());
  buffer.Read(0, edges, sizeof edges);
  return std::vector<int>(edges, edges + (parts > 16 ? 16 : parts));
}

int ListRowCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string ListItemText(HWND list, int row, int column) {
  RemoteBuffer buffer(list);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer.At(kTextOffset);
  item.cchTextMax = static_cast<int>(kBufferSize - kTextOffset);
  buffer.Write(0, &item, sizeof item);
  const char nothing = '\0';
  buffer.Write(kTextOffset, &nothing, 1);
  SendMessageA(list, LVM_GETITEMTEXTA, row, buffer.Pointer());
  return buffer.Text(kTextOffset);
}

std::vector<ListColumnInfo> ListColumns(HWND list) {
  RemoteBuffer buffer(list);
  std::vector<ListColumnInfo> columns;
  for (int i = 0;; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = buffer.At(kTextOffset);
    column.cchTextMax = static_cast<int>(kBufferSize - kTextOffset);
    buffer.Write(0, &column, sizeof column);
    const char nothing = '\0';
    buffer.Write(kTextOffset, &nothing, 1);
    if (!SendMessageA(list, LVM_GETCOLUMNA, i, buffer.Pointer())) return columns;
    buffer.Read(0, &column, sizeof column);
    columns.push_back({buffer.Text(kTextOffset), column.cx, column.fmt & LVCFMT_JUSTIFYMASK});
  }
}

// As a click on the row does: the row becomes the selected and the focused one, and the list tells
// its dialog.
void ChooseListRow(HWND list, int row) {
  RemoteBuffer buffer(list);
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  buffer.Write(0, &item, sizeof item);
  if (!SendMessageA(list, LVM_SETITEMSTATE, row, buffer.Pointer())) Fail("cannot choose row " + std::to_string(row));
}

// The system carries a combo box's list texts across the process boundary itself; they are asked
// for in UTF-16 (Wine hands the ANSI message's caller UTF-16 text across processes) and made GBK here.
std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    if (length < 0) Fail("no list item " + std::to_string(i));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    items.push_back(Gbk16(text.c_str()));
  }
  return items;
}
