// The configuration picture drawn by Windows (under Wine in CI): cf.bmp, the clipboard bitmap and
// the PNG; the messages of success and failure; and no GDI object left behind over 100 pictures.
#include "assembly/config_picture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "assembly/assembly_form.h"
#include "assembly/picture_layout.h"
#include "tests/test_support.h"

// GDI+ last: its COM headers define "interface", a field name of the scan's records.
#include <objidl.h>
#include <gdiplus.h>

namespace {

std::vector<std::string> told;

void Capture(const std::string& text, const std::string& caption) { told.push_back(caption + "|" + text); }

// A configuration of nine lines, as the assembly page hands it over (with its closing "\r\n").
std::string Configuration() {
  AssemblyTexts rows;
  rows[0] = {"Intel Core i5-2400", "450", "1200"};
  rows[9] = {"双飞燕 KK-5520", "20", "59"};
  return BuildAssemblyText(rows, {}, "https://www.mushan-pc.cn") + "\r\n";
}

// Whether pixel (x, y) of a 24-bit bottom-up BMP file is darker than mid grey.
bool Dark(const std::string& bmp, int x, int y) {
  const int height = static_cast<int>(PictureHeight(Configuration()));
  const size_t at = kBmpHeadersSize + static_cast<size_t>(height - 1 - y) * BmpRowBytes(kPictureWidth) + 3 * x;
  int sum = 0;
  for (int i = 0; i < 3; ++i) sum += static_cast<unsigned char>(bmp[at + i]);
  return sum < 3 * 128;
}

// Live GDI objects of this process. Wine answers GetGuiResources with 0 (not implemented); there the
// objects are counted by asking each 16-bit handle number, which Wine takes without its upper part.
long GdiObjects() {
  const DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (count != 0) return static_cast<long>(count);
  long live = 0;
  for (uintptr_t handle = 1; handle < 0x10000; ++handle) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(handle)) != 0) ++live;
  }
  return live;
}

bool ClipboardBitmapSize(int& width, int& height) {
  if (!OpenClipboard(nullptr)) return false;
  HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP info = {};
  const bool ok = bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) != 0;
  CloseClipboard();
  width = info.bmWidth;
  height = info.bmHeight;
  return ok;
}

// Width and height from a PNG file's header.
void PngSize(const std::string& png, uint32_t& width, uint32_t& height) {
  ASSERT_GE(png.size(), 24u);
  ASSERT_EQ(png.substr(1, 3), "PNG");
  auto big = [&](size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(png[at + i]);
    return v;
  };
  width = big(16);
  height = big(20);
}

class ConfigPicture : public ::testing::Test {
 protected:
  void SetUp() override { told.clear(); }
  TempDir dir;
  const PictureTeller teller{nullptr, Capture};
};

TEST_F(ConfigPicture, BitmapFileClipboardAndPng) {
  const std::string text = Configuration();
  const int height = static_cast<int>(PictureHeight(text));
  ASSERT_EQ(height, 13 * 10);
  const std::string png = dir.path() + "\\配置图片.png";  // a GBK file name
  const PictureOutcome outcome = MakeConfigPicture(dir.path(), png, text, teller);
  EXPECT_TRUE(outcome.bitmapFile && outcome.clipboard && outcome.png);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(U8(told[0]), U8("提示|配置图片生成完成!同时已复制到剪切板,你可以直接[贴粘]图片。"));

  const std::string bmp = ReadFileBytes(dir.File("cf.bmp"));
  ASSERT_EQ(bmp.size(), 54u + 1352u * height);
  EXPECT_EQ(bmp.substr(0, 54), BmpFileHeaders(450, height));
  // White margins above and left of the text, dark glyphs starting near (10, 10).
  int darkNearOrigin = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < kPictureWidth; ++x) {
      if (!Dark(bmp, x, y)) continue;
      EXPECT_TRUE(x >= 10 && y >= 10) << "dark pixel in the margin at " << x << "," << y;
      if (x < 30 && y < 23) ++darkNearOrigin;
    }
  }
  EXPECT_GT(darkNearOrigin, 5);

  int clipWidth = 0, clipHeight = 0;
  ASSERT_TRUE(ClipboardBitmapSize(clipWidth, clipHeight));
  EXPECT_EQ(clipWidth, 450);
  EXPECT_EQ(clipHeight, height);

  uint32_t pngWidth = 0, pngHeight = 0;
  PngSize(ReadFileBytes(png), pngWidth, pngHeight);
  EXPECT_EQ(pngWidth, 450u);
  EXPECT_EQ(pngHeight, static_cast<uint32_t>(height));
}

