// The assembly page's dialog procedure: it moves the boxes' texts into the form's rules and the
// results back (totals, clipboard, files, the picture, the search address). The scan enables its
// four buttons once the report tool has run.
#include "assembly/assembly_page.h"

#include <shellapi.h>

#include "app/main_window.h"
#include "app/save_dialog.h"
#include "app/window_state.h"
#include "assembly/assembly_form.h"
#include "assembly/config_picture.h"
#include "assembly/part_picker.h"
#include "assembly/upload_dialogs.h"
#include "resources/resource.h"

static_assert(kSecondHandTotalId == IDC_SECOND_HAND_TOTAL && kNewPriceTotalId == IDC_NEW_PRICE_TOTAL &&
              kSecondHandHeaderId == IDC_SECOND_HAND_HEADER && kNewPriceHeaderId == IDC_NEW_PRICE_HEADER);

namespace {

constexpr const char* kCopied = "复制成功!你可以粘贴到QQ好友，论坛或邮箱里等其它地方。";
constexpr const char* kClipboardBusy = "复制失败!剪切板正被其它程序使用,请稍后再试。";

// The font of the headers, the total label and the total boxes ("新宋体", 14 pixels); made when the
// page opens. The height is asked for as the characters' own (-14), not the cell's: 新宋体 has no
// internal leading, so on Windows both give the same 14-pixel glyphs, but a font that stands in for
// it (WenQuanYi under Wine) would otherwise draw them at 11 pixels, ragged.
HFONT headerFont = nullptr;
constexpr int kHeaderFontHeight = -14;
constexpr int kHeaderFontControls[] = {IDC_TYPE_HEADER,        IDC_MODEL_HEADER,     IDC_TOTAL_LABEL,
                                       IDC_SECOND_HAND_HEADER, IDC_NEW_PRICE_HEADER, IDC_SECOND_HAND_TOTAL,
                                       IDC_NEW_PRICE_TOTAL};

// The new-price total first, then the second-hand total, as the forms write them.
void WriteTotals(HWND page, AssemblyTotals totals) {
  SetDlgItemTextA(page, IDC_NEW_PRICE_TOTAL, std::to_string(totals.newPrice).c_str());
  SetDlgItemTextA(page, IDC_SECOND_HAND_TOTAL, std::to_string(totals.secondHand).c_str());
}

void UpdateTotals(HWND page) { WriteTotals(page, BoxTotals(AssemblyPageRows(page))); }

void ShowColumn(HWND page, bool secondHand, bool shown) {
  for (int id : PriceColumnIds(secondHand)) ShowWindow(GetDlgItem(page, id), shown ? SW_SHOW : SW_HIDE);
}

void OpenAssemblyPage(HWND page) {
  AssemblyPage = page;
  FitPageToTab(page);
  CheckDlgButton(page, IDC_SHOW_SECOND_HAND, showSecondHand ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(page, IDC_SHOW_NEW_PRICE, showNewPrice ? BST_CHECKED : BST_UNCHECKED);
  ApplyPriceColumns(page);
  headerFont =
      CreateFontA(kHeaderFontHeight, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "新宋体");
  for (int id : kHeaderFontControls)
    SendDlgItemMessageA(page, id, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont), TRUE);
}

// 1223 or 1224: the column follows its box; the page shown is hidden and shown again so that the
// tab control's background is drawn where the column was. The focus stays on the check box.
void OnPriceCheckBox(HWND page, int id) {
  const bool checked = IsDlgButtonChecked(page, id) == BST_CHECKED;
  (id == IDC_SHOW_SECOND_HAND ? showSecondHand : showNewPrice) = checked;
  ApplyPriceColumns(page);
  if (currentPage == nullptr) return;
  const HWND focus = GetFocus();
  ShowWindow(currentPage, SW_HIDE);
  ShowWindow(currentPage, SW_SHOWDEFAULT);
  if (focus != nullptr && IsWindowVisible(focus)) SetFocus(focus);
}

// "搜索": the row's model, or its search word, on the Taobao search page in the user's browser.
void OnSearch(HWND page, size_t row) {
  const std::string address = TaobaoSearchAddress(row, DialogItemText(page, kAssemblyRows[row].modelId));
  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

// "生成配置图片": the configuration text and a line end, drawn into the PNG file the user chooses.
void OnAssemblyPicture(HWND page) {
  const std::string path = AskSaveFile(kPictureFile);
  if (path.empty()) return;
  MakeConfigPicture(programDirectory, path, AssemblyPageText(page) + "\r\n", {MainWindow, nullptr});
}

// "复制配置": the configuration text onto the clipboard. A busy clipboard is told, so that nobody
// pastes an older text believing it to be this one.
void OnCopyAssembly(HWND page) {
  const std::string text = AssemblyPageText(page);
  const bool copied = CopyTextToClipboard(text.c_str(), text.size()) == 1;
  MessageBoxA(nullptr, copied ? kCopied : kClipboardBusy, "提示", MB_OK);
}

// "保存配置": the configuration text and a line end into the ".txt" file the user chooses, then the
// file opened. A file that could not be written is told and not opened (it would show its old content).
void OnSaveAssembly(HWND page) {
  const std::string text = AssemblyPageText(page);
  const std::string path = AskSaveFile(kTextFile);
  if (path.empty() || !WriteChosenFile(path, text + "\r\n")) return;
  ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

// "上传配置": the assembly upload dialog, greyed while it is open.
void OnUploadAssembly() { RunUploadAssemblyDialog(); }

bool OnCommand(HWND page, int id, int code) {
  if (IsPriceBox(id)) {
    if (code == EN_CHANGE) UpdateTotals(page);
    return true;
  }
  if (const size_t row = RowOfChooseButton(id); row < kAssemblyRowCount) {
    OnChoosePart(page, static_cast<int>(row));
    return true;
  }
  if (const size_t row = RowOfSearchButton(id); row < kAssemblyRowCount) {
    OnSearch(page, row);
    return true;
  }
  switch (id) {
    case IDC_SHOW_SECOND_HAND:
    case IDC_SHOW_NEW_PRICE: OnPriceCheckBox(page, id); return true;
    case IDC_UPLOAD_ASSEMBLY: OnUploadAssembly(); return true;
    case IDC_ASSEMBLY_PICTURE: OnAssemblyPicture(page); return true;
    case IDC_COPY_ASSEMBLY: OnCopyAssembly(page); return true;
    case IDC_SAVE_ASSEMBLY: OnSaveAssembly(page); return true;
  }
  return false;
}

}  // namespace

// "选择": the part picker for the row's shop category.
void OnChoosePart(HWND page, int row) { RunPartPicker(page, kAssemblyRows[row].categoryId); }

void ApplyPriceColumns(HWND page) {
  ShowColumn(page, true, showSecondHand);
  ShowColumn(page, false, showNewPrice);
  InvalidateRect(page, nullptr, TRUE);
  UpdateWindow(page);
}

std::string AssemblyPageText(HWND page) {
  const AssemblyTexts rows = AssemblyPageRows(page);
  WriteListedTotals(page, rows);
  return BuildAssemblyText(rows, {showSecondHand, showNewPrice}, servers.site);
}

AssemblyTexts AssemblyPageRows(HWND page) {
  AssemblyTexts rows;
  for (size_t i = 0; i < kAssemblyRowCount; ++i) {
    const AssemblyRow& row = kAssemblyRows[i];
    rows[i] = {DialogItemText(page, row.modelId), DialogItemText(page, row.secondHandId),
               DialogItemText(page, row.newPriceId)};
  }
  return rows;
}

void WriteListedTotals(HWND page, const AssemblyTexts& rows) { WriteTotals(page, ListedTotals(rows)); }

INT_PTR CALLBACK AssemblyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (message) {
    case WM_INITDIALOG: OpenAssemblyPage(page); return TRUE;
    case WM_COMMAND: return OnCommand(page, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_DESTROY:
      DeleteObject(headerFont);
      headerFont = nullptr;
      return FALSE;
  }
  return PageColour(message, wParam);
}
