// The text-field input filters: ranges and text both from the input, record
// counts out of range included.
#include "FuzzSupport.h"

#include "panelkit/InputFilter.h"

#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    TextEditFilterData filter{};
    // The count is read as the table states it, even beyond the ranges held.
    filter.wordFilter.count = static_cast<int8_t>(in.Byte());
    filter.byteFilter.count = static_cast<int8_t>(in.Byte());
    for (int i = 0; i < InputFilterData::kMaxRanges; ++i) {
        const uint16_t low = static_cast<uint16_t>(in.Byte() << 8 | in.Byte());
        const uint16_t high = static_cast<uint16_t>(in.Byte() << 8 | in.Byte());
        filter.wordFilter.ranges[i] = {low, high};
        filter.byteFilter.ranges[i] = {static_cast<int32_t>(low) - 0x8000, high};
    }
    const std::string_view rest = in.Rest();
    std::u16string text;
    for (size_t i = 0; i + 1 < rest.size(); i += 2)
        text.push_back(
            static_cast<char16_t>(static_cast<uint8_t>(rest[i]) << 8 | static_cast<uint8_t>(rest[i + 1])));

    const bool valid = validateInput(text, &filter);
    if (text.empty()) FUZZ_CHECK(valid);
    FUZZ_CHECK(!validateInput(u"x", nullptr));
    for (char16_t unit : text) {
        const bool one = ISWordValid(&unit, &filter.wordFilter);
        if (valid) FUZZ_CHECK(one); // a valid text is made of valid units
    }
    const std::string bytes(rest);
    (void)validateDensityInput(bytes.c_str(), &filter);
    (void)IsAllSpace(text);
    std::vector<char16_t> out(text.size() / 2 + 1);
    const int copied = RemoveAllSpaces(text, out);
    FUZZ_CHECK(copied >= 0 && static_cast<size_t>(copied) < out.size());
    FUZZ_CHECK(out[copied] == 0);
    return 0;
}
