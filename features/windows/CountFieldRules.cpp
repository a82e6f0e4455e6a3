#include "features/windows/CountFieldRules.h"

#include <algorithm>

namespace {

const CountFieldFormat NumInSequenceFormat = {1, 254, 3, "3", 3, "Message22k"};
const CountFieldFormat OffsetPagesFormat = {2, 65000, 5, "2", 2, "Message22l"};
const CountFieldFormat OffsetCopiesFormat = {2, 9999, 4, "2", 2, "Message22m"};

// Any value past this reads as it: every range ends below it.
constexpr int32_t kValueCap = 1000000;

} // namespace

const CountFieldFormat& FormatOfCountField(CountField field)
{
    switch (field) {
    case CountField::NumInSequence: return NumInSequenceFormat;
    case CountField::OffsetPages: return OffsetPagesFormat;
    case CountField::OffsetCopies: break;
    }
    return OffsetCopiesFormat;
}

int32_t CountValueOfText(std::string_view text)
{
    int32_t value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9') break;
        value = std::min(value * 10 + (digit - '0'), kValueCap);
    }
    return value;
}

bool IsCountNumberValid(CountField field, std::string_view text)
{
    if (text.find_first_not_of("0123456789") != std::string_view::npos) return false;
    const CountFieldFormat& format = FormatOfCountField(field);
    const int32_t value = CountValueOfText(text);
    return value >= format.minimum && value <= format.maximum;
}

std::string CountTextOfValue(CountField field, int32_t value)
{
    std::string text = std::to_string(value);
    const auto maxLength = static_cast<size_t>(FormatOfCountField(field).maxLength);
    if (text.size() > maxLength) text.resize(maxLength);
    return text;
}
