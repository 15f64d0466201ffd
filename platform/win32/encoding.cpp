// GBK conversions through the Windows code page 936 tables.
#include "platform/encoding.h"

#include <windows.h>

namespace {

std::wstring ToWide(const std::string& bytes, UINT codePage) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::string GbkToUtf8(const std::string& gbk) { return FromWide(ToWide(gbk, 936), CP_UTF8); }
std::string Utf8ToGbk(const std::string& utf8) { return FromWide(ToWide(utf8, CP_UTF8), 936); }
std::string Utf16leToGbk(const std::string& utf16le) {
  std::wstring wide(utf16le.size() / 2, L'\0');
  for (size_t i = 0; i < wide.size(); ++i) {
    wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(utf16le[2 * i]) |
                                   (static_cast<unsigned char>(utf16le[2 * i + 1]) << 8));
  }
  return FromWide(wide, 936);
}
