// Text measured in display units: 1 for a narrow character, 2 for a wide one.
// Field limits (minimum and maximum length) are in these units.
#pragma once

#include <string>
#include <string_view>

// Per UTF-16 unit: 1 below U+0080 (one UTF-8 byte), else 2. 0 for "".
int GetStringLength(std::u16string_view text);

// NUL-terminated UTF-8: per UTF-16 unit of its text, 1 below U+0100, else 2.
// 0 for null or bytes that are not valid UTF-8. ASCII text measures its byte length.
int GetUTF8StringLength(const char* text);

// The longest prefix whose length (as GetStringLength counts) is at most
// maxLength. A surrogate pair is kept whole or dropped whole.
std::u16string GetShortenString(std::u16string_view text, int maxLength);
