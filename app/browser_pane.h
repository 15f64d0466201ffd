// Browser panes: an Internet Explorer control hosted by ATL in a child window of class "AtlAxWin",
// created with "Microsoft.IExplorer.4" or, where that control cannot be had, "Shell.Explorer.2".
#pragma once

#include <windows.h>

#include <string>

#include "app/window_rules.h"

struct IWebBrowser2;

// Loads atl.dll and registers the "AtlAxWin" window class; false when that cannot be done (every
// pane then stays empty and the window opens regardless).
bool InitBrowserHost();

// A pane window at rect in parent (with a vertical scroll bar when scrollBar is set) and its
// browser interface, or null when neither control could be had (no window is left behind then).
// paneName names it in the trace.
IWebBrowser2* CreatePaneControl(HWND parent, const PaneRect& rect, bool scrollBar, const char* paneName);

// A pane that is navigated once and never again: its position from the parent's client area (see
// BrowserPaneRect), then address, or the blank page when the control gives no document. False when
// no control could be had or the address could not be converted.
bool CreateBrowserPane(HWND parent, const std::string& address, bool scrollBar, int leftOffset, int bottomMargin,
                       int rightEdge, int topEdge, const char* paneName);

// Sends pane silently to address (a web address or a local path, in the system code page); false
// when there is no control or the address could not be converted.
bool NavigatePane(IWebBrowser2* pane, const char* paneName, const std::string& address);

// The two panes that are navigated again and again.
bool NavigateDetailPane(const std::string& address);
bool NavigateSummaryPane(const std::string& address);

// Releases the interfaces of the summary and detail panes (the main window closes).
void ReleaseBrowserPanes();

// Pane names in the trace.
constexpr const char* kBannerPane = "banner";
constexpr const char* kSummaryPaneName = "summaryPane";
constexpr const char* kSummaryLeftPane = "summaryLeft";
constexpr const char* kDetailPaneName = "detailPane";
constexpr const char* kAssemblyRightPane = "assemblyRight";
