// Conversions between UTF-8 bytes and UTF-16 strings.
//
// The original platform's strings are sequences of UTF-16 units; the framework
// measures and cuts text in those units, so the panels keep the same form.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The UTF-16 form of UTF-8 bytes; nothing when the bytes are not valid UTF-8
// (overlong forms, surrogate code points and values above U+10FFFF included).
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);

// The UTF-8 form of a UTF-16 string; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Whether the bytes are valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// Number of bytes of the UTF-8 form of one UTF-16 unit taken alone
// (1 below U+0080, 2 below U+0800, else 3).
int Utf8LengthOfUnit(char16_t unit);

} // namespace platform
