// The save dialog with its overwrite question, shared by the pages that write a configuration
// (".txt" texts and ".png" pictures) into a file the user chooses.
#pragma once

#include <string>

// What the dialog offers: its filter (pairs of texts, each ending in a zero, the list ending in
// one more) and the extension added to a name typed without one.
struct SaveFileKind {
  const char* filter;
  const char* defaultExtension;
};

inline constexpr SaveFileKind kTextFile = {"TXT Files(*.txt)\0*.txt\0All Files\0*.*\0", "txt"};
inline constexpr SaveFileKind kPictureFile = {"PNG Files(*.png)\0*.png\0All Files\0*.*\0", "png"};

// Asks for a file with the system's save dialog "新建" (owned by the foreground window, starting in
// the program directory). When the chosen file exists, asks "<name>,文件已存在，你确定盖这个文件吗"
// (caption "警告", OK and Cancel). The chosen path, or empty when the user cancelled either.
std::string AskSaveFile(const SaveFileKind& kind);

// Writes bytes into the file at path, replacing its old content only once the new one is whole.
// When it cannot be written, tells the user in a "提示" box (naming the file) and returns false.
bool WriteChosenFile(const std::string& path, const std::string& bytes);
