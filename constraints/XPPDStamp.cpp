#include "constraints/XPPDStamp.h"

#include "platform/PlatformRelease.h"

std::string_view XppdSystemName(std::string_view release)
{
    return (platform::SystemVersionCode(release) & 0xFFF0) == 0x1030 ? "Panther" : "Tiger";
}

std::string XppdStamp(std::string_view prefix)
{
    std::string stamp(prefix);
    stamp += XppdSystemName(platform::PlatformRelease());
    return stamp;
}
