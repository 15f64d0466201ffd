// The driver's steps: each checks what a person would see, or does what a person would do, and
// fails with a readable message on the first unmet expectation.
#include <cstdlib>

#include "resources/resource.h"
#include "tests/wine/driver/gui_driver.h"

namespace {

using Args = std::vector<std::string>;

int Number(const std::string& text) { return std::atoi(text.c_str()); }
double Seconds(const std::string& text) { return std::atof(text.c_str()); }
bool Yes(const std::string& text) { return text == "yes"; }
std::string YesNo(bool value) { return value ? "yes" : "no"; }
std::string Quoted(const std::string& gbk) { return "\"" + Utf8(gbk) + "\""; }

void Expect(bool holds, const std::string& what) {
  if (!holds) Fail(what);
}

HWND StatusBar() { return GetDlgItem(MainWindow(), IDC_STATUS_BAR); }
HWND Tabs() { return GetDlgItem(MainWindow(), IDC_TABS); }

void WaitWindow(const Args& a) {
  Expect(WaitFor(Seconds(a[0]), [] { return !MainWindows().empty(); }), "no main window within " + a[0] + " s");
}

void Gone(const Args& a) {
  Expect(WaitFor(Seconds(a[0]), [] { return MainWindows().empty(); }), "the main window is still there after " + a[0] + " s");
}

void Caption(const Args& a) {
  const std::string caption = WindowText(MainWindow());
  Expect(caption == Gbk(a[0]), "caption " + Quoted(caption) + ", expected \"" + a[0] + "\"");
}

void TabsStep(const Args& a) {
  const std::vector<std::string> texts = TabTexts(Tabs());
  std::string found;
  for (const std::string& text : texts) found += " " + Quoted(text);
  std::string wanted;
  for (const std::string& text : a) wanted += " \"" + text + "\"";
  Expect(found == wanted, "tabs" + found + ", expected" + wanted);
}

// A click on tab N's middle, as the mouse gives it (the tab control then tells the window).
void SelectTab(const Args& a) {
  const HWND tabs = Tabs();
  RECT item = TabItemRect(tabs, Number(a[0]));
  MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&item), 2);
  const LPARAM middle = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageA(tabs, WM_LBUTTONUP, 0, middle);
}

bool OnlyShown(const std::string& page) {
  for (const char* name : {"summary", "detail", "assembly"}) {
    if (IsWindowVisible(Page(name)) != (page == name)) return false;
  }
  return true;
}

void Shown(const Args& a) {
  const double limit = a.size() > 1 ? Seconds(a[1]) : 0;
  if (WaitFor(limit, [&] { return OnlyShown(a[0]); })) return;
  std::string state;
  for (const char* name : {"summary", "detail", "assembly"}) state += std::string(" ") + name + "=" + YesNo(IsWindowVisible(Page(name)));
  Fail("expected only the " + a[0] + " page shown; visible:" + state);
}

void Status(const Args& a) {
  const std::string text = StatusText(StatusBar(), Number(a[0]));
  Expect(text == Gbk(a[1]), "status part " + a[0] + " " + Quoted(text) + ", expected \"" + a[1] + "\"");
}

void WaitStatus(const Args& a) {
  const int part = Number(a[0]);
  if (WaitFor(Seconds(a[2]), [&] { return StatusText(StatusBar(), part) == Gbk(a[1]); })) return;
  Fail("status part " + a[0] + " still " + Quoted(StatusText(StatusBar(), part)) + " after " + a[2] + " s, expected \"" +
       a[1] + "\"");
}

void Edges(const Args& a) {
  std::string found;
  for (int edge : StatusEdges(StatusBar())) found += " " + std::to_string(edge);
  std::string wanted;
  for (const std::string& edge : a) wanted += " " + edge;
  Expect(found == wanted, "status bar part edges" + found + ", expected" + wanted);
}

void Text(const Args& a) {
  const std::string text = WindowText(Control(a[0], Number(a[1])));
  Expect(text == Gbk(a[2]), a[0] + " control " + a[1] + " reads " + Quoted(text) + ", expected \"" + a[2] + "\"");
}

void Enabled(const Args& a) {
  const bool enabled = IsWindowEnabled(Control(a[0], Number(a[1]))) != FALSE;
  Expect(enabled == Yes(a[2]), a[0] + " control " + a[1] + " enabled=" + YesNo(enabled) + ", expected " + a[2]);
}

void WaitEnabled(const Args& a) {
  const int id = Number(a[1]);
  if (WaitFor(Seconds(a[3]), [&] { return (IsWindowEnabled(Control(a[0], id)) != FALSE) == Yes(a[2]); })) return;
  Fail(a[0] + " control " + a[1] + " not enabled=" + a[2] + " within " + a[3] + " s");
}

void Visible(const Args& a) {
  const bool visible = IsWindowVisible(Control(a[0], Number(a[1]))) != FALSE;
  Expect(visible == Yes(a[2]), a[0] + " control " + a[1] + " visible=" + YesNo(visible) + ", expected " + a[2]);
}

void WaitVisible(const Args& a) {
  const int id = Number(a[1]);
  if (WaitFor(Seconds(a[3]), [&] { return (IsWindowVisible(Control(a[0], id)) != FALSE) == Yes(a[2]); })) return;
  Fail(a[0] + " control " + a[1] + " not visible=" + a[2] + " within " + a[3] + " s");
}

