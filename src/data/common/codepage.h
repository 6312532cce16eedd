#pragma once

#include <string>
#include <string_view>

namespace quillory {

// Texts inside the program are UTF-8; texts inside Music Finder files, style tables and text
// exports are single bytes in the Windows-1252 code page. These convert between the two.

// Every byte becomes one character; the five bytes the code page leaves undefined keep their
// value as a control character, so decoding and encoding again gives the same bytes.
std::string DecodeWindows1252(std::string_view bytes);

// Every character becomes one byte; a character the code page lacks becomes "?".
std::string EncodeWindows1252(std::string_view utf8);

// Reads the code point starting at pos and moves pos past it; a malformed sequence yields
// U+FFFD and moves one byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace quillory
