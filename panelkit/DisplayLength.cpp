#include "panelkit/DisplayLength.h"

#include <cstring>
#include <optional>

#include "platform/TextEncoding.h"

namespace {

int UnitWidth(char16_t unit) { return unit < 0x80 ? 1 : 2; }

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

int GetStringLength(std::u16string_view text)
{
    int length = 0;
    for (char16_t unit : text) length += UnitWidth(unit);
    return length;
}

int GetUTF8StringLength(const char* text)
{
    if (text == nullptr) return 0;
    const std::optional<std::u16string> units =
        platform::Utf8ToUtf16(std::string_view(text, std::strlen(text)));
    if (!units) return 0;
    int length = 0;
    for (char16_t unit : *units) length += unit < 0x100 ? 1 : 2;
    return length;
}

std::u16string GetShortenString(std::u16string_view text, int maxLength)
{
    int length = 0;
    size_t end = 0;
    while (end < text.size()) {
        size_t step = 1;
        int width = UnitWidth(text[end]);
        if (IsHighSurrogate(text[end]) && end + 1 < text.size() && IsLowSurrogate(text[end + 1])) {
            step = 2;
            width += UnitWidth(text[end + 1]);
        }
        if (length + width > maxLength) break;
        length += width;
        end += step;
    }
    return std::u16string(text.substr(0, end));
}
