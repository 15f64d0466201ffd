// The byte-string routines of the program: the four the report reader, the scan and the analysers
// share, and the small tests and conversions every unit uses. GBK text is treated byte by byte;
// none of them looks at character boundaries.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The text between the first occurrence of start and the next occurrence of end after it;
// empty when either is missing.
std::string Between(std::string_view text, std::string_view start, std::string_view end);

// Fills words (cleared first) with the words of text: blanks and tabs separate, runs of them make no
// empty words, a NUL byte ends the text. Unless the text ends in a blank or tab, the last word is
// appended even when empty, so an empty text gives one empty word and a lone blank gives none.
void SplitWords(std::string_view text, std::vector<std::string>& words);

// Replaces every occurrence of pattern (never empty) in text; the search goes on after each
// inserted replacement, so a replacement that holds the pattern is not replaced again.
std::string& ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement);

// x printed with "%.3f" and stripped of trailing zeros and a trailing decimal point:
// 2.5 gives "2.5", 100.0 gives "100", 1.2346 gives "1.235". The first character is never removed.
std::string FormatTrimmed(float x);

// Whether text begins with prefix, ends with tail, or holds word anywhere (exact bytes).
bool StartsWith(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view tail);
bool Contains(std::string_view text, std::string_view word);

// The integer value of the leading decimal digits of text (0 when there are none), held at the
// largest 32-bit value instead of overflowing.
int32_t LeadingNumber(std::string_view text);

// text without the blanks, tabs and line ends at either end.
std::string TrimBlanks(std::string_view text);

// text with the bytes a to z made capitals, as the C library's toupper does in the "C" locale. It
// looks at bytes, not characters, so it is meant for ASCII words (makers' names, slot names): the
// second byte of a GBK character can have a letter's code.
std::string UpperCased(std::string text);

// Plain text for a page: "&", "<" and ">" become entities.
std::string EscapeHtml(std::string_view text);
