// Decimal-text conversions of the UtilityFunction unit: values in tenths
// ("12.3" for 123) and the value escape's numbers.
#include "panelkit/UtilityFunction.h"

#include "platform/ValueEscape.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

bool ConvertIntToFloatStr(const int* value, std::span<char> text)
{
    if (value == nullptr || text.empty()) return false;
    std::fill(text.begin(), text.end(), '\0');
    const bool negative = *value < 0;
    std::string digits =
        std::to_string(negative ? -static_cast<long long>(*value) : static_cast<long long>(*value));
    if (digits.size() == 1) digits.insert(0, "0");
    digits.insert(digits.size() - 1, ".");
    if (negative) digits.insert(0, "-");
    if (digits.size() + 1 > text.size()) return false;
    std::memcpy(text.data(), digits.data(), digits.size());
    return true;
}

int ConvertFloatStrToInt(const char* text)
{
    if (text == nullptr || *text == '\0') return 0;
    const std::string_view view(text);
    if (view.size() == 1) return std::atoi(text) * 10;
    const size_t point = view.find('.');
    if (point != std::string_view::npos) {
        std::string joined(view.substr(0, point));
        joined.append(view.substr(point + 1));
        return std::atoi(joined.c_str());
    }
    const size_t first = view.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    const long long tenths = std::atoll(std::string(view.substr(first)).c_str()) * 10;
    return static_cast<int>(std::clamp<long long>(tenths, INT_MIN, INT_MAX));
}

int GetStringPointCount(std::u16string_view string)
{
    return static_cast<int>(std::count(string.begin(), string.end(), u'.'));
}

int GetStringPointIndex(std::u16string_view string)
{
    const size_t point = string.find(u'.');
    return static_cast<int>(point == std::u16string_view::npos ? string.size() : point) + 1;
}

int numCompare(int a, int b, void* /*context*/)
{
    if (a < b) return -1;
    if (a > b) return 1;
    return 0;
}

void numstrtochar(std::span<char> text)
{
    const std::string decoded = platform::DecodeValueEscape({text.data(), strnlen(text.data(), text.size())});
    // Never longer than the text: every code takes at least its "/".
    std::copy(decoded.begin(), decoded.end(), text.begin());
    if (decoded.size() < text.size()) text[decoded.size()] = '\0';
}
