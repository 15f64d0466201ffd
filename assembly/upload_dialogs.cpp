// The upload dialogs' procedures: they fill and read their boxes, place the machine dialog, and hand
// the texts to the upload unit, whose outcome they show.
#include "assembly/upload_dialogs.h"

#include <shellapi.h>

#include <string>

#include "app/main_window.h"
#include "app/product_version.h"
#include "app/update_rules.h"
#include "app/window_rules.h"
#include "app/window_state.h"
#include "assembly/assembly_page.h"
#include "assembly/upload.h"
#include "platform/registry.h"
#include "resources/resource.h"
#include "scan/records.h"

namespace {

// An upload dialog is open: the prompt after a scan waits for the next scan rather than open a
// second one beside it.
bool uploadDialogOpen = false;

// The boxes of one dialog: type, title, description.
struct UploadBoxes {
  int type;
  int title;
  int description;
};
constexpr UploadBoxes kMachineBoxes = {IDC_MACHINE_UPLOAD_TYPE, IDC_MACHINE_UPLOAD_TITLE,
                                       IDC_MACHINE_UPLOAD_DESCRIPTION};
constexpr UploadBoxes kAssemblyBoxes = {IDC_ASSEMBLY_UPLOAD_TYPE, IDC_ASSEMBLY_UPLOAD_TITLE,
                                        IDC_ASSEMBLY_UPLOAD_DESCRIPTION};

// A box's text as far as the upload reads it, never parting a double-byte character.
std::string BoxText(HWND dialog, int id, size_t maxBytes) {
  return std::string(Leading(DialogItemText(dialog, id), maxBytes));
}

// The type list with its first item as the initial text, the title, and the lengths the upload
// reads, so that what the user types is what is sent.
template <size_t N>
void FillBoxes(HWND dialog, const UploadBoxes& boxes, const char* const (&types)[N],
               const std::string& title) {
  const HWND type = GetDlgItem(dialog, boxes.type);
  for (const char* item : types) SendMessageA(type, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(type, CB_LIMITTEXT, kUploadTypeLength, 0);
  SetWindowTextA(type, types[0]);
  SendDlgItemMessageA(dialog, boxes.title, EM_LIMITTEXT, kUploadTitleLength, 0);
  SetDlgItemTextA(dialog, boxes.title, title.c_str());
  SendDlgItemMessageA(dialog, boxes.description, EM_LIMITTEXT, kUploadDescriptionLength, 0);
}

UploadTexts ReadBoxes(HWND dialog, const UploadBoxes& boxes) {
  return {BoxText(dialog, boxes.type, kUploadTypeLength), BoxText(dialog, boxes.title, kUploadTitleLength),
          BoxText(dialog, boxes.description, kUploadDescriptionLength)};
}

// Sends the article and tells the user. A failure leaves the dialog open for another try; after
// success the article's page opens in the user's browser and the dialog closes.
void SendArticle(HWND dialog, const Article& article) {
  const UploadOutcome outcome = UploadArticle(article, servers);
  if (outcome.result == UploadOutcome::Result::kNoConnection) {
    MessageBoxA(nullptr, kUploadNoConnectionMessage, "提示", MB_OK);
    return;
  }
  if (outcome.result == UploadOutcome::Result::kInsertFailed) {
    MessageBoxA(nullptr, UploadFailureMessage(outcome).c_str(), "提示", MB_OK);
    return;
  }
  MessageBoxA(dialog, kUploadDoneMessage, "提示!", MB_OK);
  if (!outcome.articleAddress.empty()) {
    ShellExecuteA(nullptr, "open", outcome.articleAddress.c_str(), nullptr, nullptr, SW_SHOW);
  }
  EndDialog(dialog, IDCANCEL);
}

// The machine dialog sits in the bottom right corner when timer 1 opened it, else in the middle.
void PlaceMachineDialog(HWND dialog) {
  RECT rect;
  GetWindowRect(dialog, &rect);
  const ScreenPoint place =
      UploadDialogPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), rect.right - rect.left,
                        rect.bottom - rect.top, autoPromptUpload);
  SetWindowPos(dialog, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  autoPromptUpload = false;
}

void UploadMachine(HWND dialog) {
  const std::string version = ProductVersionText(programFile).value_or("");
  SendArticle(dialog,
              MachineArticle(ReadBoxes(dialog, kMachineBoxes), programDirectory, servers.site, version));
}

INT_PTR CALLBACK UploadMachineProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    FillBoxes(dialog, kMachineBoxes, kMachineUploadTypes, machineTag);
    PlaceMachineDialog(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_MACHINE_UPLOAD_SEND: UploadMachine(dialog); return TRUE;
    case IDC_NO_UPLOAD_PROMPT:
      // A tick stops the prompt after later scans at once; taking it away writes nothing.
      if (IsDlgButtonChecked(dialog, IDC_NO_UPLOAD_PROMPT) == BST_CHECKED)
        WriteUserValue(kUploadMarkerName, "1");
      return TRUE;
    case IDC_MACHINE_UPLOAD_CLOSE:
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
  }
  return FALSE;
}

// The article's table is built from the page's rows, which refreshes the page's totals.
void UploadAssembly(HWND dialog) {
  const AssemblyTexts rows = AssemblyPageRows(AssemblyPage);
  WriteListedTotals(AssemblyPage, rows);
  SendArticle(dialog, AssemblyArticle(ReadBoxes(dialog, kAssemblyBoxes), rows));
}

INT_PTR CALLBACK UploadAssemblyProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    FillBoxes(dialog, kAssemblyBoxes, kAssemblyUploadTypes,
              AssemblyUploadTitle(AssemblyPageRows(AssemblyPage)));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_ASSEMBLY_UPLOAD_SEND: UploadAssembly(dialog); return TRUE;
    case IDC_ASSEMBLY_UPLOAD_CLOSE:
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
  }
  return FALSE;
}

// Runs an upload dialog to its end, with the page's buttons that open it greyed meanwhile.
void RunUploadDialog(HWND page, std::initializer_list<int> buttons, int dialogId, DLGPROC procedure) {
  for (int id : buttons) EnableWindow(GetDlgItem(page, id), FALSE);
  uploadDialogOpen = true;
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialogId), nullptr, procedure, 0);
  uploadDialogOpen = false;
  for (int id : buttons) EnableWindow(GetDlgItem(page, id), TRUE);
}

}  // namespace

// The rescan button is greyed exactly while a scan runs (and while the machine dialog is open).
bool UploadPromptAvailable() {
  const HWND rescan = GetDlgItem(SummaryPage, IDC_RESCAN);
  return !uploadDialogOpen && rescan != nullptr && IsWindowEnabled(rescan) &&
         UploadPromptDue(ReadUserValue(kUploadMarkerName));
}

void RunUploadMachineDialog() {
  RunUploadDialog(SummaryPage, {IDC_UPLOAD_MACHINE, IDC_RESCAN}, IDD_UPLOAD_MACHINE, UploadMachineProc);
}

void RunUploadAssemblyDialog() {
  RunUploadDialog(AssemblyPage, {IDC_UPLOAD_ASSEMBLY}, IDD_UPLOAD_ASSEMBLY, UploadAssemblyProc);
}
