#include "constraints/QvHash.h"

std::uint64_t qvHash(std::string_view key)
{
    std::uint64_t h = 0;
    for (char c : key) {
        // The byte's sign matters: keys with bytes above 0x7F hash as the
        // original did, where plain char is signed.
        const auto b = static_cast<std::int64_t>(static_cast<signed char>(c));
        h = 5 * h + static_cast<std::uint64_t>(b);
    }
    return h;
}
