// The configuration picture: GDI draws the text into a memory bitmap, which is written as "cf.bmp",
// handed to the clipboard, and converted to PNG through GDI+'s flat interface.
#include "assembly/config_picture.h"

#include <climits>
#include <cstdint>
#include <cwchar>
#include <memory>
#include <new>

#include "assembly/picture_layout.h"
#include "platform/files.h"

// GDI+'s headers need the COM types that WIN32_LEAN_AND_MEAN leaves out. They come last: the COM
// headers define "interface" as a word of their own, which a record of the scan uses as a field name.
#include <objidl.h>
#include <gdiplus.h>

namespace {

namespace gp = Gdiplus;
namespace gpflat = Gdiplus::DllExports;

constexpr const char* kCaption = "提示";
constexpr const char* kDone = "配置图片生成完成!同时已复制到剪切板,你可以直接[贴粘]图片。";
constexpr const char* kDoneNotCopied = "配置图片生成完成!但剪切板正被其它程序使用,图片没有复制到剪切板。";
constexpr const char* kNotWritten = "配置图片生成失败!无法写入文件:\r\n";
constexpr const char* kNotDrawn = "配置图片生成失败!无法创建图片,配置文字可能太长。";

void Tell(const PictureTeller& teller, const std::string& text) {
  if (teller.tell != nullptr) {
    teller.tell(text, kCaption);
  } else {
    MessageBoxA(teller.owner, text.c_str(), kCaption, MB_OK);
  }
}

// Draws the text into the device context's selected bitmap of the given height.
void PaintText(HDC memory, const std::string& text, int height) {
  RECT whole = {0, 0, kPictureWidth, height};
  HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  FillRect(memory, &whole, white);
  DeleteObject(white);
  SetTextColor(memory, RGB(0, 0, 0));
  SetBkColor(memory, RGB(255, 255, 255));
  RECT area = {kPictureTextOrigin, kPictureTextOrigin, kPictureWidth, height};
  const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  DrawTextA(memory, text.data(), length, &area, 0);
}

// A new bitmap compatible with the display holding the text, selected into no device context;
// nullptr when GDI cannot make it (a text far too long). Everything else it creates is released.
HBITMAP DrawPicture(const std::string& text) {
  const int64_t height = PictureHeight(text);
  if (height > INT_MAX) return nullptr;
  HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  if (display == nullptr) return nullptr;
  HFONT font = CreateFontA(12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "新宋体");
  HDC memory = CreateCompatibleDC(display);
  HBITMAP bitmap = CreateCompatibleBitmap(display, kPictureWidth, static_cast<int>(height));
  if (font != nullptr && memory != nullptr && bitmap != nullptr) {
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font);
    PaintText(memory, text, static_cast<int>(height));
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
  } else if (bitmap != nullptr) {
    DeleteObject(bitmap);
    bitmap = nullptr;
  }
  if (memory != nullptr) DeleteDC(memory);
  if (font != nullptr) DeleteObject(font);
  DeleteDC(display);
  return bitmap;
}

// Hands the bitmap to the clipboard; false (the bitmap still ours) when the clipboard is busy.
bool PutOnClipboard(HBITMAP bitmap) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const bool handed = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
  CloseClipboard();
  return handed;
}

// A path in the system code page as the wide text GDI+ takes; empty when it cannot be converted.
std::wstring Wide(const std::string& path) {
  const int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (n <= 1) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), n);
  wide.pop_back();  // the terminating zero counted by n
  return wide;
}

