// System version and user checks of the UtilityFunction unit.
#include "panelkit/UtilityFunction.h"

#include <cstdio>

#include "panelkit/UtilityService.h"
#include "platform/PlatformRelease.h"
#include "platform/UserDatabase.h"

OSErr Gestalt_ALT(OSType selector, int32_t* response)
{
    // The release is one environment read away, so the code is formed anew
    // each time; a test that changes the release override sees the new value.
    const auto code = static_cast<int32_t>(platform::SystemVersionCode());
    int32_t answer = 0;
    switch (selector) {
    case gestaltSystemVersion: answer = code; break;
    case gestaltSystemVersionMajor: answer = 10 * ((code >> 12) & 0xF) + ((code >> 8) & 0xF); break;
    case gestaltSystemVersionMinor: answer = (code >> 4) & 0xF; break;
    case gestaltSystemVersionBugFix: answer = code & 0xF; break;
    default: std::fprintf(stderr, "Gestalt_ALT : selector '%x' not supported.\n", selector); return -1;
    }
    if (response != nullptr) *response = answer;
    return 0;
}

bool UsesPreferenceCache()
{
    int32_t version = 0;
    Gestalt_ALT(gestaltSystemVersion, &version);
    return version >= kPreferenceCacheVersionCode;
}

int32_t getOSMinorVersion()
{
    int32_t minor = 0;
    Gestalt_ALT(gestaltSystemVersionMinor, &minor);
    return minor;
}

bool IsUserAdmin()
{
    const std::string name = platform::UserDatabase::RealUserName();
    return UTILITY_SERVICE::checkIfAdminUser(name.c_str());
}

bool CheckUserGroups(const char* userName, const char* groupName)
{
    if (userName == nullptr || groupName == nullptr) return false;
    const std::optional<platform::UserEntry> user = platform::UserDatabase::FindUser(userName);
    if (!user) {
        std::fputs("groups: no such user.\n", stderr);
        return false;
    }
    const std::optional<std::vector<platform::GroupEntry>> groups = platform::UserDatabase::AllGroups();
    if (!groups) return false;
    for (const platform::GroupEntry& group : *groups) {
        if (group.name == groupName && platform::UserDatabase::IsMember(*user, group)) return true;
    }
    return false;
}
