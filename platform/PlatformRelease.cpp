#include "platform/PlatformRelease.h"

#include <cstdlib>

namespace platform {

namespace {

// Leading decimal number of the text, modulo 2^32; false when there is none.
bool ReadNumber(std::string_view& text, std::uint32_t& value)
{
    std::size_t used = 0;
    value = 0;
    while (used < text.size() && text[used] >= '0' && text[used] <= '9')
        value = value * 10 + static_cast<std::uint32_t>(text[used++] - '0');
    text.remove_prefix(used);
    return used > 0;
}

} // namespace

std::string PlatformRelease()
{
    const char* value = std::getenv(kPlatformReleaseVariable);
    if (value != nullptr && *value != '\0') return std::string(value);
    return std::string(kDefaultPlatformRelease);
}

std::uint32_t SystemVersionCode(std::string_view release)
{
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    if (!ReadNumber(release, major)) return 0x1000;
    if (release.starts_with('.')) {
        release.remove_prefix(1);
        ReadNumber(release, minor);
    }
    return 0x1000 + (((major - 4) * 16) & 0xFF0) + (minor & 0xF);
}

std::uint32_t SystemVersionCode() { return SystemVersionCode(PlatformRelease()); }

} // namespace platform
