// The assembly page "组装配置" (dialog 102): the configuration form on the left, its four buttons
// across the top and the web pane on the right (made by the main window's timer 3).
#pragma once

#include <windows.h>

#include <string>

#include "assembly/assembly_form.h"

INT_PTR CALLBACK AssemblyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// "选择" of row (an index into kAssemblyRows): the part picker for the row's shop category.
void OnChoosePart(HWND page, int row);

// Shows or hides the controls of each price column as showSecondHand and showNewPrice say, then
// draws the page again.
void ApplyPriceColumns(HWND page);

// The configuration as text (for copy, save and the picture), from the page's boxes and the shown
// columns; it writes the totals of the listed rows back into the total boxes.
std::string AssemblyPageText(HWND page);

// The page's boxes as the forms read them, and the totals of the rows with a model written into the
// total boxes, as building a form does (the upload builds its table from rows read before).
AssemblyTexts AssemblyPageRows(HWND page);
void WriteListedTotals(HWND page, const AssemblyTexts& rows);
