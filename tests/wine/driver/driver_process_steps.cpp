// The driver's steps that follow the program's process: closing it and its exit code, message
// boxes, what it holds over many scans, and the resources of its file.
#include <cstdlib>
#include <cstring>

#include "app/product_version.h"
#include "resources/resource.h"
#include "tests/wine/driver/gui_driver.h"

namespace {

using Args = std::vector<std::string>;

double Seconds(const std::string& text) { return std::atof(text.c_str()); }

// The main window's process, opened now so that its exit code can be read once it has ended.
HANDLE OpenMainProcess() {
  const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ProcessOf(MainWindow()));
  if (process == nullptr) Fail("cannot open the program's process");
  return process;
}

void ExpectExit(HANDLE process, const std::string& code, const std::string& seconds) {
  const DWORD limit = static_cast<DWORD>(Seconds(seconds) * 1000);
  if (WaitForSingleObject(process, limit) != WAIT_OBJECT_0) Fail("the program still runs after " + seconds + " s");
  DWORD exitCode = 0;
  GetExitCodeProcess(process, &exitCode);
  CloseHandle(process);
  if (std::to_string(exitCode) != code) Fail("the program ended with code " + std::to_string(exitCode) + ", expected " + code);
}

int ButtonId(const std::string& name) {
  if (name == "ok") return IDOK;
  if (name == "cancel") return IDCANCEL;
  if (name == "yes") return IDYES;
  if (name == "no") return IDNO;
  if (name == "none") return 0;
  Fail("unknown button \"" + name + "\" (ok, cancel, yes, no or none)");
}

// One rescan through the button, from its press to "提示:扫描完成!" with the button enabled again.
void Rescan(int number, double seconds) {
  const HWND button = GetDlgItem(Page("summary"), IDC_RESCAN);
  const HWND statusBar = GetDlgItem(MainWindow(), IDC_STATUS_BAR);
  if (!WaitFor(seconds, [&] { return IsWindowEnabled(button) != FALSE; })) Fail("rescan button greyed before scan " + std::to_string(number));
  PostMessageA(button, BM_CLICK, 0, 0);
  const std::string done = "提示:扫描完成!";  // GBK, as every literal of the build
  if (!WaitFor(seconds, [&] { return StatusText(statusBar, 0) != done; })) Fail("scan " + std::to_string(number) + " did not start");
  if (!WaitFor(seconds, [&] { return StatusText(statusBar, 0) == done && IsWindowEnabled(button); })) {
    Fail("scan " + std::to_string(number) + " did not finish within " + std::to_string(static_cast<int>(seconds)) +
         " s: status \"" + Utf8(StatusText(statusBar, 0)) + "\", rescan button enabled=" +
         std::to_string(IsWindowEnabled(button)));
  }
}

const void* ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type, DWORD& size) {
  const HRSRC found = FindResourceA(module, name, type);
  size = found != nullptr ? SizeofResource(module, found) : 0;
  return found != nullptr ? LockResource(LoadResource(module, found)) : nullptr;
}

}  // namespace

std::string CounterLine(DWORD processId) {
  const ProcessCounters c = CountersOf(processId);
  return "handles=" + std::to_string(c.handles) + " gdi=" + std::to_string(c.gdiObjects) +
         " user=" + std::to_string(c.userObjects) + " private=" + std::to_string(c.privateBytes);
}

// Closes the main window as its close box does and expects the process to end with CODE.
void CloseStep(const Args& a) {
  const HANDLE process = OpenMainProcess();
  PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
  ExpectExit(process, a[0], a[1]);
}

// Expects the process of the main window there now to end (by other means) with CODE.
// Says "watching" once it holds the process, so that a test presses the key that ends it only then.
void WaitExit(const Args& a) {
  const HANDLE process = OpenMainProcess();
  Say("watching");
  ExpectExit(process, a[0], a[1]);
}

