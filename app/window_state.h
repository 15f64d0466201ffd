// Every process-wide value of the window side: what sets it and who reads it. The scan's texts are
// listed in scan/records.h. All of it is set once at start-up or on the user-interface thread; the
// scan thread only reads the handles (to enable buttons, start timers and set the status text).
#pragma once

#include <windows.h>

#include <string>

#include "app/servers.h"
#include "assembly/shop_catalogue.h"

// The browser control's interface (exdisp.h); only app/browser_pane.cpp uses it whole.
struct IWebBrowser2;

// programDirectory  the folder of hwdex.exe without a trailing "\". Set by WinMain; read by every
//                   window for "config.htm", "view.htm", "hwdex.ini", "cf.bmp" and save dialogs.
// programFile       the full path of hwdex.exe. Set by WinMain; read for the blank page's address.
// servers           the product web site, update server and shop database. Set by WinMain from the
//                   compiled-in addresses and "hwdex.ini"; read by the panes, the update check, the shop.
extern std::string programDirectory;
extern std::string programFile;
extern ServerAddresses servers;

// showSecondHand, showNewPrice  the assembly page's price columns. Set by WinMain from the command
//                   line or "hwdex.ini", changed by the assembly page's check boxes 1223 and 1224;
//                   read by the assembly page and the part picker.
extern bool showSecondHand;
extern bool showNewPrice;

// MainWindow        dialog 101. Set by MainWindowProc on WM_INITDIALOG; read by the scan hooks
//                   (timers 5 and 2), the update check (title, timer 1, close) and the picture (owner).
// tabControl        its tab control 1000, parent of the three pages. Set with MainWindow.
// statusBar         its status bar 156. Set with MainWindow; the scan hooks write part 0.
// SummaryPage, DetailPage, AssemblyPage  the pages 103, 104, 102. Each set by its own dialog
//                   procedure on WM_INITDIALOG; read by the tab change, the scan hooks (buttons),
//                   timer 3 (the assembly page's pane) and the detailed page.
// currentPage       the page shown by the last tab change (not set at start-up). Set by the tab
//                   change; the assembly page hides and shows it to repaint.
extern HWND MainWindow;
extern HWND tabControl;
extern HWND statusBar;
extern HWND SummaryPage;
extern HWND DetailPage;
extern HWND AssemblyPage;
extern HWND currentPage;

// summaryPane, detailPane  the browser controls of the summary and detail pages, null when no
// control could be had. Set by the pages on WM_INITDIALOG; navigated by timers 5 and 2; released
// when the main window closes.
extern IWebBrowser2* summaryPane;
extern IWebBrowser2* detailPane;

// autoPromptUpload  set by timer 1 just before the upload prompt opens; read and cleared by the
//                   upload dialog, which then sits in the bottom right corner.
extern bool autoPromptUpload;

// The part picker's state (dialog 107). All of it is set and read on the user-interface thread only.
// pickerParentId    the shop category of the row whose "选择" opened the picker (0 for "其它"). Set
//                   by the assembly page; read by the picker for its lists and by "完成" to find the row.
// pickerCatId       the cat_id of the brand chosen in the brand list, 0 until one is chosen. Set by
//                   the picker (0 on opening); read by the paging buttons.
// pickerPage        the goods list's page, from 0; -1 is the empty state before page 0. Set by the
//                   picker (0 on opening, on a brand choice and by the paging buttons).
// pickerBusy        while true the lists' selection changes are ignored (they fire while filling).
// pickerSelection   the goods row last selected in this opening of the picker (name, second-hand
//                   estimate, price; cut to 149, 19 and 19 bytes). Cleared when the picker opens, so
//                   that "完成" never writes a part chosen for another row; "完成" writes it.
extern int pickerParentId;
extern int pickerCatId;
extern int pickerPage;
extern bool pickerBusy;
extern ShopGoods pickerSelection;
