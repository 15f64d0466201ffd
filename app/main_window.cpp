// The main window's dialog procedure: its opening, the timers, the tab change and the close, and the
// helpers the tab pages share.
#include "app/main_window.h"

#include <commctrl.h>

#include <cstring>

#include "app/browser_pane.h"
#include "app/report_pages.h"
#include "app/trace.h"
#include "app/update_check.h"
#include "app/window_scan.h"
#include "app/window_state.h"
#include "assembly/assembly_page.h"
#include "assembly/upload_dialogs.h"
#include "platform/files.h"
#include "resources/resource.h"
#include "scan/detail_page.h"
#include "scan/summary_report.h"

namespace {

// The status bar's style: a visible child, plus the bit 0x10 the program has always given it.
constexpr DWORD kStatusBarStyle = WS_CHILD | WS_VISIBLE | 0x10;
// Right edges of the status bar's two parts, in pixels: part 0 ends at 700, part 1 at the window's edge.
constexpr int kStatusPartEdges[] = {700, -1};
constexpr const char* kTabTexts[] = {"本机概况", "详细参数", "组装配置"};

void OnTabChange();

// Ctrl+Tab and Ctrl+Shift+Tab switch to the next and the previous tab, as in other tabbed windows:
// the Tab key alone goes round the controls of the page shown.
HHOOK tabKeys = nullptr;
LRESULT CALLBACK TabKeys(int code, WPARAM wParam, LPARAM lParam);

void InsertTabs() {
  // A little more room around the tab texts than the control's 6 by 3 pixels.
  SendMessageA(tabControl, TCM_SETPADDING, 0, MAKELPARAM(12, 4));
  for (int i = 0; i < 3; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabTexts[i]);
    SendMessageA(tabControl, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
}

// The pages are modeless child dialogs of the tab control, made in this order; each keeps its own
// handle. The summary page is shown, the others stay hidden.
void CreatePages() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_SUMMARY_PAGE), tabControl, SummaryPageProc, 0);
  CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_DETAIL_PAGE), tabControl, DetailPageProc, 0);
  CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_ASSEMBLY_PAGE), tabControl, AssemblyPageProc, 0);
  ShowWindow(SummaryPage, SW_SHOWDEFAULT);
}

void CreateStatusBar(HWND window) {
  statusBar = CreateStatusWindowA(kStatusBarStyle, nullptr, window, IDC_STATUS_BAR);
  SendMessageA(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(kStatusPartEdges));
  SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kStatusWelcome));
  const std::string site = StatusSiteText(servers.site);
  SendMessageA(statusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(site.c_str()));
}

// The banner spans the client area's top down to the tab control. With the dialog's font at 96 dots
// per inch that is 620 pixels above the client's bottom; other fonts and screen scales move the tab
// control, and a fixed 620 would then cover the tab texts.
int BannerBottomMargin(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  RECT tabs;
  GetWindowRect(tabControl, &tabs);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&tabs), 2);
  return client.bottom - tabs.top;
}

void OpenMainWindow(HWND window) {
  MainWindow = window;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_HWDEX));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  tabControl = GetDlgItem(window, IDC_TABS);
  InsertTabs();
  CreatePages();
  CreateStatusBar(window);
  CreateBrowserPane(window, SiteAddress(servers.site, "/hx_top.html"), false, 0, BannerBottomMargin(window), 0, 0,
                    kBannerPane);
  tabKeys = SetWindowsHookExA(WH_MSGFILTER, TabKeys, nullptr, GetCurrentThreadId());
  SetTimer(window, kFirstScanTimer, 2000, nullptr);
}

// The upload prompt that the update check asks for after a scan (timer 1), in the bottom right
// corner. It is left out while a scan runs or an upload dialog is open (the next scan's check asks
// again), and once the marker says uploaded.
void OpenUploadPrompt() {
  if (!UploadPromptAvailable()) return;
  autoPromptUpload = true;
  RunUploadMachineDialog();
}

// A scan wrote config.htm: both panes show it, then the detailed page is written from the report
// and replaces it in the detail pane. When view.htm cannot be written the pane keeps config.htm
// rather than show an older view.htm as if it were this scan's.
void ShowScanResult() {
  const std::string summaryPage = ProgramFile(programDirectory, kSummaryPageFile);
  NavigateDetailPane(summaryPage);
  NavigateSummaryPane(summaryPage);
  if (WriteDetailPage(programDirectory)) NavigateDetailPane(ProgramFile(programDirectory, kDetailPageFile));
}