// box CAPTION TEXT BUTTON SECONDS: a message box comes, with that text; BUTTON answers it.
void Box(const Args& a) {
  HWND box = nullptr;
  const std::string caption = Gbk(a[0]);
  if (!WaitFor(Seconds(a[3]), [&] { return (box = FindMessageBox(caption)) != nullptr; })) {
    Fail("no message box \"" + a[0] + "\" within " + a[3] + " s");
  }
  // A thread that was busy just before the box came (a connection that timed out) answers for its
  // texts only once the system no longer takes it for hung.
  std::string text;
  WaitFor(5, [&] { return !(text = MessageBoxText(box)).empty(); });
  if (text != Gbk(a[1])) Fail("message box \"" + a[0] + "\" says \"" + Utf8(text) + "\", expected \"" + a[1] + "\"");
  const int button = ButtonId(a[2]);
  if (button == 0) return;
  if (GetDlgItem(box, button) == nullptr) Fail("message box \"" + a[0] + "\" has no " + a[2] + " button");
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
  if (!WaitFor(10, [&] { return !IsWindow(box); })) Fail("message box \"" + a[0] + "\" did not close");
}

// no-box CAPTION SECONDS: no message box with that caption shows during SECONDS.
void NoBox(const Args& a) {
  const std::string caption = Gbk(a[0]);
  HWND box = nullptr;
  if (WaitFor(Seconds(a[1]), [&] { return (box = FindMessageBox(caption)) != nullptr; })) {
    Fail("unexpected message box \"" + a[0] + "\": \"" + Utf8(MessageBoxText(box)) + "\"");
  }
}

void Counters(const Args&) { Say(CounterLine(ProcessOf(MainWindow()))); }

// soak COUNT SECONDS_PER_SCAN [AFTER...]: COUNT rescans; after each scan numbered in AFTER (and the
// last) a line "scan N: handles=... gdi=... user=... private=..." once the window has settled.
void Soak(const Args& a) {
  const int count = std::atoi(a[0].c_str());
  const DWORD processId = ProcessOf(MainWindow());
  for (int scan = 1; scan <= count; ++scan) {
    Rescan(scan, Seconds(a[1]));
    bool report = scan == count;
    for (size_t i = 2; i < a.size(); ++i) report = report || std::atoi(a[i].c_str()) == scan;
    if (!report) continue;
    Sleep(1000);
    Say("scan " + std::to_string(scan) + ": " + CounterLine(processId));
  }
}

// resources FILE VERSION: hwdex.exe carries icon 105, dialogs 101 to 104, 106 and 1220, the blank
// page 1221 (type HTML, the two bytes "\r\n") and the product version VERSION (for example "1.00").
void Resources(const Args& a) {
  const HMODULE module = LoadLibraryExA(Gbk(a[0]).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) Fail("cannot load " + a[0] + " as data");
  DWORD size = 0;
  if (ResourceBytes(module, MAKEINTRESOURCEA(IDI_HWDEX), RT_GROUP_ICON, size) == nullptr) Fail("no icon 105");
  for (int dialog : {IDD_MAIN, IDD_ASSEMBLY_PAGE, IDD_SUMMARY_PAGE, IDD_DETAIL_PAGE, IDD_UPLOAD_MACHINE, IDD_UPLOAD_ASSEMBLY}) {
    if (ResourceBytes(module, MAKEINTRESOURCEA(dialog), RT_DIALOG, size) == nullptr) Fail("no dialog " + std::to_string(dialog));
  }
  const void* blank = ResourceBytes(module, MAKEINTRESOURCEA(IDR_BLANK_PAGE), MAKEINTRESOURCEA(23), size);
  if (blank == nullptr || size != 2 || std::memcmp(blank, "\r\n", 2) != 0) {
    Fail("the blank page 1221 is not the two bytes CR LF (" + std::to_string(size) + " bytes)");
  }
  FreeLibrary(module);
  const std::string version = ProductVersionText(Gbk(a[0])).value_or("none");
  if (version != a[1]) Fail("product version " + version + ", expected " + a[1]);
}
