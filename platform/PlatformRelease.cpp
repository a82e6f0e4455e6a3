#include "platform/PlatformRelease.h"

#include <cstdlib>

namespace platform {

std::string PlatformRelease()
{
    const char* value = std::getenv(kPlatformReleaseVariable);
    if (value != nullptr && *value != '\0') return std::string(value);
    return std::string(kDefaultPlatformRelease);
}

} // namespace platform
