#include "platform/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileSystem.h"
#include "platform/UniqueFd.h"

namespace platform {

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Twelve letters and digits from the kernel's random source. Should that be
// unavailable, a mix of the clock, the process and a counter still gives
// names that differ; the exclusive create is what keeps the file ours.
std::string RandomSuffix()
{
    static constexpr std::string_view kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char raw[12] = {};
    if (getrandom(raw, sizeof(raw), GRND_NONBLOCK) != static_cast<ssize_t>(sizeof(raw))) {
        static std::atomic<uint64_t> counter{0};
        uint64_t state = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                         (static_cast<uint64_t>(getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15u);
        for (unsigned char& byte : raw) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            byte = static_cast<unsigned char>(state >> 56);
        }
    }
    std::string suffix;
    for (const unsigned char byte : raw) suffix += kAlphabet[byte % kAlphabet.size()];
    return suffix;
}

// A new file beside the target, named "<target>#<random>". '#' is in no CUPS
// queue name nor login name, so the name never meets a printer's cache file.
// The file starts private when the caller gives a mode, and is only opened
// when this call created it: a link or file planted under the name is never
// written through.
UniqueFd CreateFileBeside(const std::string& path, bool privateFirst, std::string& newPath)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        newPath = path + "#" + RandomSuffix();
        UniqueFd fd(open(newPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                         privateFirst ? 0600 : 0666));
        if (fd) return fd;
        if (errno != EEXIST) break;
    }
    newPath.clear();
    return UniqueFd();
}

// Whether nothing, or a regular file, is at the path (not through a link).
bool RegularOrMissing(const std::string& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0) return S_ISREG(info.st_mode);
    return errno == ENOENT;
}

} // namespace

FileReadResult ReadRegularFile(const std::string& path, std::size_t maxBytes)
{
    // Looking before opening keeps pipes and devices from being opened at
    // all; the check after opening catches a swap in between.
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
        return {errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed, {}};
    }
    if (!S_ISREG(info.st_mode)) return {FileReadStatus::NotRegular, {}};

    const UniqueFd fd(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) {
        if (errno == ENOENT) return {FileReadStatus::Missing, {}};
        if (errno == ELOOP || errno == ENXIO) return {FileReadStatus::NotRegular, {}};
        return {FileReadStatus::Failed, {}};
    }
    if (fstat(fd.Get(), &info) != 0) return {FileReadStatus::Failed, {}};
    if (!S_ISREG(info.st_mode)) return {FileReadStatus::NotRegular, {}};
    if (static_cast<uint64_t>(info.st_size) > maxBytes) return {FileReadStatus::TooLarge, {}};

    FileReadResult result{FileReadStatus::Read, {}};
    char buffer[8192];
    for (;;) {
        const ssize_t got = read(fd.Get(), buffer, sizeof(buffer));
        if (got < 0) {
            if (errno == EINTR) continue;
            return {FileReadStatus::Failed, {}};
        }
        if (got == 0) break;
        // The file may grow while it is read.
        if (result.bytes.size() + static_cast<size_t>(got) > maxBytes) return {FileReadStatus::TooLarge, {}};
        result.bytes.append(buffer, static_cast<size_t>(got));
    }
    return result;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, const FileAccess& access)
{
    if (path.empty() || !RegularOrMissing(path)) return false;
    std::string newPath;
    UniqueFd fd = CreateFileBeside(path, access.mode.has_value(), newPath);
    if (!fd) return false;
    bool written = ApplyFileAccess(fd.Get(), access) && WriteAll(fd.Get(), bytes) && fsync(fd.Get()) == 0;
    written = fd.Close() && written;
    // The flush before the rename keeps a crash from leaving an empty file
    // under the name; the folder is not flushed after it, since either
    // content is whole and the old one is as good after a crash.
    if (written && rename(newPath.c_str(), path.c_str()) == 0) return true;
    unlink(newPath.c_str());
    return false;
}

bool OverwriteRegularFile(const std::string& path, std::string_view bytes)
{
    if (path.empty() || !RegularOrMissing(path)) return false;
    UniqueFd fd(
        open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    struct stat info {};
    if (!fd || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const bool written = ftruncate(fd.Get(), 0) == 0 && WriteAll(fd.Get(), bytes);
    return fd.Close() && written;
}

std::optional<FileAccess> RegularFileAccess(const std::string& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileAccess{info.st_mode & 0777, info.st_gid};
}

} // namespace platform
