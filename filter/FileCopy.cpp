#include "filter/FileCopy.h"

#include "filter/OutputMirror.h"

#include <cups/cups.h>

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Block size of every copy: large enough that a copy costs about what cat
// costs, small enough to keep the filter's memory low whatever the PDF's size.
constexpr size_t kCopyBlock = 1 << 20;

class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;
    int get() const { return fd_; }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Copies in to out to the end of in; false when a read or write fails.
bool CopyDescriptor(int in, int out)
{
    struct stat inStat {};
    struct stat outStat {};
    if (::fstat(in, &inStat) == 0 && ::fstat(out, &outStat) == 0 && S_ISREG(inStat.st_mode) &&
        S_ISREG(outStat.st_mode)) {
        // File to file: let the kernel copy.
        for (;;) {
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kCopyBlock * 64, 0);
            if (n == 0) return true;
            if (n > 0) continue;
            if (errno == EINTR) continue;
            if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
                break; // fall back to the plain copy from where the kernel stopped
            return false;
        }
    }
    std::vector<char> buffer(kCopyBlock);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!WriteAll(out, buffer.data(), static_cast<size_t>(n))) return false;
    }
}

// Makes a CUPS temporary file; its name goes into path.
int MakeTempFile(std::span<char> path)
{
    std::memset(path.data(), 0, path.size());
    return cupsTempFd(path.data(), static_cast<int>(path.size()));
}

void DiscardTempFile(std::span<char> path)
{
    ::unlink(path.data());
    std::memset(path.data(), 0, path.size());
}

} // namespace

int SaveToTempFile(int fd, std::span<char> path)
{
    FdCloser temp(MakeTempFile(path));
    if (temp.get() < 0) return 0;
    if (!CopyDescriptor(fd, temp.get()) || ::close(temp.release()) != 0) {
        DiscardTempFile(path);
        return 0;
    }
    return 1;
}

int SaveToTempFileFromCups(int argc, char** argv, std::span<char> path)
{
    FdCloser temp(MakeTempFile(path));
    if (temp.get() < 0) return 0;
    FdCloser input(argc == 6 ? ::dup(STDIN_FILENO) : ::open(argv[6], O_RDONLY | O_CLOEXEC));
    if (input.get() < 0) return 0; // the empty temporary file stands for the job
    if (!CopyDescriptor(input.get(), temp.get()) || ::close(temp.release()) != 0) {
        DiscardTempFile(path);
        return -1;
    }
    return 1;
}

long long CopyFileToOutput(const char* path)
{
    FdCloser in(::open(path, O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) return 0;
    FILE* out = PjlOutputStream();
    long long total = 0;
    const int outFd = ::fileno(out);
    if (gJobFilefp == nullptr && outFd >= 0) {
        // Nothing to mirror: hand the file to the kernel after the buffered header.
        std::fflush(out);
        for (;;) {
            const ssize_t n = ::sendfile(outFd, in.get(), nullptr, kCopyBlock * 64);
            if (n > 0) {
                total += n;
                continue;
            }
            if (n == 0) return total;
            if (errno == EINTR) continue;
            if (errno == EPIPE) return total; // nothing more can reach the printer
            break;                            // this output cannot take sendfile: copy through the buffer
        }
    }
    std::vector<char> buffer(kCopyBlock);
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        Utlfwrite(buffer.data(), 1, static_cast<size_t>(n), out);
        total += n;
    }
    return total;
}

void WritePDFData(const char* path)
{
    CopyFileToOutput(path);
    ::unlink(path);
}
