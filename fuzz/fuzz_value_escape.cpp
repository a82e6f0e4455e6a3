// The value escape: "/" and the decimal code of each byte.
#include "FuzzSupport.h"

#include "filter/UtilityFunctionFilter.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view value(reinterpret_cast<const char*>(data), size);
    const std::string decoded = numstrtochar(value);
    if (value.empty() || value.front() != '/') {
        FUZZ_CHECK(decoded == value);
    } else {
        // Each decoded byte needs at least "/" and one digit; a zero byte ends the text.
        FUZZ_CHECK(decoded.size() * 2 <= value.size());
        FUZZ_CHECK(decoded.find('\0') == std::string::npos);
    }

    // Any byte string without zero bytes survives the escape unchanged.
    std::string escaped;
    std::string plain;
    for (uint8_t b : value) {
        if (b == 0) continue;
        plain.push_back(static_cast<char>(b));
        escaped += "/" + std::to_string(b);
    }
    FUZZ_CHECK(numstrtochar(escaped) == plain);
    return 0;
}