// A click on a button: only on one a person could click.
// A person waits for a button that is shown and not greyed: the page may be between the hiding and
// the showing of its repaint (the price columns' check boxes) when the step comes.
void Press(const Args& a) {
  const HWND button = Control(a[0], Number(a[1]));
  Expect(WaitFor(5, [&] { return IsWindowVisible(button) && IsWindowEnabled(button); }),
         a[0] + " button " + a[1] + " cannot be pressed (hidden or greyed for 5 s)");
  PostMessageA(button, BM_CLICK, 0, 0);
}

// A window as a message names it: class, id, text, and the window it is in.
std::string Describe(HWND window) {
  if (window == nullptr) return "nothing";
  std::string text = ClassOf(window) + " " + std::to_string(GetDlgCtrlID(window)) + " " + Quoted(WindowText(window));
  char style[32];
  wsprintfA(style, " style %08lx", static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
  text += style;
  const HWND parent = GetParent(window);
  if (parent != nullptr) text += " in " + ClassOf(parent) + " " + std::to_string(GetDlgCtrlID(parent));
  return text;
}

// The keyboard focus is on this control (of the main window's thread).
void Focus(const Args& a) {
  const HWND control = Control(a[0], Number(a[1]));
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  const auto focused = [&] {
    return GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &thread) && thread.hwndFocus == control;
  };
  if (WaitFor(a.size() > 2 ? Seconds(a[2]) : 0, focused)) return;
  Fail("the focus is on " + Describe(thread.hwndFocus) + ", expected " + a[0] + " control " + a[1]);
}

void Where(const Args& a) {
  RECT rect;
  GetWindowRect(Control(a[0], Number(a[1])), &rect);
  Say(std::to_string((rect.left + rect.right) / 2) + " " + std::to_string((rect.top + rect.bottom) / 2));
}

void WhereTab(const Args& a) {
  const RECT item = TabItemRect(Tabs(), Number(a[0]));
  Say(std::to_string((item.left + item.right) / 2) + " " + std::to_string((item.top + item.bottom) / 2));
}

}  // namespace

// The steps that follow processes, message boxes, counters and resources (driver_process_steps.cpp).
void CloseStep(const Args& a);
void WaitExit(const Args& a);
void Box(const Args& a);
void NoBox(const Args& a);
void Counters(const Args& a);
void Soak(const Args& a);
void Resources(const Args& a);
// The steps for forms (driver_form_steps.cpp).
void Type(const Args& a);
void Checked(const Args& a);
void SaveAs(const Args& a);
void SaveCancel(const Args& a);
void AssemblyLayout(const Args& a);
void Opened(const Args& a);
void NotOpened(const Args& a);
void Hold(const Args& a);
void HoldClipboard(const Args& a);
void Pictures(const Args& a);
// The upload dialogs' steps (driver_dialog_steps.cpp).
void DialogStep(const Args& a);
void NoDialog(const Args& a);
void DialogGone(const Args& a);
void Items(const Args& a);
void Place(const Args& a);
void Timer(const Args& a);
void Read(const Args& a);
void DialogCount(const Args& a);
// The list-view steps (driver_list_steps.cpp).
void Rows(const Args& a);
void ListStep(const Args& a);
void Columns(const Args& a);
void ListStyle(const Args& a);
void Choose(const Args& a);

namespace {

struct Step {
  const char* name;
  size_t arguments;  // at least this many
  void (*run)(const Args&);
};

constexpr Step kSteps[] = {
    {"wait-window", 1, WaitWindow}, {"gone", 1, Gone},           {"caption", 1, Caption},
    {"tabs", 1, TabsStep},          {"select-tab", 1, SelectTab}, {"shown", 1, Shown},
    {"status", 2, Status},          {"wait-status", 3, WaitStatus}, {"status-edges", 1, Edges},
    {"text", 3, Text},              {"enabled", 3, Enabled},     {"wait-enabled", 4, WaitEnabled},
    {"visible", 3, Visible},        {"press", 2, Press},         {"where", 2, Where},
    {"where-tab", 1, WhereTab},     {"focus", 2, Focus},     {"close", 2, CloseStep},     {"wait-exit", 2, WaitExit},
    {"box", 4, Box},                {"no-box", 2, NoBox},        {"counters", 0, Counters},
    {"soak", 2, Soak},              {"resources", 2, Resources},
    {"type", 3, Type},              {"checked", 3, Checked},     {"save-as", 2, SaveAs},
    {"save-cancel", 1, SaveCancel}, {"assembly-layout", 0, AssemblyLayout}, {"opened", 2, Opened},
    {"not-opened", 2, NotOpened},   {"hold", 3, Hold},           {"hold-clipboard", 2, HoldClipboard},
    {"pictures", 1, Pictures},
    {"dialog", 2, DialogStep},      {"no-dialog", 2, NoDialog},  {"dialog-gone", 2, DialogGone},
    {"items", 2, Items},            {"place", 1, Place},         {"timer", 1, Timer},
    {"read", 2, Read},              {"dialog-count", 2, DialogCount},
    {"rows", 3, Rows},              {"list", 2, ListStep},       {"columns", 2, Columns},
    {"list-style", 2, ListStyle},   {"choose", 3, Choose},       {"wait-visible", 4, WaitVisible},
};

}  // namespace

void RunStep(const std::vector<std::string>& step) {
  for (const Step& known : kSteps) {
    if (step[0] != known.name) continue;
    const Args arguments(step.begin() + 1, step.end());
    if (arguments.size() < known.arguments) Fail(step[0] + " needs " + std::to_string(known.arguments) + " arguments");
    std::string line = "step:";
    for (const std::string& word : step) line += " " + word;
    Log(line);
    known.run(arguments);
    return;
  }
  Fail("unknown step \"" + step[0] + "\"");
}
