// Conversions between UTF-8 bytes and UTF-16 strings, and the character
// walks of UTF-8 and Shift_JIS text.
//
// The original platform's strings are sequences of UTF-16 units; the framework
// measures and cuts text in those units, so the panels keep the same form.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Number of bytes of the UTF-8 character that begins with this byte: 1 to 4;
// 0 for a byte that begins none (a continuation byte, 0xC0, 0xC1, 0xF5-0xFF).
int Utf8SequenceLength(unsigned char lead);

// Whether the byte is a continuation byte (10xxxxxx) of a UTF-8 character.
inline bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the UTF-8 character at bytes[pos] and moves pos past it. Nothing,
// with pos unchanged, when the bytes there are no valid shortest-form
// character (surrogate code points and values above U+10FFFF included) or the
// character is cut short by the end of the bytes.
std::optional<char32_t> DecodeUtf8Char(std::string_view bytes, std::size_t& pos);

// Whether the byte begins a two-byte Shift_JIS character (0x81-0x9F, 0xE0-0xFC).
inline bool IsShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The UTF-16 form of UTF-8 bytes; nothing when the bytes are not valid UTF-8
// (overlong forms, surrogate code points and values above U+10FFFF included).
std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes);

// The UTF-8 form of a UTF-16 string; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Whether the bytes are valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// The bytes without a last character that the end of the bytes cuts short (a
// value cut by a fixed field), so the rest still converts.
std::string_view WithoutCutUtf8Tail(std::string_view bytes);

// Number of bytes of the UTF-8 form of one UTF-16 unit taken alone
// (1 below U+0080, 2 below U+0800, else 3).
int Utf8LengthOfUnit(char16_t unit);

} // namespace platform
