// The value escape: "/" and the decimal code of each byte.
#include "FuzzSupport.h"

#include "filter/UtilityFunctionFilter.h"
#include "platform/ValueEscape.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    const std::string decoded = platform::DecodeValueEscape(value);
    if (value.empty() || value.front() != '/') {
        FUZZ_CHECK(decoded == value);
    } else {
        // One byte per "/"-introduced code.
        FUZZ_CHECK(decoded.size() <= value.size());
        FUZZ_CHECK(numstrtochar(value) == decoded.c_str());
    }

    // Any byte string without zero bytes survives the escape unchanged.
    std::string plain;
    for (uint8_t b : value)
        if (b != 0) plain.push_back(static_cast<char>(b));
    const std::string written = platform::EncodeValueEscape(plain);
    FUZZ_CHECK(written.size() <= plain.size() * 4);
    FUZZ_CHECK(written.find_first_of("',\\") == std::string::npos);
    FUZZ_CHECK(platform::DecodeValueEscape(written) == plain);
    FUZZ_CHECK(numstrtochar(written) == plain);
    return 0;
}
