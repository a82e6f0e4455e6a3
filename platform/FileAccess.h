// The permissions and group a written file is given.
#pragma once

#include <optional>

#include <sys/types.h>

namespace platform {

struct FileAccess {
    // Permission bits (at most 0777). Nothing: what a new file gets, 0666
    // less the process's umask.
    std::optional<mode_t> mode;
    // Group owner. Nothing: the group a new file gets.
    std::optional<gid_t> group;
};

// Gives the open file the group, then the mode (in that order, because a
// change of group may clear mode bits). The group is best effort: a user may
// only give a file to a group it belongs to, and keeping the data matters
// more than its group, so a refused group leaves the file in the user's
// group. Answers whether the mode was set.
bool ApplyFileAccess(int fd, const FileAccess& access);

} // namespace platform