// Loads the BMP file and saves it as PNG through GDI+, started and shut down here.
bool ConvertToPng(const std::string& bmpPath, const std::string& pngPath) {
  const gp::GdiplusStartupInput input;  // version 1, no debug callback, background thread
  ULONG_PTR token = 0;
  if (gp::GdiplusStartup(&token, &input, nullptr) != gp::Ok) return false;
  const std::wstring bmp = Wide(bmpPath);
  const std::wstring png = Wide(pngPath);
  bool saved = false;
  gp::GpImage* image = nullptr;
  CLSID encoder;
  if (!bmp.empty() && !png.empty() && gpflat::GdipLoadImageFromFile(bmp.c_str(), &image) == gp::Ok &&
      FindEncoderClsid(L"image/png", &encoder) >= 0) {
    saved = gpflat::GdipSaveImageToFile(image, png.c_str(), &encoder, nullptr) == gp::Ok;
  }
  if (image != nullptr) gpflat::GdipDisposeImage(image);
  gp::GdiplusShutdown(token);
  return saved;
}

}  // namespace

PictureOutcome MakeConfigPicture(const std::string& programDir, const std::string& pngPath, const std::string& text,
                                 const PictureTeller& teller) {
  PictureOutcome outcome;
  HBITMAP bitmap = DrawPicture(text);
  if (bitmap == nullptr) {
    Tell(teller, kNotDrawn);
    return outcome;
  }
  const std::string bmpPath = ProgramFile(programDir, kPictureBitmapFile);
  outcome.bitmapFile = SaveBitmapFile(bitmap, bmpPath);
  outcome.clipboard = PutOnClipboard(bitmap);
  if (!outcome.clipboard) DeleteObject(bitmap);
  // An older cf.bmp may still lie there: converting it would give the last picture as this one.
  if (!outcome.bitmapFile) {
    Tell(teller, kNotWritten + bmpPath);
    return outcome;
  }
  outcome.png = ConvertToPng(bmpPath, pngPath);
  if (!outcome.png) {
    Tell(teller, kNotWritten + pngPath);
  } else {
    Tell(teller, outcome.clipboard ? kDone : kDoneNotCopied);
  }
  return outcome;
}

bool SaveBitmapFile(HBITMAP bitmap, const std::string& path) {
  BITMAP size;
  if (GetObjectA(bitmap, sizeof size, &size) == 0) return false;
  const std::string headers = BmpFileHeaders(size.bmWidth, size.bmHeight);
  if (headers.empty()) return false;
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = size.bmWidth;
  info.biHeight = size.bmHeight;
  info.biPlanes = 1;
  info.biBitCount = kBmpBitsPerPixel;
  info.biCompression = BI_RGB;
  const size_t imageSize = BmpRowBytes(size.bmWidth) * static_cast<uint32_t>(size.bmHeight);
  std::unique_ptr<char[]> pixels(new (std::nothrow) char[imageSize]);
  if (pixels == nullptr) return false;
  // The default palette maps a palette display's bitmap to the right colours.
  HDC screen = GetDC(nullptr);
  HPALETTE oldPalette = SelectPalette(screen, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
  RealizePalette(screen);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.bmHeight), pixels.get(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  if (oldPalette != nullptr) {
    SelectPalette(screen, oldPalette, TRUE);
    RealizePalette(screen);
  }
  ReleaseDC(nullptr, screen);
  if (rows != size.bmHeight) return false;
  FileWriter file(path);
  if (!file.isOpen()) return false;
  file.Write(headers);
  file.Write(std::string_view(pixels.get(), imageSize));
  return file.Commit();
}

int FindEncoderClsid(const WCHAR* mimeType, CLSID* clsid) {
  UINT count = 0;
  UINT bytes = 0;
  if (gpflat::GdipGetImageEncodersSize(&count, &bytes) != gp::Ok || count == 0 || bytes == 0) return -1;
  std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[bytes]);
  if (block == nullptr) return -1;
  auto* encoders = reinterpret_cast<gp::ImageCodecInfo*>(block.get());
  if (gpflat::GdipGetImageEncoders(count, bytes, encoders) != gp::Ok) return -1;
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType != nullptr && wcscmp(encoders[i].MimeType, mimeType) == 0) {
      *clsid = encoders[i].Clsid;
      return static_cast<int>(i);
    }
  }
  return -1;
}
