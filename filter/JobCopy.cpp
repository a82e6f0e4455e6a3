#include "filter/JobCopy.h"

#include "filter/OutputMirror.h"
#include "platform/PlatformPaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Full path of the copy, at most 1035 bytes with its zero byte.
constexpr size_t kJobCopyPathSize = 1035;

// Copies made within one second before the next is given up.
constexpr int kMaxCopiesPerSecond = 1000;

} // namespace

JobCopy::~JobCopy()
{
    if (gJobFilefp != nullptr) {
        std::fclose(gJobFilefp);
        gJobFilefp = nullptr;
    }
}

void JobCopy::OpenIfRequested()
{
    gJobFilefp = nullptr;
    path_.clear();
    if (::access(platform::JobCopyMarkerPath().c_str(), F_OK) != 0) return;
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir == nullptr) return;

    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    struct tm local {};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M%S", &local);

    // Two jobs in the same second must not write into one file: the copy is
    // created exclusively, and a later one in that second takes the next
    // free suffix ("zkYYYYMMDDhhmmss-2.job").
    for (int attempt = 1; attempt <= kMaxCopiesPerSecond; ++attempt) {
        char path[kJobCopyPathSize] = {};
        if (attempt == 1)
            std::snprintf(path, sizeof path, "%s/zk%s.job", tmpdir, stamp);
        else
            std::snprintf(path, sizeof path, "%s/zk%s-%d.job", tmpdir, stamp, attempt);
        const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return;
        }
        gJobFilefp = ::fdopen(fd, "wb");
        if (gJobFilefp == nullptr) {
            ::close(fd);
            ::unlink(path);
            return;
        }
        path_ = path;
        return;
    }
}

void JobCopy::Discard()
{
    if (gJobFilefp == nullptr) return;
    std::fclose(gJobFilefp);
    gJobFilefp = nullptr;
    ::unlink(path_.c_str());
}

void JobCopy::Finish()
{
    if (gJobFilefp == nullptr) return;
    std::fclose(gJobFilefp);
    gJobFilefp = nullptr;
    ::chmod(path_.c_str(), 0676);
}
