#include "filter/UtilityFunctionFilter.h"

#include "filter/ErrorMessage.h"

#include "platform/IconvHandle.h"
#include "platform/PpdAttrLookup.h"
#include "platform/TextEncoding.h"
#include "platform/ValueEscape.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>

ppd_attr_t* ppdFindAttr_ALT(ppd_file_t* ppd, std::string_view name)
{
    return platform::FindPpdAttrByPrefix(ppd, name);
}

std::string numstrtochar(std::string_view value)
{
    // The filter reads the value as text: the first zero byte ends it.
    std::string decoded = platform::DecodeValueEscape(value);
    decoded.resize(std::strlen(decoded.c_str()));
    return decoded;
}

void CopyToField(std::string_view text, std::span<char> field)
{
    if (field.empty()) return;
    const size_t n = std::min(text.size(), field.size() - 1);
    std::memcpy(field.data(), text.data(), n);
    field[n] = '\0';
}

namespace {

// Converts one whole character; returns its byte count, or 0 when the
// character has no form in the target code set.
size_t ConvertOne(const platform::IconvHandle& cd, std::string_view in, char* out, size_t outSize)
{
    iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outPtr = out;
    size_t outLeft = outSize;
    if (iconv(cd.Get(), &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    // Shift_JIS X0213 holds back a character that could start a combining
    // pair; flushing the state writes it out.
    if (iconv(cd.Get(), nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return 0;
    return outSize - outLeft;
}

// Shared walk of both conversions: split the UTF-8 text into characters, let
// encode() produce each one's bytes and append them while they fit.
template <typename Encoder>
size_t ConvertByCharacter(std::string_view utf8, std::span<char> dest, Encoder encode)
{
    if (dest.empty()) return 0;
    dest[0] = '\0';
    if (!platform::IsValidUtf8(utf8)) {
        PutErrorMessage("CFStringCreateWithCString fail\n");
        return 0;
    }
    size_t length = 0;
    size_t pos = 0;
    while (pos < utf8.size()) {
        const size_t start = pos;
        const std::optional<char32_t> cp = platform::DecodeUtf8Char(utf8, pos);
        if (!cp) break;
        char bytes[6];
        const size_t n = encode(*cp, utf8.substr(start, pos - start), bytes);
        if (length + n > dest.size() - 1) break;
        std::memcpy(dest.data() + length, bytes, n);
        length += n;
    }
    dest[length] = '\0';
    return length;
}

} // namespace

size_t ConvertUTF8ToEncoding(std::string_view utf8, std::span<char> dest)
{
    const platform::IconvHandle sjis("SHIFT_JISX0213", "UTF-8");
    return ConvertByCharacter(utf8, dest, [&](char32_t cp, std::string_view ch, char* out) -> size_t {
        if (cp == '\\' || cp == '~') {
            out[0] = static_cast<char>(cp);
            return 1;
        }
        return sjis.Valid() ? ConvertOne(sjis, ch, out, 6) : 0;
    });
}

size_t ConvertUTF8ToEncodingForUTF8(std::string_view utf8, std::span<char> dest)
{
    return ConvertByCharacter(utf8, dest, [](char32_t, std::string_view ch, char* out) -> size_t {
        std::memcpy(out, ch.data(), ch.size());
        return ch.size();
    });
}
