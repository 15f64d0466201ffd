// The driver's steps for the upload dialogs: waiting for them, their lists and places on the
// screen, reading their boxes, and timer 1 of the main window.
#include <cstdlib>

#include "tests/wine/driver/gui_driver.h"

namespace {

using Args = std::vector<std::string>;

double Seconds(const std::string& text) { return std::atof(text.c_str()); }
std::string Quoted(const std::string& gbk) { return "\"" + Utf8(gbk) + "\""; }

}  // namespace

// dialog NAME SECONDS: the dialog shows within SECONDS, a window of its own with no owner.
void DialogStep(const Args& a) {
  HWND dialog = nullptr;
  if (!WaitFor(Seconds(a[1]), [&] { return (dialog = FindDialog(a[0])) != nullptr; })) {
    Fail("no " + a[0] + " dialog within " + a[1] + " s");
  }
  if (GetWindow(dialog, GW_OWNER) != nullptr) Fail("the " + a[0] + " dialog has an owner window");
}

// no-dialog NAME SECONDS: the dialog does not show during SECONDS.
void NoDialog(const Args& a) {
  if (WaitFor(Seconds(a[1]), [&] { return FindDialog(a[0]) != nullptr; }))
    Fail("unexpected " + a[0] + " dialog");
}

// dialog-gone NAME SECONDS: the dialog has closed within SECONDS.
void DialogGone(const Args& a) {
  if (!WaitFor(Seconds(a[1]), [&] { return FindDialog(a[0]) == nullptr; })) {
    Fail("the " + a[0] + " dialog is still open after " + a[1] + " s");
  }
}

// items PAGE ID TEXT...: a combo box's list, in order.
void Items(const Args& a) {
  std::string found;
  for (const std::string& item : ComboItems(Control(a[0], std::atoi(a[1].c_str()))))
    found += " " + Quoted(item);
  std::string wanted;
  for (size_t i = 2; i < a.size(); ++i) wanted += " \"" + a[i] + "\"";
  if (found != wanted) Fail(a[0] + " list " + a[1] + ":" + found + ", expected" + wanted);
}

// place NAME: prints "x y width height screen_width screen_height" of the dialog's window.
void Place(const Args& a) {
  RECT rect;
  GetWindowRect(Page(a[0]), &rect);
  Say(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
      std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top) + " " +
      std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " + std::to_string(GetSystemMetrics(SM_CYSCREEN)));
}

// timer N: the main window's timer N runs out now (the message the system posts when it does).
void Timer(const Args& a) {
  PostMessageA(MainWindow(), WM_TIMER, static_cast<WPARAM>(std::atoi(a[0].c_str())), 0);
}

// read PAGE ID: prints the control's text (UTF-8).
void Read(const Args& a) { Say(Utf8(WindowText(Control(a[0], std::atoi(a[1].c_str()))))); }

// dialog-count NAME N [SECONDS]: exactly N such dialogs show, now and for SECONDS after.
void DialogCount(const Args& a) {
  size_t count = 0;
  const auto differs = [&] { return std::to_string(count = FindDialogs(a[0]).size()) != a[1]; };
  if (differs() || WaitFor(a.size() > 2 ? Seconds(a[2]) : 0, differs)) {
    Fail(std::to_string(count) + " " + a[0] + " dialogs, expected " + a[1]);
  }
}
