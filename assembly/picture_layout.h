// The configuration picture's geometry and the headers of its BMP file: portable, so that the rules
// are tested natively; the drawing itself is in config_picture (Win32).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text is drawn black on white from (10, 10) into a picture 450 pixels wide, 13 pixels a line,
// with no margin right or below.
constexpr int kPictureWidth = 450;
constexpr int kPictureLineHeight = 13;
constexpr int kPictureTextOrigin = 10;

// The BMP file's depth. The display's own depth would give 1, 4 or 8 bits on a palette display,
// which need a colour table the file's layout has no room for; every picture is 24-bit instead.
constexpr int kBmpBitsPerPixel = 24;
// The file header (14 bytes) and the information header (40 bytes); the pixels follow at once.
constexpr uint32_t kBmpHeadersSize = 54;

// One plus the number of "\r\n" in text, counted without overlap.
int64_t PictureLineCount(std::string_view text);

// 13 pixels per line.
int64_t PictureHeight(std::string_view text);

// The bytes of one pixel row of a 24-bit picture, padded to a multiple of 4 (1352 for 450 pixels).
uint64_t BmpRowBytes(int width);

// The 54 header bytes of a 24-bit bottom-up BMP of width x height; empty when the file would not
// fit the 32-bit sizes of the format (or a side is not positive).
std::string BmpFileHeaders(int width, int height);
