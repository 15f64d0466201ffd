// The driver's steps for forms: typing into a box, check boxes, the save dialog, and the assembly
// page's layout (its rows against the row table, the tab order, controls that overlap).
#include <cstdlib>

#include "assembly/assembly_rows.h"
#include "resources/resource.h"
#include "tests/wine/driver/gui_driver.h"

namespace {

using Args = std::vector<std::string>;

double Seconds(const std::string& text) { return std::atof(text.c_str()); }

std::string Name(HWND control) { return std::to_string(GetDlgCtrlID(control)); }

// The controls of page that stop the Tab key, in the order it visits them (z-order).
std::vector<HWND> TabStops(HWND page) {
  std::vector<HWND> stops;
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) != 0) stops.push_back(child);
  }
  return stops;
}

// The assembly page's tab order: the four buttons, then row by row the model, second-hand and
// new-price boxes and the two buttons, then the totals and the check boxes.
std::vector<int> ExpectedTabOrder() {
  std::vector<int> ids = {IDC_UPLOAD_ASSEMBLY, IDC_ASSEMBLY_PICTURE, IDC_COPY_ASSEMBLY, IDC_SAVE_ASSEMBLY};
  for (const AssemblyRow& row : kAssemblyRows) {
    ids.insert(ids.end(), {row.modelId, row.secondHandId, row.newPriceId, row.chooseId, row.searchId});
  }
  ids.insert(ids.end(),
             {IDC_SECOND_HAND_TOTAL, IDC_NEW_PRICE_TOTAL, IDC_SHOW_SECOND_HAND, IDC_SHOW_NEW_PRICE});
  return ids;
}

RECT PageRect(HWND page, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The static text just left of a row's model box, on the same line.
HWND LabelOf(HWND page, HWND model) {
  const RECT box = PageRect(page, model);
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != "Static") continue;
    const RECT label = PageRect(page, child);
    if (label.right <= box.left && label.bottom > box.top && label.top < box.bottom) return child;
  }
  return nullptr;
}

// The control id of page is of that class and, unless text is null, reads text (GBK).
void ExpectControl(HWND page, int id, const char* className, const char* text) {
  const HWND control = GetDlgItem(page, id);
  if (control == nullptr) Fail("no control " + std::to_string(id));
  if (ClassOf(control) != className)
    Fail("control " + std::to_string(id) + " is a " + ClassOf(control) + ", expected " + className);
  if (text != nullptr && WindowText(control) != text)
    Fail("control " + std::to_string(id) + " reads \"" + Utf8(WindowText(control)) + "\"");
}

void Rows(HWND page) {
  for (const AssemblyRow& row : kAssemblyRows) {
    for (int id : {row.modelId, row.secondHandId, row.newPriceId}) ExpectControl(page, id, "Edit", nullptr);
    ExpectControl(page, row.chooseId, "Button", "选择");
    ExpectControl(page, row.searchId, "Button", "搜索");
    const HWND label = LabelOf(page, GetDlgItem(page, row.modelId));
    const std::string text = label != nullptr ? WindowText(label) : "";
    if (text != row.pageLabel) Fail("row " + Utf8(row.pageLabel) + " is labelled \"" + Utf8(text) + "\"");
  }
}

void TabOrder(HWND page) {
  std::vector<int> found;
  for (HWND stop : TabStops(page)) found.push_back(GetDlgCtrlID(stop));
  if (found == ExpectedTabOrder()) return;
  std::string list;
  for (int id : found) list += " " + std::to_string(id);
  Fail("tab order:" + list);
}

// No two visible controls share a pixel, and every control lies inside the page.
void NoOverlap(HWND page) {
  RECT client;
  GetClientRect(page, &client);
  std::vector<HWND> shown;
  for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && GetDlgCtrlID(child) != 0) shown.push_back(child);
  }
  for (size_t i = 0; i < shown.size(); ++i) {
    const RECT a = PageRect(page, shown[i]);
    RECT inside;
    IntersectRect(&inside, &a, &client);
    if (!EqualRect(&inside, &a)) Fail("control " + Name(shown[i]) + " reaches outside the page");
    for (size_t j = i + 1; j < shown.size(); ++j) {
      const RECT b = PageRect(page, shown[j]);
      RECT common;
      if (IntersectRect(&common, &a, &b))
        Fail("controls " + Name(shown[i]) + " and " + Name(shown[j]) + " overlap");
    }
  }
}

// The file name box of a save dialog: the explorer style's combo box or the older edit.
HWND FileNameBox(HWND dialog) {
  for (int id : {0x47c, 0x480}) {
    const HWND box = GetDlgItem(dialog, id);
    if (box != nullptr && IsWindowVisible(box)) return box;
  }
  Fail("the save dialog has no file name box");
}

// A dialog with this caption (GBK).
HWND WaitDialog(const std::string& caption, const std::string& seconds) {
  HWND dialog = nullptr;
  if (!WaitFor(Seconds(seconds), [&] { return (dialog = FindMessageBox(caption)) != nullptr; })) {
    Fail("no dialog \"" + Utf8(caption) + "\" within " + seconds + " s");
  }
  return dialog;
}

void Answer(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
  if (!WaitFor(10, [&] { return !IsWindow(dialog); })) Fail("the dialog did not close");
}

}  // namespace

