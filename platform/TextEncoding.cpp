#include "platform/TextEncoding.h"

namespace platform {

int Utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

std::string_view WithoutCutUtf8Tail(std::string_view bytes)
{
    // The last character begins at most three continuation bytes from the end.
    size_t lead = bytes.size();
    while (lead > 0 && bytes.size() - lead < 3 &&
           IsUtf8Continuation(static_cast<unsigned char>(bytes[lead - 1])))
        --lead;
    if (lead == 0) return bytes;
    --lead;
    const int length = Utf8SequenceLength(static_cast<unsigned char>(bytes[lead]));
    if (length > 1 && lead + static_cast<size_t>(length) > bytes.size()) return bytes.substr(0, lead);
    return bytes;
}

std::optional<char32_t> DecodeUtf8Char(std::string_view bytes, std::size_t& pos)
{
    static constexpr char32_t kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    static constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (pos >= bytes.size()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    const int length = Utf8SequenceLength(lead);
    if (length == 0 || bytes.size() - pos < static_cast<std::size_t>(length)) return std::nullopt;
    char32_t value = lead & kLeadBits[length];
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[pos + k]);
        if (!IsUtf8Continuation(next)) return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < kShortest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return value;
}

namespace {

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const std::optional<char32_t> decoded = DecodeUtf8Char(bytes, i);
        if (!decoded) return std::nullopt;
        char32_t cp = *decoded;
        if (cp < 0x10000) {
            out += static_cast<char16_t>(cp);
        } else {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            AppendUtf8(out, cp);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        if (!DecodeUtf8Char(bytes, i)) return false;
    }
    return true;
}

int Utf8LengthOfUnit(char16_t unit)
{
    if (unit < 0x80) return 1;
    if (unit < 0x800) return 2;
    return 3;
}

} // namespace platform
