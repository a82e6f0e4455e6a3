// The number fields of the number-in-sequence and offset-stacking windows:
// whole numbers with a range, a default and a refusal message each.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class CountField { NumInSequence, OffsetPages, OffsetCopies };

struct CountFieldFormat {
    int32_t minimum;
    int32_t maximum;
    int maxLength;
    const char* defaultText;
    int32_t defaultValue;
    const char* messageKey;
};

const CountFieldFormat& FormatOfCountField(CountField field);

// IsNumberValid: digits only and the value within the range; an empty text
// counts as 0. Long digit runs compare by value without overflowing.
bool IsCountNumberValid(CountField field, std::string_view text);

// The stepper value of an accepted text (OnRawKeyUp), and the text a stepper
// value shows, cut to the field's maximum length.
int32_t CountValueOfText(std::string_view text);
std::string CountTextOfValue(CountField field, int32_t value);
