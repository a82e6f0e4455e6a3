#include "panelkit/InputFilter.h"

#include <algorithm>

namespace {

// Ranges in use; a table that claims more than it holds is read up to its size.
int RangesInUse(const InputFilterData& filter)
{
    return std::clamp(filter.count, 0, InputFilterData::kMaxRanges);
}

bool InWordRanges(char16_t character, const InputFilterData& filter)
{
    const int count = RangesInUse(filter);
    for (int i = 0; i < count; ++i) {
        const InputFilterRange& range = filter.ranges[i];
        if (character >= range.low && character <= range.high) return true;
    }
    return false;
}

bool InByteRanges(unsigned char byte, const InputFilterData& filter)
{
    const int count = RangesInUse(filter);
    for (int i = 0; i < count; ++i) {
        const InputFilterRange& range = filter.ranges[i];
        if (byte >= (range.low & 0xFF) && byte <= (range.high & 0xFF)) return true;
    }
    return false;
}

} // namespace

bool validateInput(std::u16string_view text, const TextEditFilterData* filter)
{
    if (text.empty()) return true;
    if (filter == nullptr || RangesInUse(filter->wordFilter) == 0) return false;
    return std::all_of(text.begin(), text.end(),
                       [&](char16_t unit) { return InWordRanges(unit, filter->wordFilter); });
}

bool ISWordValid(const char16_t* character, const InputFilterData* filter)
{
    if (character == nullptr || filter == nullptr) return false;
    return InWordRanges(*character, *filter);
}

bool ISWordSpace(const char16_t* character, const InputFilterData* filter)
{
    return ISWordValid(character, filter);
}

bool validateDensityInput(const char* text, const TextEditFilterData* filter)
{
    if (text == nullptr) return false;
    if (*text == '\0') return true;
    if (filter == nullptr || RangesInUse(filter->byteFilter) == 0) return false;
    for (const char* p = text; *p != '\0'; ++p) {
        if (!InByteRanges(static_cast<unsigned char>(*p), filter->byteFilter)) return false;
    }
    return true;
}

bool ISByteValid(const unsigned char* byte, const InputFilterData* filter)
{
    if (byte == nullptr || filter == nullptr) return false;
    return InByteRanges(*byte, *filter);
}

bool IsAllSpace(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char16_t unit) { return unit == u' ' || unit == u'\u3000'; });
}

int RemoveAllSpaces(std::u16string_view text, std::span<char16_t> out)
{
    if (out.empty()) return 0;
    size_t copied = 0;
    for (char16_t unit : text) {
        if (unit == u' ') continue;
        if (copied + 1 >= out.size()) break; // keep room for the terminator
        out[copied++] = unit;
    }
    out[copied] = 0;
    return static_cast<int>(copied);
}
