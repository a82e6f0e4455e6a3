#include "constraints/XPPDStamp.h"

#include "platform/PlatformRelease.h"

namespace {

// Leading decimal number of the text; false when there is none. The number
// is kept modulo 2^32, which leaves the low bits that reach the code exact.
bool ReadNumber(std::string_view& text, std::uint32_t& value)
{
    std::size_t used = 0;
    value = 0;
    while (used < text.size() && text[used] >= '0' && text[used] <= '9') {
        value = value * 10 + static_cast<std::uint32_t>(text[used] - '0');
        ++used;
    }
    text.remove_prefix(used);
    return used > 0;
}

} // namespace

std::uint32_t XppdVersionCode(std::string_view release)
{
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    if (!ReadNumber(release, major)) return 0x1000;
    if (release.starts_with('.')) {
        release.remove_prefix(1);
        if (!ReadNumber(release, minor)) minor = 0;
    }
    return 0x1000 + ((16 * major + 0xFC0) & 0xFF0) + (minor & 0xF);
}

std::string_view XppdSystemName(std::string_view release)
{
    return (XppdVersionCode(release) & 0xFFF0) == 0x1030 ? "Panther" : "Tiger";
}

std::string XppdStamp(std::string_view prefix)
{
    std::string stamp(prefix);
    stamp += XppdSystemName(platform::PlatformRelease());
    return stamp;
}
