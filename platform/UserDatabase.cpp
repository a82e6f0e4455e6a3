#include "platform/UserDatabase.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include "platform/PlatformPaths.h"
#include "platform/FilePtr.h"

namespace platform {

namespace {

using platform::FilePtr;

UserEntry FromPasswd(const passwd& entry)
{
    UserEntry user;
    user.name = entry.pw_name != nullptr ? entry.pw_name : "";
    user.uid = entry.pw_uid;
    user.gid = entry.pw_gid;
    user.home = entry.pw_dir != nullptr ? entry.pw_dir : "";
    return user;
}

GroupEntry FromGroup(const group& entry)
{
    GroupEntry result;
    result.name = entry.gr_name != nullptr ? entry.gr_name : "";
    result.gid = entry.gr_gid;
    for (char** member = entry.gr_mem; member != nullptr && *member != nullptr; ++member) {
        result.members.emplace_back(*member);
    }
    return result;
}

// Walks the user database, stopping when the visitor answers true.
template <typename Visitor>
bool ForEachUser(Visitor visit)
{
    const std::string file = PasswdFileOverride();
    if (!file.empty()) {
        FilePtr in(std::fopen(file.c_str(), "re"));
        if (!in) return false;
        while (const passwd* entry = fgetpwent(in.get())) {
            if (visit(FromPasswd(*entry))) break;
        }
        return true;
    }
    return false;
}

} // namespace

std::optional<UserEntry> UserDatabase::FindUser(std::string_view name)
{
    if (name.empty()) return std::nullopt;
    std::optional<UserEntry> found;
    if (ForEachUser([&](UserEntry user) {
            if (user.name != name) return false;
            found = std::move(user);
            return true;
        })) {
        return found;
    }
    const std::string key(name);
    const passwd* entry = getpwnam(key.c_str());
    if (entry == nullptr) return std::nullopt;
    return FromPasswd(*entry);
}

std::optional<UserEntry> UserDatabase::FindUser(uid_t uid)
{
    std::optional<UserEntry> found;
    if (ForEachUser([&](UserEntry user) {
            if (user.uid != uid) return false;
            found = std::move(user);
            return true;
        })) {
        return found;
    }
    const passwd* entry = getpwuid(uid);
    if (entry == nullptr) return std::nullopt;
    return FromPasswd(*entry);
}

std::optional<std::vector<GroupEntry>> UserDatabase::AllGroups()
{
    std::vector<GroupEntry> groups;
    const std::string file = GroupFileOverride();
    if (!file.empty()) {
        FilePtr in(std::fopen(file.c_str(), "re"));
        if (!in) return std::nullopt;
        while (const group* entry = fgetgrent(in.get())) groups.push_back(FromGroup(*entry));
        return groups;
    }
    setgrent();
    while (const group* entry = getgrent()) groups.push_back(FromGroup(*entry));
    endgrent();
    return groups;
}

std::optional<GroupEntry> UserDatabase::FindGroup(std::string_view name)
{
    if (name.empty()) return std::nullopt;
    const std::optional<std::vector<GroupEntry>> groups = AllGroups();
    if (!groups) return std::nullopt;
    for (const GroupEntry& entry : *groups) {
        if (entry.name == name) return entry;
    }
    return std::nullopt;
}

bool UserDatabase::IsMember(const UserEntry& user, const GroupEntry& group)
{
    if (user.name.empty()) return false;
    if (group.gid == user.gid) return true;
    return std::find(group.members.begin(), group.members.end(), user.name) != group.members.end();
}

std::string UserDatabase::RealUserName()
{
    const std::optional<UserEntry> user = FindUser(getuid());
    return user ? user->name : std::string();
}

std::string UserDatabase::LoginName()
{
    const char* configured = std::getenv("QV_LOGIN_NAME");
    if (configured != nullptr && *configured != '\0') return std::string(configured);
    const char* login = getlogin();
    if (login != nullptr && *login != '\0') return std::string(login);
    return RealUserName();
}

} // namespace platform