TEST_F(ConfigPicture, OneLineAndOverwrite) {
  const std::string png = dir.File("a.png");
  WriteFileBytes(png, "old");
  WriteFileBytes(dir.File("cf.bmp"), "old");
  ASSERT_TRUE(MakeConfigPicture(dir.path(), png, "一行", teller).png);
  EXPECT_EQ(ReadFileBytes(dir.File("cf.bmp")).size(), 54u + 1352u * 13);
  uint32_t width = 0, height = 0;
  PngSize(ReadFileBytes(png), width, height);
  EXPECT_EQ(width, 450u);
  EXPECT_EQ(height, 13u);
}

TEST_F(ConfigPicture, PngThatCannotBeWrittenIsTold) {
  const std::string png = dir.path() + "\\没有这个目录\\a.png";
  const PictureOutcome outcome = MakeConfigPicture(dir.path(), png, Configuration(), teller);
  EXPECT_TRUE(outcome.bitmapFile);
  EXPECT_FALSE(outcome.png);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(U8(told[0]), U8("提示|配置图片生成失败!无法写入文件:\r\n" + png));
}

// cf.bmp held by another program: this picture's cf.bmp cannot be written, and the older one that
// is still there must not become this picture's PNG.
TEST_F(ConfigPicture, OlderBitmapFileIsNeverConverted) {
  ASSERT_TRUE(MakeConfigPicture(dir.path(), dir.File("first.png"), "第一张", teller).png);
  const std::string bmpPath = dir.File("cf.bmp");
  HANDLE held = CreateFileA(bmpPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  told.clear();
  const std::string second = dir.File("second.png");
  const PictureOutcome outcome = MakeConfigPicture(dir.path(), second, Configuration(), teller);
  CloseHandle(held);
  EXPECT_FALSE(outcome.bitmapFile);
  EXPECT_FALSE(outcome.png);
  EXPECT_EQ(GetFileAttributesA(second.c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(U8(told[0]), U8("提示|配置图片生成失败!无法写入文件:\r\n" + bmpPath));
}

TEST_F(ConfigPicture, PngEncoderIsFound) {
  // FindEncoderClsid needs GDI+ started; a picture has shut it down again, so start it here.
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  CLSID clsid;
  EXPECT_GE(FindEncoderClsid(L"image/png", &clsid), 0);
  EXPECT_EQ(FindEncoderClsid(L"image/x-none", &clsid), -1);
  EXPECT_EQ(FindEncoderClsid(L"", &clsid), -1);
  Gdiplus::GdiplusShutdown(token);
}

// 100 pictures in one run: the GDI objects after picture 10 and after picture 100 are the same
// (a margin for objects the system creates on its own), so nothing leaks per picture.
TEST_F(ConfigPicture, NoGdiObjectLeftBehind) {
  const std::string text = Configuration();
  const std::string png = dir.File("p.png");
  long afterTen = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 1; i <= 100; ++i) {
    ASSERT_TRUE(MakeConfigPicture(dir.path(), png, text, teller).png) << "picture " << i;
    if (i == 10) afterTen = GdiObjects();
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const long afterHundred = GdiObjects();
  std::printf("GDI objects after picture 10: %ld, after picture 100: %ld; %.2f ms per picture\n", afterTen,
              afterHundred, ms / 100);
  EXPECT_GT(afterTen, 0);
  EXPECT_LE(afterHundred - afterTen, 3);
  RecordProperty("gdi_after_10", static_cast<int>(afterTen));
  RecordProperty("gdi_after_100", static_cast<int>(afterHundred));
}

}  // namespace

// Run by tests/assembly/picture-from-x with HWDEX_CLIPBOARD_HANDSHAKE set to a folder: makes a
// picture, says "ready" and keeps the clipboard (Wine empties it when its owner ends) until the X
// side has read it and says "done".
TEST_F(ConfigPicture, HeldForTheXClipboard) {
  const char* handshake = std::getenv("HWDEX_CLIPBOARD_HANDSHAKE");
  if (handshake == nullptr) GTEST_SKIP() << "only with HWDEX_CLIPBOARD_HANDSHAKE";
  const std::string folder = std::string("Z:") + handshake;
  ASSERT_TRUE(MakeConfigPicture(dir.path(), dir.File("x.png"), Configuration(), teller).clipboard);
  WriteFileBytes(folder + "\\ready", "ready");
  const std::string done = folder + "\\done";
  for (int waited = 0; GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 50) {
    ASSERT_LT(waited, 60000) << "the X side did not read the clipboard";
    Sleep(50);
  }
}