void OnTimer(HWND window, UINT_PTR timer) {
  KillTimer(window, timer);
  Trace(TimerTraceLine(static_cast<int>(timer)));
  switch (timer) {
    case kFirstScanTimer:
      StartScan();
      CreateBrowserPane(AssemblyPage, SiteAddress(servers.site, "/hx_app_r.html"), true, 600, 3, 0, 40,
                        kAssemblyRightPane);
      break;
    case kLoadingPageTimer:
      NavigateSummaryPane(SiteAddress(servers.site, "/load.htm"));
      break;
    case kScanDoneTimer:
      ShowScanResult();
      break;
    case kUploadPromptTimer:
      OpenUploadPrompt();
      break;
  }
}

void OnTabChange() {
  const HWND pages[] = {SummaryPage, DetailPage, AssemblyPage};
  for (HWND page : pages) ShowWindow(page, SW_HIDE);
  const LRESULT selected = SendMessageA(tabControl, TCM_GETCURSEL, 0, 0);
  if (selected < 0 || selected > 2) return;
  currentPage = pages[selected];
  ShowWindow(currentPage, SW_SHOWDEFAULT);
  // The tab control repaints its body over the page it holds; the page and everything on it,
  // frames and scroll bars included, are drawn again after it.
  RedrawWindow(currentPage, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

LRESULT CALLBACK TabKeys(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* message = reinterpret_cast<const MSG*>(lParam);
  const bool ours = message->hwnd == MainWindow || IsChild(MainWindow, message->hwnd);
  if (code != MSGF_DIALOGBOX || !ours || message->message != WM_KEYDOWN || message->wParam != VK_TAB ||
      (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
    return CallNextHookEx(tabKeys, code, wParam, lParam);
  }
  const int step = (GetKeyState(VK_SHIFT) & 0x8000) != 0 ? 2 : 1;  // 2 of 3 tabs on is 1 back
  const LRESULT selected = SendMessageA(tabControl, TCM_GETCURSEL, 0, 0);
  SendMessageA(tabControl, TCM_SETCURSEL, (selected + step) % 3, 0);
  OnTabChange();
  return 1;
}

void CloseMainWindow(HWND window) {
  UnhookWindowsHookEx(tabKeys);
  ReleaseBrowserPanes();
  EndDialog(window, IDCANCEL);
}

}  // namespace

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OpenMainWindow(window);
      return TRUE;
    case WM_TIMER:
      OnTimer(window, wParam);
      return TRUE;
    case kStartUploadTimerMessage:
      SetTimer(window, kUploadPromptTimer, kUploadPromptDelayMs, nullptr);
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom != IDC_TABS || header->code != TCN_SELCHANGE) return FALSE;
      OnTabChange();
      return TRUE;
    }
    case WM_COMMAND:
      // The close box, the Escape key and the update check send command 2; Enter (command 1) does nothing.
      if (LOWORD(wParam) == IDCANCEL) CloseMainWindow(window);
      return TRUE;
  }
  return FALSE;
}

std::string DialogItemText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

int CopyTextToClipboard(const char* text, size_t length) {
  if (!OpenClipboard(nullptr)) return 0;
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, length + 1);
  char* bytes = block != nullptr ? static_cast<char*>(GlobalLock(block)) : nullptr;
  bool handedOver = false;
  if (bytes != nullptr) {
    std::memcpy(bytes, text, length);
    bytes[length] = '\0';
    GlobalUnlock(block);
    handedOver = SetClipboardData(CF_TEXT, block) != nullptr;
  }
  if (!handedOver && block != nullptr) GlobalFree(block);
  CloseClipboard();
  return handedOver ? 1 : 0;
}

void FitPageToTab(HWND page) {
  const HWND tab = GetParent(page);
  RECT area;
  GetClientRect(tab, &area);
  SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR PageColour(UINT message, WPARAM wParam) {
  if (message != WM_CTLCOLORDLG && message != WM_CTLCOLORSTATIC) return 0;
  SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}
