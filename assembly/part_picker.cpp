// The part picker's dialog procedure: it moves the catalogue's rows (assembly/shop_catalogue) into
// its two list views and the chosen goods into the assembly page's boxes. Every action opens its own
// connection to the shop and closes it at its end.
#include "assembly/part_picker.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/window_state.h"
#include "assembly/assembly_form.h"
#include "assembly/shop_catalogue.h"
#include "resources/resource.h"

namespace {

constexpr const char* kNoConnection = "连接资料库失败!";
// Posted by WM_INITDIALOG: the lists are filled once the picker is on the screen, so that the window
// is there while the shop answers (up to the connect time-out).
constexpr UINT kFillOnOpen = WM_APP + 1;
// What the picker reads of a brand's cat_id column and of the model text (characters).
constexpr int kCatIdLength = 29;
constexpr size_t kModelLength = 49;
// What the picker reads of a goods row's columns before keeping them cut (PickedGoods).
constexpr size_t kItemLength = 259;

HWND Brands(HWND picker) { return GetDlgItem(picker, IDC_PICKER_BRANDS); }
HWND Goods(HWND picker) { return GetDlgItem(picker, IDC_PICKER_GOODS); }

// A list-view column: title, width in pixels, alignment (LVCFMT_LEFT or LVCFMT_CENTER).
struct ListColumn {
  const char* title;
  int width;
  int format;
};

void AddColumns(HWND list, DWORD extendedStyle, const std::vector<ListColumn>& columns) {
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extendedStyle, extendedStyle);
  for (size_t i = 0; i < columns.size(); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = columns[i].format;
    column.cx = columns[i].width;
    column.pszText = const_cast<char*>(columns[i].title);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

// The goods list's price columns follow the assembly page's display flags; a hidden column keeps
// width 0 and still holds its values.
void SetUpLists(HWND picker) {
  AddColumns(Goods(picker), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP,
             {{"名称", 280, LVCFMT_LEFT},
              {"二手估价", showSecondHand ? 90 : 0, LVCFMT_CENTER},
              {"价格", showNewPrice ? 90 : 0, LVCFMT_CENTER}});
  AddColumns(Brands(picker), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
             {{"品牌", 138, LVCFMT_LEFT}, {"", 0, LVCFMT_LEFT}});
}

// Appends one item (its columns' texts) at the end of list.
void AppendItem(HWND list, const std::vector<const std::string*>& texts) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(texts[0]->c_str());
  const int index = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t i = 1; i < texts.size(); ++i) {
    LVITEMA column{};
    column.iSubItem = static_cast<int>(i);
    column.pszText = const_cast<char*>(texts[i]->c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&column));
  }
}

void ShowGoods(HWND picker, const std::vector<ShopGoods>& goods) {
  const HWND list = Goods(picker);
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  for (const ShopGoods& row : goods) AppendItem(list, {&row.name, &row.secondHand, &row.price});
}

std::string ItemText(HWND list, int index, int column, size_t length) {
  std::string text(length + 1, '\0');
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = &text[0];
  item.cchTextMax = static_cast<int>(text.size());
  const LRESULT copied = SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
  text.resize(static_cast<size_t>(copied));
  return text;
}

// The shop's connection for one action, or the notice "连接资料库失败!" (no owner, as the picker
// itself has none) and nothing.
ShopConnection Connect() {
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  ShopConnection connection = OpenShopConnection(servers);
  if (!connection) MessageBoxA(nullptr, kNoConnection, "提示", MB_OK);
  return connection;
}

void ShowPaging(HWND picker, const GoodsPaging& paging) {
  pickerPage = paging.page;
  EnableWindow(GetDlgItem(picker, IDC_PICKER_PREVIOUS), paging.previous);
  EnableWindow(GetDlgItem(picker, IDC_PICKER_NEXT), paging.next);
}

// Opening: the brands of the category and the first page of all its goods. Without a connection
// both lists stay empty and pickerBusy stays set.
void FillOnOpen(HWND picker) {
  // The dialog would show only once its queue is empty; a person should see it while the shop answers.
  ShowWindow(picker, SW_SHOW);
  UpdateWindow(picker);
  const ShopConnection connection = Connect();
  if (!connection) return;
  for (const ShopBrand& brand : ReadBrands(connection.get(), pickerParentId)) {
    AppendItem(Brands(picker), {&brand.name, &brand.catId});
  }
  ShowGoods(picker, ReadGoodsPage(connection.get(), pickerParentId, 0, 0));
  pickerBusy = false;
}

// A brand chosen: the first page of its goods, with both paging buttons back.
void OnBrandChosen(HWND picker, int index) {
  pickerCatId = std::atoi(ItemText(Brands(picker), index, 1, kCatIdLength).c_str());
  pickerPage = 0;
  const ShopConnection connection = Connect();
  if (!connection) return;
  ShowGoods(picker, ReadGoodsPage(connection.get(), pickerParentId, pickerCatId, 0));
  ShowPaging(picker, GoodsPaging{});
}

