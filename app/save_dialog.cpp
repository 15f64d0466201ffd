// The save dialog and the overwrite question (comdlg32), and writing the chosen file.
#include "app/save_dialog.h"

#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <commdlg.h>

#include "app/window_state.h"
#include "platform/files.h"

namespace {

// The file name and file title buffers hold 255 characters.
constexpr DWORD kNameBuffer = 255;
constexpr const char* kTitle = "新建";
constexpr const char* kExists = ",文件已存在，你确定盖这个文件吗";
constexpr const char* kNotWritten = "保存失败!无法写入文件:\r\n";

}  // namespace

std::string AskSaveFile(const SaveFileKind& kind) {
  char file[kNameBuffer] = {};
  char title[kNameBuffer] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetForegroundWindow();
  dialog.lpstrFilter = kind.filter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file;
  dialog.nMaxFile = kNameBuffer;
  dialog.lpstrFileTitle = title;
  dialog.nMaxFileTitle = kNameBuffer;
  dialog.lpstrInitialDir = programDirectory.c_str();
  dialog.lpstrTitle = kTitle;
  dialog.lpstrDefExt = kind.defaultExtension;
  dialog.Flags = OFN_EXPLORER;
  if (!GetSaveFileNameA(&dialog)) return {};
  if (GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES) {
    const std::string question = std::string(title) + kExists;
    if (MessageBoxA(nullptr, question.c_str(), "警告", MB_OKCANCEL | MB_ICONWARNING) != IDOK) return {};
  }
  return file;
}

bool WriteChosenFile(const std::string& path, const std::string& bytes) {
  FileWriter file(path);
  if (file.isOpen()) {
    file.Write(bytes);
    if (file.Commit()) return true;
  }
  const std::string message = kNotWritten + path;
  MessageBoxA(nullptr, message.c_str(), "提示", MB_OK);
  return false;
}
