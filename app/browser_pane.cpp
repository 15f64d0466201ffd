// Browser panes through ATL's control host in atl.dll, which every Windows carries.
#include "app/browser_pane.h"

#include <exdisp.h>
#include <oleauto.h>

#include "app/trace.h"
#include "app/window_state.h"

namespace {

using AtlAxWinInitFunction = BOOL(WINAPI*)();
using AtlAxGetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

AtlAxGetControlFunction atlAxGetControl = nullptr;

// An export of a library as the function type it has (through void(*)(), which any type converts to).
template <typename Function>
Function Export(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// The control's identifier as the program names it, and the one every Internet Explorer (and Wine)
// registers, tried when the first gives no control.
constexpr const char* kControlIds[] = {"Microsoft.IExplorer.4", "Shell.Explorer.2"};

IWebBrowser2* BrowserOf(HWND window) {
  if (atlAxGetControl == nullptr) return nullptr;
  IUnknown* control = nullptr;
  if (FAILED(atlAxGetControl(window, &control)) || control == nullptr) return nullptr;
  IWebBrowser2* browser = nullptr;
  if (FAILED(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)))) browser = nullptr;
  control->Release();
  return browser;
}

// The address as the control takes it: a BSTR converted from the system code page; null when it
// cannot be allocated.
BSTR WideAddress(const std::string& address) {
  const int length = MultiByteToWideChar(CP_ACP, 0, address.data(), static_cast<int>(address.size()), nullptr, 0);
  BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (wide == nullptr) return nullptr;
  MultiByteToWideChar(CP_ACP, 0, address.data(), static_cast<int>(address.size()), wide, length);
  return wide;
}

}  // namespace

bool InitBrowserHost() {
  const HMODULE atl = LoadLibraryA("atl.dll");
  if (atl == nullptr) return false;
  const auto init = Export<AtlAxWinInitFunction>(atl, "AtlAxWinInit");
  atlAxGetControl = Export<AtlAxGetControlFunction>(atl, "AtlAxGetControl");
  return init != nullptr && atlAxGetControl != nullptr && init();
}

IWebBrowser2* CreatePaneControl(HWND parent, const PaneRect& rect, bool scrollBar, const char* paneName) {
  const DWORD style = WS_CHILD | WS_VISIBLE | (scrollBar ? WS_VSCROLL : 0);
  for (const char* controlId : kControlIds) {
    const HWND window = CreateWindowExA(0, "AtlAxWin", controlId, style, rect.left, rect.top, rect.width, rect.height,
                                        parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr) continue;
    IWebBrowser2* browser = BrowserOf(window);
    if (browser != nullptr) {
      if (controlId != kControlIds[0]) Trace(PaneControlTraceLine(paneName, controlId));
      return browser;
    }
    DestroyWindow(window);
  }
  return nullptr;
}

bool NavigatePane(IWebBrowser2* pane, const char* paneName, const std::string& address) {
  if (pane == nullptr) return false;
  BSTR wide = WideAddress(address);
  if (wide == nullptr) return false;
  Trace(NavigationTraceLine(paneName, address));
  VARIANT url;
  VariantInit(&url);
  url.vt = VT_BSTR;
  url.bstrVal = wide;
  VARIANT none;
  VariantInit(&none);
  pane->put_Silent(VARIANT_TRUE);
  pane->Navigate2(&url, &none, &none, &none, &none);
  SysFreeString(wide);
  return true;
}

bool CreateBrowserPane(HWND parent, const std::string& address, bool scrollBar, int leftOffset, int bottomMargin,
                       int rightEdge, int topEdge, const char* paneName) {
  RECT client;
  GetClientRect(parent, &client);
  const PaneRect rect = BrowserPaneRect(client.left, client.top, client.right, client.bottom, leftOffset,
                                        bottomMargin, rightEdge, topEdge);
  IWebBrowser2* browser = CreatePaneControl(parent, rect, scrollBar, paneName);
  if (browser == nullptr) return false;
  const bool navigated = NavigatePane(browser, paneName, address);
  IDispatch* document = nullptr;
  if (navigated && FAILED(browser->get_Document(&document))) {
    NavigatePane(browser, paneName, BlankPageAddress(programFile));
  }
  if (document != nullptr) document->Release();
  browser->Release();
  return navigated;
}

bool NavigateDetailPane(const std::string& address) { return NavigatePane(detailPane, kDetailPaneName, address); }

bool NavigateSummaryPane(const std::string& address) { return NavigatePane(summaryPane, kSummaryPaneName, address); }

void ReleaseBrowserPanes() {
  for (IWebBrowser2** pane : {&detailPane, &summaryPane}) {
    if (*pane != nullptr) (*pane)->Release();
    *pane = nullptr;
  }
}
