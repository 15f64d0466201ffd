// The configuration picture's geometry and the headers of its BMP file.
#include "assembly/picture_layout.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/test_support.h"

namespace {

uint32_t Field(const std::string& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(PictureLayout, LinesAndHeight) {
  std::string thirtyLines;
  for (int i = 1; i < 30; ++i) thirtyLines += "行\r\n";
  thirtyLines += "最后一行";
  struct { std::string text; int64_t lines; } kCases[] = {
      {"", 1},
      {"一行没有换行", 1},  // 450 x 13: the line's glyphs start 10 pixels down, most is cut off
      {"a\r\nb", 2},
      {"a\r\n", 2},           // a closing line break starts a line of its own
      {"\r\n\r\n", 3},
      {"\r\r\n\n", 2},        // only "\r\n" counts
      {"a\nb\rc", 1},
      {"\n\r\n\r", 2},
      {thirtyLines, 30},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PictureLineCount(c.text), c.lines) << U8(c.text);
    EXPECT_EQ(PictureHeight(c.text), 13 * c.lines) << U8(c.text);
  }
  EXPECT_EQ(PictureHeight(thirtyLines), 390);
  EXPECT_EQ(PictureHeight("x"), 13);
}

TEST(PictureLayout, RowsArePaddedToFourBytes) {
  struct { int width; uint64_t bytes; } kCases[] = {
      {450, 1352}, {1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {448, 1344}, {451, 1356}, {452, 1356},
  };
  for (const auto& c : kCases) EXPECT_EQ(BmpRowBytes(c.width), c.bytes) << c.width;
}

TEST(PictureLayout, BmpHeaders) {
  const std::string headers = BmpFileHeaders(450, 390);
  ASSERT_EQ(headers.size(), 54u);
  EXPECT_EQ(headers.substr(0, 2), "BM");
  struct { size_t at; int size; uint32_t value; } kFields[] = {
      {2, 4, 54 + 1352 * 390},  // file size
      {6, 2, 0}, {8, 2, 0},     // reserved
      {10, 4, 54},              // offset of the pixels: no colour table
      {14, 4, 40},              // information header size
      {18, 4, 450}, {22, 4, 390},
      {26, 2, 1},               // planes
      {28, 2, 24},              // bits per pixel
      {30, 4, 0}, {34, 4, 0}, {38, 4, 0}, {42, 4, 0}, {46, 4, 0}, {50, 4, 0},
  };
  for (const auto& f : kFields) EXPECT_EQ(Field(headers, f.at, f.size), f.value) << "offset " << f.at;
  EXPECT_EQ(Field(BmpFileHeaders(450, 13), 2, 4), 54u + 1352 * 13);
}

TEST(PictureLayout, SizesBeyondTheFormatAreRefused) {
  EXPECT_EQ(BmpFileHeaders(0, 13), "");
  EXPECT_EQ(BmpFileHeaders(450, 0), "");
  EXPECT_EQ(BmpFileHeaders(-450, 13), "");
  // 1352 x 3176750 bytes is the largest picture whose file size fits 32 bits.
  EXPECT_EQ(BmpFileHeaders(450, 3176750).size(), 54u);
  EXPECT_EQ(BmpFileHeaders(450, 3176751), "");
  EXPECT_EQ(BmpFileHeaders(INT32_MAX, INT32_MAX), "");
}

}  // namespace
