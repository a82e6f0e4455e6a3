// Text and PPD helpers shared by the filter's option reading and PJL writers.
#pragma once

#include <cups/ppd.h>

#include "platform/DecimalText.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// First attribute of the PPD whose name begins with the given text, in file
// order (platform::FindPpdAttrByPrefix); null when there is none. Every
// attribute lookup of the filter goes through this prefix match.
ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, std::string_view name);

// The option value with the value escape decoded (platform/ValueEscape.h), up
// to the first zero byte ("/72/105" is "Hi", "/65/300/67" is "A").
std::string numstrtochar(std::string_view value);

// Converts UTF-8 text into the printer's Shift_JIS X0213 code set, character by
// character: backslash and tilde stay single ASCII bytes (Shift_JIS would turn
// them into yen and overline), characters without a Shift_JIS form are dropped.
// Converted characters are appended while they fit in dest (zero byte included);
// returns the length produced. Invalid UTF-8 gives a message on standard error,
// an empty dest and 0.
size_t ConvertUTF8ToEncoding(std::string_view utf8, std::span<char> dest);

// As ConvertUTF8ToEncoding, for printers that take UTF-8: each character is
// re-encoded as UTF-8.
size_t ConvertUTF8ToEncodingForUTF8(std::string_view utf8, std::span<char> dest);

// Copies text into a fixed field, cut to the field's size minus one, zero-terminated.
void CopyToField(std::string_view text, std::span<char> field);
