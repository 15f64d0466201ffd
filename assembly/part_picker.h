// The part picker "选择配件" (dialog 107): the brands and goods of one shop category, paged and
// searched, and the chosen goods written into the assembly page's row for that category.
#pragma once

#include <windows.h>

// Runs the picker for the shop category parentId (pickerParentId) as a modal dialog without an owner,
// so that the main window stays usable. The assembly page's "选择" buttons are greyed while it is
// open: a second picker would rebind pickerParentId under the first.
void RunPartPicker(HWND page, int parentId);

INT_PTR CALLBACK PartPickerProc(HWND picker, UINT message, WPARAM wParam, LPARAM lParam);
