#include "platform/FileSystem.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/UserDatabase.h"

namespace platform {

namespace {

void GiveToGroup(const std::string& path, const std::string& group)
{
    if (group.empty()) return;
    const std::optional<GroupEntry> entry = UserDatabase::FindGroup(group);
    if (!entry) return;
    if (chown(path.c_str(), static_cast<uid_t>(-1), entry->gid) != 0) {
        // Not permitted for this user: the folder keeps the user's group.
    }
}

} // namespace

bool FileExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && lstat(path.c_str(), &info) == 0;
}

bool DirectoryExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ParentDirectory(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return std::string();
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool CreateDirectories(const std::string& path, mode_t mode, const std::string& group)
{
    if (path.empty()) return false;
    if (DirectoryExists(path)) return true;
    std::vector<std::string> missing;
    std::string current = path;
    while (!current.empty() && current != "/" && !FileExists(current)) {
        missing.push_back(current);
        current = ParentDirectory(current);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        if (mkdir(it->c_str(), mode) != 0 && errno != EEXIST) return false;
        chmod(it->c_str(), mode);
        GiveToGroup(*it, group);
    }
    return DirectoryExists(path);
}

bool CreateEmptyFile(const std::string& path, mode_t mode, const std::string& group)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) return false;
    const bool modeSet = fchmod(fd, mode) == 0;
    close(fd);
    GiveToGroup(path, group);
    return modeSet;
}

} // namespace platform
