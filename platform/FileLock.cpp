#include "platform/FileLock.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace platform {

namespace {

bool IsRegularFile(int fd)
{
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

// flock() needs no more than read access, so the file is opened read-only:
// another user's lock file of mode 0644 still serves.
UniqueFd OpenLockFile(const std::string& path, const FileAccess& access)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        UniqueFd created(open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              access.mode ? 0600 : 0666));
        if (created) {
            ApplyFileAccess(created.Get(), access);
            return created;
        }
        if (errno != EEXIST) return UniqueFd();
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) {
            if (errno == ENOENT) continue; // removed in between: create it again
            return UniqueFd();
        }
        if (!S_ISREG(info.st_mode)) return UniqueFd();
        UniqueFd existing(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!existing) {
            if (errno == ENOENT) continue;
            return UniqueFd();
        }
        if (!IsRegularFile(existing.Get())) return UniqueFd();
        return existing;
    }
    return UniqueFd();
}

} // namespace

std::string LockFilePath(const std::string& dataPath) { return dataPath + "#lock"; }

std::optional<FileLock> FileLock::Acquire(const std::string& dataPath, const FileAccess& access,
                                          std::chrono::milliseconds wait)
{
    if (dataPath.empty()) return std::nullopt;
    UniqueFd fd = OpenLockFile(LockFilePath(dataPath), access);
    if (!fd) return std::nullopt;

    // flock() has no time limit of its own, so a busy lock is tried again
    // after short pauses until the wait is over.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    std::chrono::microseconds pause{200};
    for (;;) {
        if (flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) return FileLock(std::move(fd));
        if (errno != EWOULDBLOCK && errno != EINTR) return std::nullopt;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds{5000});
    }
}

} // namespace platform
