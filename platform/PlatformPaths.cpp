#include "platform/PlatformPaths.h"

#include <cstdlib>

namespace platform {

namespace {

// An environment variable's value, or the fallback when it is unset or empty.
std::string EnvOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? std::string(value) : std::string(fallback);
}

} // namespace

std::string JobCopyMarkerPath() { return EnvOr("SPOOLWRAP_JOBCOPY_MARKER", kDefaultJobCopyMarker); }

std::string CupsDataDir() { return EnvOr("CUPS_DATADIR", kDefaultCupsDataDir); }

std::string CupsServerRoot() { return EnvOr("CUPS_SERVERROOT", kDefaultCupsServerRoot); }

std::string CupsServerBin() { return EnvOr("CUPS_SERVERBIN", kDefaultCupsServerBin); }

std::string FilterDirectory()
{
    std::string dir = CupsServerBin();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir + "filter/";
}

} // namespace platform
