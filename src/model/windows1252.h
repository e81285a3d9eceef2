#pragma once
// Texts of the project are Windows-1252 bytes, as in the files. These turn them
// into Unicode and back; the GUI and JSON output convert only through here.

#include <string>
#include <string_view>

namespace vendrix {

// Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves undefined map to the C1 control of the same value, so every byte
// survives a round trip.
char32_t windows1252ToUnicode(unsigned char byte);

// Windows-1252 byte of a code point, or '?' when the code page has none.
char unicodeToWindows1252(char32_t codePoint, bool *exact = nullptr);

std::string windows1252ToUtf8(std::string_view bytes);
// Invalid UTF-8 sequences and characters outside the code page become '?'.
std::string utf8ToWindows1252(std::string_view utf8);

} // namespace vendrix