void OnGoodsChosen(HWND picker, int index) {
  const HWND list = Goods(picker);
  pickerSelection = PickedGoods({ItemText(list, index, 0, kItemLength), ItemText(list, index, 1, kItemLength),
                                 ItemText(list, index, 2, kItemLength)});
}

// "下一页" (step +1) and "上一页" (step -1). Both buttons stay greyed when the shop cannot be reached.
void OnTurnPage(HWND picker, int step) {
  ShowPaging(picker, {pickerPage, false, false});
  SendMessageA(Goods(picker), LVM_DELETEALLITEMS, 0, 0);
  const int from = pickerPage;
  pickerPage = TurnedPage(from, step);
  if (pickerPage < 0) {
    ShowPaging(picker, PagingAfterTurn(from, step, false));
    return;
  }
  pickerBusy = true;
  const ShopConnection connection = Connect();
  if (!connection) return;
  const std::vector<ShopGoods> goods =
      ReadGoodsPage(connection.get(), pickerParentId, pickerCatId, pickerPage);
  ShowGoods(picker, goods);
  ShowPaging(picker, PagingAfterTurn(from, step, !goods.empty()));
  pickerBusy = false;
}

// "查找": the category's goods whose name holds the model text, across its brands. Paging afterwards
// goes on from the page the listing stood on.
void OnFind(HWND picker) {
  char text[256] = {};
  GetDlgItemTextA(picker, IDC_PICKER_MODEL, text, sizeof text);
  const std::string model(Leading(text, kModelLength));
  if (model.empty()) return;
  const ShopConnection connection = Connect();
  if (!connection) return;
  ShowGoods(picker, SearchGoods(connection.get(), pickerParentId, model));
}

// "完成": the chosen goods into the row of the category; nothing is written when no goods row was
// chosen since the picker opened, or when no row has the category.
void OnDone(HWND picker) {
  const size_t row = FindCategoryRow(pickerParentId);
  if (row < kAssemblyRowCount && !pickerSelection.name.empty()) {
    SetDlgItemTextA(AssemblyPage, kAssemblyRows[row].modelId, pickerSelection.name.c_str());
    SetDlgItemTextA(AssemblyPage, kAssemblyRows[row].secondHandId, pickerSelection.secondHand.c_str());
    SetDlgItemTextA(AssemblyPage, kAssemblyRows[row].newPriceId, pickerSelection.price.c_str());
  }
  EndDialog(picker, IDCANCEL);
}

// A row of either list became the selected and focused one.
void OnItemChanged(HWND picker, const NMLISTVIEW& change) {
  const UINT chosen = LVIS_SELECTED | LVIS_FOCUSED;
  if (pickerBusy || change.iItem < 0 || (change.uNewState & chosen) != chosen) return;
  if (change.hdr.idFrom == IDC_PICKER_BRANDS) OnBrandChosen(picker, change.iItem);
  if (change.hdr.idFrom == IDC_PICKER_GOODS) OnGoodsChosen(picker, change.iItem);
}

void OnOpen(HWND picker) {
  pickerBusy = true;
  pickerCatId = 0;
  pickerPage = 0;
  pickerSelection = ShopGoods{};
  SetUpLists(picker);
  PostMessageA(picker, kFillOnOpen, 0, 0);
}

bool OnCommand(HWND picker, int id) {
  switch (id) {
    case IDC_PICKER_FIND: OnFind(picker); return true;
    case IDC_PICKER_NEXT: OnTurnPage(picker, +1); return true;
    case IDC_PICKER_PREVIOUS: OnTurnPage(picker, -1); return true;
    case IDC_PICKER_DONE: OnDone(picker); return true;
    case IDCANCEL: EndDialog(picker, IDCANCEL); return true;
  }
  return false;
}

}  // namespace

INT_PTR CALLBACK PartPickerProc(HWND picker, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: OnOpen(picker); return TRUE;
    case kFillOnOpen: FillOnOpen(picker); return TRUE;
    case WM_COMMAND: return OnCommand(picker, LOWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == LVN_ITEMCHANGED)
        OnItemChanged(picker, *reinterpret_cast<const NMLISTVIEW*>(lParam));
      return FALSE;
    }
  }
  return FALSE;
}

void RunPartPicker(HWND page, int parentId) {
  pickerParentId = parentId;
  for (const AssemblyRow& row : kAssemblyRows) EnableWindow(GetDlgItem(page, row.chooseId), FALSE);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PART_PICKER), nullptr, PartPickerProc, 0);
  for (const AssemblyRow& row : kAssemblyRows) EnableWindow(GetDlgItem(page, row.chooseId), TRUE);
}
