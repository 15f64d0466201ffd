// The configuration picture's geometry and the BMP headers of its file.
#include "assembly/picture_layout.h"

namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

int64_t PictureLineCount(std::string_view text) {
  int64_t lines = 1;
  for (size_t at = text.find("\r\n"); at != std::string_view::npos; at = text.find("\r\n", at + 1)) ++lines;
  return lines;
}

int64_t PictureHeight(std::string_view text) { return kPictureLineHeight * PictureLineCount(text); }

uint64_t BmpRowBytes(int width) {
  return (uint64_t{kBmpBitsPerPixel} * static_cast<uint32_t>(width) + 31) / 32 * 4;
}

std::string BmpFileHeaders(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  const uint64_t imageSize = BmpRowBytes(width) * static_cast<uint32_t>(height);
  if (imageSize > UINT32_MAX - kBmpHeadersSize) return {};
  std::string out = "BM";
  PutLittleEndian(out, static_cast<uint32_t>(kBmpHeadersSize + imageSize), 4);  // file size
  PutLittleEndian(out, 0, 4);                                                     // two reserved words
  PutLittleEndian(out, kBmpHeadersSize, 4);                                       // offset of the pixels
  PutLittleEndian(out, 40, 4);                                                    // information header size
  PutLittleEndian(out, static_cast<uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(height), 4);  // positive: rows stored bottom-up
  PutLittleEndian(out, 1, 2);                              // planes
  PutLittleEndian(out, kBmpBitsPerPixel, 2);
  out.append(24, '\0');  // uncompressed; image size, resolutions and colour counts 0
  return out;
}
