// Code-set conversions of option text: UTF-8 into Shift_JIS X0213 and into
// UTF-8 again, into fields of every size.
#include "FuzzSupport.h"

#include "filter/UtilityFunctionFilter.h"
#include "platform/TextEncoding.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const size_t fieldSize = in.Byte() + 1u;
    const std::string_view text = in.Rest();
    const bool valid = platform::IsValidUtf8(text);

    // An exact-size heap field: a write past its end is caught by the sanitizer.
    auto field = std::make_unique<char[]>(fieldSize);
    const size_t sjis = ConvertUTF8ToEncoding(text, std::span<char>(field.get(), fieldSize));
    FUZZ_CHECK(sjis < fieldSize);
    FUZZ_CHECK(field[sjis] == '\0');
    if (!valid) FUZZ_CHECK(sjis == 0);

    auto utf8 = std::make_unique<char[]>(fieldSize);
    const size_t same = ConvertUTF8ToEncodingForUTF8(text, std::span<char>(utf8.get(), fieldSize));
    FUZZ_CHECK(same < fieldSize);
    FUZZ_CHECK(utf8[same] == '\0');
    if (valid) {
        // Whole characters are kept from the start, so the result is a valid prefix.
        FUZZ_CHECK(text.substr(0, same) == std::string_view(utf8.get(), same));
        FUZZ_CHECK(platform::IsValidUtf8(std::string_view(utf8.get(), same)));
        if (text.size() < fieldSize && text.find('\0') == std::string_view::npos)
            FUZZ_CHECK(same == text.size());
    } else {
        FUZZ_CHECK(same == 0);
    }

    // The decimal writer, on a value taken from the input.
    int value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    char digits[12];
    const char* first = itoa(value, digits);
    FUZZ_CHECK(first >= digits && first < digits + sizeof digits);
    FUZZ_CHECK(digits[sizeof digits - 1] == '\0');
    return 0;
}
