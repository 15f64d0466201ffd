// Conversions between the program's GBK texts and the encodings the outside world uses.
#pragma once

#include <string>

std::string GbkToUtf8(const std::string& gbk);
std::string Utf8ToGbk(const std::string& utf8);
// UTF-16LE bytes (no byte-order mark) to GBK; characters GBK lacks become "?".
std::string Utf16leToGbk(const std::string& utf16le);
