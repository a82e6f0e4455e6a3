// The value escape: how the dialog extensions write a text value that could
// upset the job's option string, and how the filter reads it back. The escaped
// form is "/" followed by the decimal code of each byte ("a,b" is "/97/44/98").
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Whether a value must travel escaped: it begins with "/" (the decoder would
// take it for codes) or holds an apostrophe, comma or backslash, which the
// option string treats as quoting or separators. An empty value never is.
bool NeedsValueEscape(std::string_view value);

// The value as written to the print settings: escaped when it needs it, else
// unchanged. At most four characters per byte: 1020 for a 255-byte value.
std::string EncodeValueEscape(std::string_view value);

// Decodes a value that begins with "/": each "/"-introduced code becomes one
// byte. A code is read as the C library reads a decimal number (leading white
// space and a sign allowed, digits up to the first other character, which is
// skipped up to the next "/"); a code outside 0..255, or one with no digits,
// gives a zero byte, which ends the value when it is read as text. Any other
// value comes back unchanged. Every byte string without zero bytes survives
// EncodeValueEscape and DecodeValueEscape unchanged.
std::string DecodeValueEscape(std::string_view value);

} // namespace platform
