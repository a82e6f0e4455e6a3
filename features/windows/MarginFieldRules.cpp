#include "features/windows/MarginFieldRules.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "panelkit/InputFilter.h"

namespace {

const TextEditFilterData DecimalFilter = {
    {2, {{{'.', '.'}, {'0', '9'}}}},
    {2, {{{'.', '.'}, {'0', '9'}}}},
    nullptr,
};
const TextEditFilterData DigitFilter = {
    {1, {{{'0', '9'}}}},
    {1, {{{'0', '9'}}}},
    nullptr,
};

const MarginFieldFormat TabMMFormat = {0, 150, 10, 1, 1, 4, "12.7", 127, "Message22b", &DecimalFilter};
const MarginFieldFormat TabInchFormat = {0, 59, 100, 2, 1, 4, "0.50", 50, "Message22b2", &DecimalFilter};
const MarginFieldFormat BookletMMFormat = {0, 25, 1, 0, 1, 2, "0", 0, "Message22e", &DigitFilter};
const MarginFieldFormat BookletInchFormat = {0, 10, 10, 1, 1, 3, "0.0", 0, "Message22e2", &DecimalFilter};

// The number the text reads as; text that reads as no number counts as 0, as
// an empty field does.
double NumberOfText(std::string_view text)
{
    double number = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc{} ? number : 0.0;
}

// A number past the float range (a text of hundreds of digits) stops at the
// range's end, where a plain conversion would be undefined.
float FloatOfText(std::string_view text)
{
    const double number = NumberOfText(text);
    if (std::isnan(number)) return 0.0f;
    return static_cast<float>(std::clamp<double>(number, -FLT_MAX, FLT_MAX));
}

// Truncation toward zero: a huge text, of either sign, is refused by the
// range, not by an overflowing conversion.
int64_t Truncated(double number)
{
    if (!(number < 1e15)) return INT64_MAX;
    if (!(number > -1e15)) return INT64_MIN;
    return static_cast<int64_t>(number);
}

// The float truncated toward zero, stopping at the ends of the 32-bit range
// (NaN counts as 0): the converted value of a long text is then cut to the
// field's range instead of overflowing.
int32_t SaturatedInt(float value)
{
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0f) return INT32_MAX;
    if (value < -2147483648.0f) return INT32_MIN;
    return static_cast<int32_t>(value);
}

bool InRange(const MarginFieldFormat& format, int64_t value)
{
    return value >= format.minimum && value <= format.maximum;
}

bool PassesFilter(const MarginFieldFormat& format, std::string_view text)
{
    const std::string copy(text);
    return validateDensityInput(copy.c_str(), format.filter);
}

std::string CutToLength(const MarginFieldFormat& format, std::string text)
{
    if (text.size() > static_cast<size_t>(format.maxLength))
        text.resize(static_cast<size_t>(format.maxLength));
    return text;
}

std::string Printed(const char* form, int32_t a, int32_t b)
{
    char buffer[24] = {};
    std::snprintf(buffer, sizeof buffer, form, a, b);
    return buffer;
}

} // namespace

const MarginFieldFormat& FormatOfMarginField(MarginField field)
{
    switch (field) {
    case MarginField::TabMM: return TabMMFormat;
    case MarginField::TabInch: return TabInchFormat;
    case MarginField::BookletMM: return BookletMMFormat;
    case MarginField::BookletInch: break;
    }
    return BookletInchFormat;
}

bool IsMarginNumberValid(MarginField field, std::string_view text, bool applyFilter)
{
    const MarginFieldFormat& format = FormatOfMarginField(field);
    if (applyFilter && !PassesFilter(format, text)) return false;
    if (field == MarginField::BookletMM) {
        // Digits only: the value compares without overflow, leading zeros allowed.
        if (text.find_first_not_of("0123456789") != std::string_view::npos) return false;
        return InRange(format, Truncated(NumberOfText(text)));
    }
    if (!text.empty() && (text.front() == '.' || text.back() == '.')) return false;
    const size_t point = text.find('.');
    if (point != std::string_view::npos) {
        if (text.find('.', point + 1) != std::string_view::npos) return false;
        if (text.size() - point - 1 != static_cast<size_t>(format.fractionDigits)) return false;
    }
    return InRange(format, Truncated(NumberOfText(text) * format.scale));
}

int32_t ScaledValueOfMarginText(MarginField field, std::string_view text)
{
    const double number = NumberOfText(text);
    int64_t value = 0;
    switch (field) {
    case MarginField::TabMM:
    case MarginField::BookletInch: value = Truncated(number * 10); break;
    case MarginField::TabInch: value = Truncated(number * 1000 + 5) / 10; break;
    case MarginField::BookletMM: value = Truncated(number); break;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

std::string MarginTextOfScaledValue(MarginField field, int32_t value)
{
    const MarginFieldFormat& format = FormatOfMarginField(field);
    switch (field) {
    case MarginField::TabMM:
    case MarginField::BookletInch: return CutToLength(format, Printed("%d.%d", value / 10, value % 10));
    case MarginField::TabInch: return CutToLength(format, Printed("0.%d%d", value / 10, value % 10));
    case MarginField::BookletMM: break;
    }
    return CutToLength(format, Printed("%d", value, 0));
}

std::string ConvertedMarginText(MarginField target, std::string_view visibleText)
{
    const float number = FloatOfText(visibleText);
    int32_t value = 0;
    switch (target) {
    case MarginField::TabInch:
        value = std::min<int32_t>(SaturatedInt(number * 10.0f / 2.54f + 0.5f), TabInchFormat.maximum);
        break;
    case MarginField::TabMM:
        value = std::min<int32_t>(SaturatedInt(number * 25.4f * 10.0f + 0.5f), TabMMFormat.maximum);
        break;
    case MarginField::BookletInch:
        value = std::clamp<int32_t>(SaturatedInt(std::round(number / 2.54f)), 0, BookletInchFormat.maximum);
        break;
    case MarginField::BookletMM:
        value = std::clamp<int32_t>(SaturatedInt(std::round(number * 25.4f)), 0, BookletMMFormat.maximum);
        break;
    }
    return MarginTextOfScaledValue(target, value);
}
