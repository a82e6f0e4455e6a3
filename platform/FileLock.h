// An exclusive advisory lock that guards the read, change and rewrite of a
// file against other processes doing the same.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "platform/FileAccess.h"
#include "platform/UniqueFd.h"

namespace platform {

// The lock file that guards `dataPath`: "<dataPath>#lock". The lock cannot sit
// on the data file itself, whose rewrite renames a new file over it (a lock on
// the old file would guard nothing). '#' is in no CUPS queue name nor login
// name, so a lock file never takes the name of a printer's cache file.
std::string LockFilePath(const std::string& dataPath);

// Holds a flock() lock on the lock file of a data file while it lives.
class FileLock {
public:
    // A holder keeps the lock for one small read and rewrite; a lock held
    // longer than this is taken as a stuck (or hostile) holder, and the
    // store fails rather than hang the dialog.
    static constexpr std::chrono::milliseconds kDefaultWait{10000};

    // Locks the lock file of `dataPath`, creating it with `access` when
    // missing. The lock file is opened without following a link and must be
    // a regular file. Nothing when it cannot be opened or the lock is not
    // granted within `wait`.
    static std::optional<FileLock> Acquire(const std::string& dataPath, const FileAccess& access,
                                           std::chrono::milliseconds wait = kDefaultWait);

private:
    explicit FileLock(UniqueFd fd) : fd_(std::move(fd)) {}
    UniqueFd fd_; // closing it releases the lock
};

} // namespace platform
