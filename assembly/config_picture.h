// The configuration picture (Windows): a text drawn black on white into a bitmap 450 pixels wide,
// saved as "cf.bmp" in the program directory, put on the clipboard and converted to a PNG file.
#pragma once

#include <windows.h>

#include <string>

#include "platform/notice.h"

constexpr const char* kPictureBitmapFile = "cf.bmp";

// What became of one picture.
struct PictureOutcome {
  bool bitmapFile = false;  // "cf.bmp" written
  bool clipboard = false;   // the bitmap handed to the clipboard
  bool png = false;         // the PNG file written
};

// Where the outcome is told: a "提示" message box owned by owner (the main window; nullptr for a
// box without owner), or the function tell instead when it is set (a program without windows).
struct PictureTeller {
  HWND owner = nullptr;
  NoticeSink tell = nullptr;
};

// Draws text (GBK, lines separated by "\r\n") into a new picture, writes programDir\cf.bmp, puts
// the bitmap on the clipboard and converts cf.bmp into a PNG at pngPath (system code page). Tells
// the user that it is done, or which file could not be written: a PNG is made only from the
// cf.bmp of this picture, never from an older one left in place.
PictureOutcome MakeConfigPicture(const std::string& programDir, const std::string& pngPath, const std::string& text,
                                 const PictureTeller& teller);

// Writes bitmap (not selected into any device context) as a 24-bit BMP file at path, replacing an
// older file only once the new one is whole; false when it could not be written.
bool SaveBitmapFile(HBITMAP bitmap, const std::string& path);

// The index of GDI+'s first image encoder whose MIME type is mimeType, its class id copied into
// clsid; -1 when the list is empty, cannot be had, or holds no such encoder. GDI+ must be started.
int FindEncoderClsid(const WCHAR* mimeType, CLSID* clsid);
