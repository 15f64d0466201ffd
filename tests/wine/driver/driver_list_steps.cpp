// The driver's steps for list views (the part picker's): a list's rows, columns and styles, and
// choosing a row as a click does.
#include "tests/wine/driver/gui_driver.h"

#include <commctrl.h>

#include <cstdlib>

namespace {

using Args = std::vector<std::string>;

int Number(const std::string& text) { return std::atoi(text.c_str()); }
double Seconds(const std::string& text) { return std::atof(text.c_str()); }

HWND ListView(const Args& a) {
  const HWND list = Control(a[0], Number(a[1]));
  if (ClassOf(list) != "SysListView32") Fail(a[0] + " control " + a[1] + " is no list view");
  return list;
}

}  // namespace

// rows PAGE ID N [S]: the list holds N rows (within S seconds).
void Rows(const Args& a) {
  const HWND list = ListView(a);
  const int wanted = Number(a[2]);
  if (WaitFor(a.size() > 3 ? Seconds(a[3]) : 0, [&] { return ListRowCount(list) == wanted; })) return;
  Fail(a[0] + " list " + a[1] + " holds " + std::to_string(ListRowCount(list)) + " rows, expected " + a[2]);
}

// list PAGE ID: every row, its columns' texts joined by tabs, one row a line.
void ListStep(const Args& a) {
  const HWND list = ListView(a);
  const size_t columns = ListColumns(list).size();
  const int rows = ListRowCount(list);
  for (int row = 0; row < rows; ++row) {
    std::string line;
    for (size_t column = 0; column < columns; ++column) {
      line += (column ? "\t" : "") + Utf8(ListItemText(list, row, static_cast<int>(column)));
    }
    Say(line);
  }
}

// columns PAGE ID: each column as title, tab, width in pixels, tab, alignment.
void Columns(const Args& a) {
  for (const ListColumnInfo& column : ListColumns(ListView(a))) {
    const char* alignment = column.format == LVCFMT_CENTER  ? "center"
                            : column.format == LVCFMT_RIGHT ? "right"
                                                            : "left";
    Say(Utf8(column.title) + "\t" + std::to_string(column.width) + "\t" + alignment);
  }
}

// list-style PAGE ID: the extended styles a person sees (grid lines, full-row select, info tips).
void ListStyle(const Args& a) {
  const LRESULT style = SendMessageA(ListView(a), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  std::string words;
  if (style & LVS_EX_GRIDLINES) words += " gridlines";
  if (style & LVS_EX_FULLROWSELECT) words += " fullrow";
  if (style & LVS_EX_INFOTIP) words += " infotip";
  Say(words.empty() ? std::string("none") : words.substr(1));
}

// choose PAGE ID ROW: the row is selected and focused, as a click on it makes it.
void Choose(const Args& a) {
  const HWND list = ListView(a);
  const int row = Number(a[2]);
  if (row >= ListRowCount(list)) Fail(a[0] + " list " + a[1] + " has no row " + a[2]);
  ChooseListRow(list, row);
}
