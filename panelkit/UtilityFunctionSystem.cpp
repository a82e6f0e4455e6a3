// System version and user checks of the UtilityFunction unit.
#include "panelkit/UtilityFunction.h"

#include <cstdio>
#include <mutex>

#include "panelkit/UtilityService.h"
#include "platform/PlatformRelease.h"
#include "platform/UserDatabase.h"

namespace {

// The version code of a release text; 0x1000 when its major and minor
// numbers cannot be read.
int32_t VersionCodeOf(const std::string& release)
{
    int major = 0;
    int minor = 0;
    int patch = 0;
    if (std::sscanf(release.c_str(), "%d.%d.%d", &major, &minor, &patch) < 2) return 0x1000;
    return 0x1000 + (((major - 4) * 16) & 0xFF0) + (minor & 0xF);
}

// The code is cached per release text: computed once for the platform, yet a
// test that changes the release override sees the new value.
int32_t SystemVersionCode()
{
    static std::mutex lock;
    static std::string cachedRelease;
    static int32_t cachedCode = 0;
    const std::string release = platform::PlatformRelease();
    const std::lock_guard<std::mutex> guard(lock);
    if (cachedCode == 0 || release != cachedRelease) {
        cachedRelease = release;
        cachedCode = VersionCodeOf(release);
    }
    return cachedCode;
}

} // namespace

OSErr Gestalt_ALT(OSType selector, int32_t* response)
{
    const int32_t code = SystemVersionCode();
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
