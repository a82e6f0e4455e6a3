// Character ranges that a text field accepts, and the tests of text against
// them. Each edit field has a static TextEditFilterData beside its panel.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// Inclusive range of character codes.
struct InputFilterRange {
    int32_t low;
    int32_t high;
};

// Up to 20 ranges; count says how many are in use. The fixed size is part of
// the record's layout (tables are written as aggregates).
struct InputFilterData {
    static constexpr int kMaxRanges = 20;
    int32_t count;
    std::array<InputFilterRange, kMaxRanges> ranges;
};

struct TextEditFilterData {
    InputFilterData byteFilter; // single bytes, compared with each bound's low byte
    InputFilterData wordFilter; // 16-bit characters, compared with the full bounds
    const char* errMsgKey;      // localisation key of the refusal message, or null
};

// YES for an empty string; NO when the filter is missing or its word filter has
// no ranges; else whether every UTF-16 unit lies in one of the word ranges.
bool validateInput(std::u16string_view text, const TextEditFilterData* filter);

// Whether the character lies in one of the ranges; NO without ranges.
bool ISWordValid(const char16_t* character, const InputFilterData* filter);
// The same test; callers use it with a record of space characters.
bool ISWordSpace(const char16_t* character, const InputFilterData* filter);

// YES for an empty text; NO for a missing text or filter, or a byte filter
// without ranges; else whether every byte lies in one of the byte ranges.
bool validateDensityInput(const char* text, const TextEditFilterData* filter);
bool ISByteValid(const unsigned char* byte, const InputFilterData* filter);

// YES for an empty string or one of U+0020 and U+3000 only.
bool IsAllSpace(std::u16string_view text);

// Copies every unit except U+0020 into out and terminates it with 0; answers
// the number copied. A buffer shorter than text.size() + 1 takes what fits.
int RemoveAllSpaces(std::u16string_view text, std::span<char16_t> out);
