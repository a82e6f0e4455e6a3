// Reading a stored integer back from its text (a preference, a preset, a
// print-settings value), as the platform's intValue reads it: leading blanks,
// an optional sign, then decimal digits up to the first other character.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The number, saturated to the 32-bit range; nothing when the text holds no
// digit where the number should begin, so that such a value is refused
// rather than taken as 0.
std::optional<int32_t> IntValueOfText(std::string_view text);
