#include "filter/JobCopy.h"

#include "filter/OutputMirror.h"
#include "platform/PlatformPaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

// Full path of the copy, at most 1035 bytes with its zero byte.
constexpr size_t kJobCopyPathSize = 1035;

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

    char path[kJobCopyPathSize] = {};
    std::snprintf(path, sizeof path, "%s/zk%s.job", tmpdir, stamp);
    gJobFilefp = std::fopen(path, "wb");
    if (gJobFilefp != nullptr) path_ = path;
}

void JobCopy::Finish()
{
    if (gJobFilefp == nullptr) return;
    std::fclose(gJobFilefp);
    gJobFilefp = nullptr;
    ::chmod(path_.c_str(), 0676);
}