// type PAGE ID TEXT: the box's text becomes TEXT, as if typed (the page is told of the change).
void Type(const Args& a) {
  const HWND control = Control(a[0], std::atoi(a[1].c_str()));
  const std::string text = Gbk(a[2]);
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// checked PAGE ID yes/no: a check box's state.
// A pressed box (the press is posted) may change a moment later: the state is awaited for 5 s. The
// box changes inside its click, before the page's handler runs; a message sent after it is answered
// only once that handler has returned, so the steps that follow see what the handler did.
void Checked(const Args& a) {
  const HWND box = Control(a[0], std::atoi(a[1].c_str()));
  bool checked = false;
  const bool expected = WaitFor(5, [&] {
    checked = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked == (a[2] == "yes");
  });
  if (!expected)
    Fail(a[0] + " check box " + a[1] + " checked=" + (checked ? "yes" : "no") + ", expected " + a[2]);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(box, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

// save-as NAME SECONDS: the save dialog "新建" comes; NAME (a path, or a file name in the folder it
// starts in) is typed and saved.
void SaveAs(const Args& a) {
  const HWND dialog = WaitDialog("新建", a[1]);
  const std::string name = Gbk(a[0]);
  SendMessageA(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  Answer(dialog, IDOK);
}

// save-cancel SECONDS: the save dialog "新建" comes and is cancelled.
void SaveCancel(const Args& a) { Answer(WaitDialog("新建", a[0]), IDCANCEL); }

// assembly-layout: the rows against the row table, the tab order and no overlapping controls.
void AssemblyLayout(const Args&) {
  const HWND page = Page("assembly");
  Rows(page);
  TabOrder(page);
  NoOverlap(page);
}

namespace {

struct TitleSearch {
  std::string part;
  HWND found = nullptr;
};

BOOL CALLBACK FindTitled(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<TitleSearch*>(param);
  if (!IsWindowVisible(window) || WindowText(window).find(search->part) == std::string::npos) return TRUE;
  search->found = window;
  return FALSE;
}

HWND Titled(const std::string& part) {
  TitleSearch search{part};
  EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

// opened TEXT SECONDS: a window whose title holds TEXT (a program the shell started for a file)
// comes within SECONDS; it is closed.
void Opened(const Args& a) {
  HWND window = nullptr;
  if (!WaitFor(Seconds(a[1]), [&] { return (window = Titled(Gbk(a[0]))) != nullptr; })) {
    Fail("no window titled with \"" + a[0] + "\" within " + a[1] + " s");
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (!WaitFor(10, [&] { return !IsWindow(window); }))
    Fail("the window \"" + Utf8(WindowText(window)) + "\" did not close");
}

// not-opened TEXT SECONDS: no window whose title holds TEXT comes within SECONDS.
void NotOpened(const Args& a) {
  HWND window = nullptr;
  if (WaitFor(Seconds(a[1]), [&] { return (window = Titled(Gbk(a[0]))) != nullptr; })) {
    Fail("a window \"" + Utf8(WindowText(window)) + "\" was opened");
  }
}

// hold FILE RELEASE SECONDS: keeps FILE open for reading only, as another program that has it open
// does, until the file RELEASE exists or SECONDS have passed.
void Hold(const Args& a) {
  const HANDLE file =
      CreateFileA(Gbk(a[0]).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail("cannot open " + a[0]);
  Say("held");
  const std::string release = Gbk(a[1]);
  WaitFor(Seconds(a[2]), [&] { return GetFileAttributesA(release.c_str()) != INVALID_FILE_ATTRIBUTES; });
  CloseHandle(file);
}

// hold-clipboard RELEASE SECONDS: keeps the clipboard open, as a program busy with it does, until
// the file RELEASE exists or SECONDS have passed. It is opened for a window of the driver's own
// (Wine lets a second opening without a window through while the first had none).
void HoldClipboard(const Args& a) {
  const HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) Fail("cannot open the clipboard");
  Say("held");
  const std::string release = Gbk(a[0]);
  WaitFor(Seconds(a[1]), [&] { return GetFileAttributesA(release.c_str()) != INVALID_FILE_ATTRIBUTES; });
  CloseClipboard();
  DestroyWindow(owner);
}

// pictures COUNT AFTER...: COUNT pictures through the assembly page's "生成配置图片", each into the
// same PNG file of the program folder (the overwrite question answered with OK); after each
// picture numbered in AFTER (and the last) a line "picture N: <counters> ms_per_picture=<mean>".
void Pictures(const Args& a) {
  const int count = std::atoi(a[0].c_str());
  const HWND button = Control("assembly", IDC_ASSEMBLY_PICTURE);
  const DWORD processId = ProcessOf(button);
  const ULONGLONG start = GetTickCount64();
  for (int picture = 1; picture <= count; ++picture) {
    PostMessageA(button, BM_CLICK, 0, 0);
    const HWND dialog = WaitDialog("新建", "20");
    SendMessageA(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pictures.png"));
    Answer(dialog, IDOK);
    if (picture > 1) Answer(WaitDialog("警告", "20"), IDOK);
    const HWND done = WaitDialog("提示", "60");
    if (MessageBoxText(done).find("配置图片生成完成") != 0)
      Fail("picture " + std::to_string(picture) + ": " + Utf8(MessageBoxText(done)));
    Answer(done, IDOK);
    bool report = picture == count;
    for (size_t i = 1; i < a.size(); ++i) report = report || std::atoi(a[i].c_str()) == picture;
    if (!report) continue;
    const ULONGLONG perPicture = (GetTickCount64() - start) / static_cast<ULONGLONG>(picture);
    Sleep(500);
    Say("picture " + std::to_string(picture) + ": " + CounterLine(processId) +
        " ms_per_picture=" + std::to_string(perPicture));
  }
}
