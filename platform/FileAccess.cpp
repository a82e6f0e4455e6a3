#include "platform/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool ApplyFileAccess(int fd, const FileAccess& access)
{
    if (access.group && fchown(fd, static_cast<uid_t>(-1), *access.group) != 0) {
        // Not a member of the group: the file keeps the user's group.
    }
    return !access.mode || fchmod(fd, *access.mode & 0777) == 0;
}

} // namespace platform
