// The window side's process-wide values (see window_state.h for who sets and reads each).
#include "app/window_state.h"

std::string programDirectory;
std::string programFile;
ServerAddresses servers;

bool showSecondHand = true;
bool showNewPrice = true;

HWND MainWindow = nullptr;
HWND tabControl = nullptr;
HWND statusBar = nullptr;
HWND SummaryPage = nullptr;
HWND DetailPage = nullptr;
HWND AssemblyPage = nullptr;
HWND currentPage = nullptr;

IWebBrowser2* summaryPane = nullptr;
IWebBrowser2* detailPane = nullptr;

bool autoPromptUpload = false;

int pickerParentId = 0;
int pickerCatId = 0;
int pickerPage = 0;
bool pickerBusy = false;
ShopGoods pickerSelection;
