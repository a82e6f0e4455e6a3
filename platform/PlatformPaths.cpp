#include "platform/PlatformPaths.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

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

std::string ApplicationSupportDir() { return EnvOr("QV_APPLICATION_SUPPORT", kDefaultApplicationSupportDir); }

std::string SystemPreferencesDir() { return EnvOr("QV_SYSTEM_PREFERENCES", kDefaultSystemPreferencesDir); }

std::string UserDataDir()
{
    std::string base = EnvOr("XDG_CONFIG_HOME", "");
    if (base.empty()) base = HomeDirectory() + "/.config";
    return base + "/quorvel";
}

std::string UserPreferencesDir()
{
    const std::string configured = EnvOr("QV_USER_PREFERENCES", "");
    if (!configured.empty()) return configured;
    return UserDataDir() + "/Preferences";
}

std::string HelpRegistrationFile()
{
    const std::string configured = EnvOr("QV_HELP_REGISTRATION", "");
    if (!configured.empty()) return configured;
    return UserPreferencesDir() + "/" + kHelpRegistrationFileName;
}

std::string AdminGroupName() { return EnvOr("QV_ADMIN_GROUP", kDefaultAdminGroup); }

std::string PasswdFileOverride() { return EnvOr("QV_PASSWD_FILE", ""); }

std::string GroupFileOverride() { return EnvOr("QV_GROUP_FILE", ""); }

std::string HomeDirectory()
{
    const std::string home = EnvOr("HOME", "");
    if (!home.empty()) return home;
    const passwd* entry = getpwuid(getuid());
    return (entry != nullptr && entry->pw_dir != nullptr) ? std::string(entry->pw_dir) : std::string();
}

} // namespace platform
