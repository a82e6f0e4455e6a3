// The POSIX user and group databases, standing in for the original's identity
// services. Tests point $QV_PASSWD_FILE / $QV_GROUP_FILE at databases of their
// own; otherwise the system's (NSS) databases are read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace platform {

struct UserEntry {
    std::string name;
    uid_t uid = 0;
    gid_t gid = 0; // primary group
    std::string home;
};

struct GroupEntry {
    std::string name;
    gid_t gid = 0;
    std::vector<std::string> members;
};

class UserDatabase {
public:
    static std::optional<UserEntry> FindUser(std::string_view name);
    static std::optional<UserEntry> FindUser(uid_t uid);
    // The first group of that name in database order.
    static std::optional<GroupEntry> FindGroup(std::string_view name);
    // Every group in database order; nothing when the database cannot be read.
    static std::optional<std::vector<GroupEntry>> AllGroups();

    // Whether the user belongs to the group: the group's ID is the user's
    // primary group, or the group's member list names the user.
    static bool IsMember(const UserEntry& user, const GroupEntry& group);

    // Name of the process's real user (getpwuid(getuid())); empty when unknown.
    static std::string RealUserName();
    // The login name: $QV_LOGIN_NAME when set (tests), else getlogin(), else the
    // real user's name, since a print dialog host often has no controlling terminal.
    static std::string LoginName();
};

} // namespace platform
