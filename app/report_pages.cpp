// The summary and detail pages' dialog procedures.
#include "app/report_pages.h"

#include "app/browser_pane.h"
#include "app/main_window.h"
#include "app/save_dialog.h"
#include "app/window_scan.h"
#include "app/window_state.h"
#include "assembly/config_picture.h"
#include "assembly/upload_dialogs.h"
#include "resources/resource.h"
#include "scan/records.h"

namespace {

// The summary pane: from 395 pixels right of the left edge to the right edge, from 35 pixels down
// to 5 above the bottom, with a scroll bar; the site's welcome page until the first scan ends. Then
// the web panel on the left, from 5 to 390 pixels.
void OpenSummaryPage(HWND page) {
  SummaryPage = page;
  FitPageToTab(page);
  RECT client;
  GetClientRect(page, &client);
  const PaneRect rect = BrowserPaneRect(client.left, client.top, client.right, client.bottom, 395, 5, 0, 35);
  summaryPane = CreatePaneControl(page, rect, true, kSummaryPaneName);
  const bool navigated = NavigateSummaryPane(SiteAddress(servers.site, "/hx_welcom.html"));
  if (!navigated && summaryPane != nullptr) return;  // the address could not be converted
  CreateBrowserPane(page, SiteAddress(servers.site, "/hx_config_r.html"), false, 5, 5, 390, 0, kSummaryLeftPane);
}

// "生成配置图片": the summary text of the last scan, drawn into the PNG file the user chooses. The
// button is enabled only between scans, so the text is whole.
void OnMachinePicture() {
  const std::string path = AskSaveFile(kPictureFile);
  if (path.empty()) return;
  MakeConfigPicture(programDirectory, path, summaryText, {MainWindow, nullptr});
}

}  // namespace

INT_PTR CALLBACK SummaryPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (message) {
    case WM_INITDIALOG:
      OpenSummaryPage(page);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_RESCAN:
          StartScan();
          return TRUE;
        case IDC_UPLOAD_MACHINE:
          RunUploadMachineDialog();
          return TRUE;
        case IDC_MACHINE_PICTURE:
          OnMachinePicture();
          return TRUE;
      }
      return FALSE;
  }
  return PageColour(message, wParam);
}

INT_PTR CALLBACK DetailPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  if (message != WM_INITDIALOG) return PageColour(message, wParam);
  DetailPage = page;
  FitPageToTab(page);
  // The waiting label lies under the pane (it draws nothing over the pane, being clipped by it).
  SetWindowPos(GetDlgItem(page, IDC_DETAIL_WAIT), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(page, &client);
  const PaneRect rect = BrowserPaneRect(client.left, client.top, client.right, client.bottom, 0, 0, 0, 0);
  detailPane = CreatePaneControl(page, rect, true, kDetailPaneName);
  NavigateDetailPane(SiteAddress(servers.site, "/load.htm"));
  return TRUE;
}
