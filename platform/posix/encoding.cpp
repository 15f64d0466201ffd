// GBK conversions through the C library's iconv (code page 936 as Windows defines it).
#include "platform/encoding.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts bytes from one encoding to another; a sequence that cannot be converted becomes
// replacement (in the target encoding) and the conversion goes on after one input unit.
std::string Convert(const std::string& bytes, const char* from, const char* to, const std::string& replacement,
                    size_t unit) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return bytes;
  std::string out;
  out.reserve(bytes.size() * 2);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, sizeof buffer - outLeft);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a cut sequence at the end): replace one unit and go on.
    out += replacement;
    const size_t skip = inLeft < unit ? inLeft : unit;
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string GbkToUtf8(const std::string& gbk) { return Convert(gbk, "CP936", "UTF-8", "?", 1); }
std::string Utf8ToGbk(const std::string& utf8) { return Convert(utf8, "UTF-8", "CP936", "?", 1); }
std::string Utf16leToGbk(const std::string& utf16le) { return Convert(utf16le, "UTF-16LE", "CP936", "?", 2); }
