#include "filter/FileCopy.h"

#include "filter/FilterState.h"
#include "filter/OutputMirror.h"

#include <cups/cups.h>

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Block size of every copy through the filter's memory: large enough that a
// copy costs about what cat costs, small enough to keep the filter's memory
// low whatever the PDF's size.
constexpr size_t kCopyBlock = 1 << 20;
// Block size of the copies inside the kernel. Each call runs to its end before
// the cancel flag can be looked at again; 8 MiB takes milliseconds from the
// page cache, and copies at the same speed as larger blocks.
constexpr size_t kKernelCopyBlock = 8 << 20;

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

enum class CopyResult { Complete, ReadFailed, WriteFailed, Cancelled };

// A read or write that a signal interrupted is tried again, unless the signal
// was the cancel.
bool Retry(ssize_t n) { return n < 0 && errno == EINTR && CancelJob == 0; }

CopyResult WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        if (CancelJob != 0) return CopyResult::Cancelled;
        const ssize_t n = ::write(fd, data, size);
        if (Retry(n)) continue;
        if (n < 0) return CancelJob != 0 ? CopyResult::Cancelled : CopyResult::WriteFailed;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return CopyResult::Complete;
}

// Copies in to out to the end of in.
CopyResult CopyDescriptor(int in, int out)
{
    struct stat inStat {};
    struct stat outStat {};
    if (::fstat(in, &inStat) == 0 && ::fstat(out, &outStat) == 0 && S_ISREG(inStat.st_mode) &&
        S_ISREG(outStat.st_mode)) {
        // File to file: let the kernel copy.
        for (;;) {
            if (CancelJob != 0) return CopyResult::Cancelled;
            const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kKernelCopyBlock, 0);
            if (n == 0) return CopyResult::Complete;
            if (n > 0 || Retry(n)) continue;
            if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
                break; // fall back to the plain copy from where the kernel stopped
            return CancelJob != 0 ? CopyResult::Cancelled : CopyResult::WriteFailed;
        }
    }
    std::vector<char> buffer(kCopyBlock);
    for (;;) {
        if (CancelJob != 0) return CopyResult::Cancelled;
        // A pipe that delivers nothing blocks here; the cancel's signal ends
        // the wait (its handler does not restart the call).
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0) return CopyResult::Complete;
        if (Retry(n)) continue;
        if (n < 0) return CancelJob != 0 ? CopyResult::Cancelled : CopyResult::ReadFailed;
        const CopyResult written = WriteAll(out, buffer.data(), static_cast<size_t>(n));
        if (written != CopyResult::Complete) return written;
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

void ReportLostData(const std::string& what, int error)
{
    Utlfputs((what + " (" + std::strerror(error) + ")\n").c_str(), stderr);
}

void ReportNoTempFile(int error)
{
    const char* tmpdir = std::getenv("TMPDIR");
    ReportLostData(std::string("The job's data cannot be kept: no temporary file can be made in ") +
                       (tmpdir != nullptr ? tmpdir : "the temporary folder"),
                   error);
}

// Whether a descriptor still has bytes to give; the first one is consumed.
bool HasData(int fd)
{
    char byte;
    ssize_t n;
    do {
        n = ::read(fd, &byte, 1);
    } while (Retry(n));
    return n != 0;
}

} // namespace

int SaveToTempFile(int fd, std::span<char> path)
{
    FdCloser temp(MakeTempFile(path));
    if (temp.get() < 0) {
        const int error = errno;
        if (CancelJob == 0) ReportNoTempFile(error);
        std::memset(path.data(), 0, path.size());
        return 0;
    }
    const CopyResult copied = CopyDescriptor(fd, temp.get());
    if (copied != CopyResult::Complete || ::close(temp.release()) != 0) {
        DiscardTempFile(path);
        return 0;
    }
    return 1;
}

int SaveToTempFileFromCups(int argc, char** argv, std::span<char> path)
{
    const std::string inputName =
        argc == 6 ? std::string("Standard input") : "The job's file " + std::string(argv[6]);
    FdCloser input(argc == 6 ? ::dup(STDIN_FILENO) : ::open(argv[6], O_RDONLY | O_CLOEXEC));
    if (input.get() < 0) {
        const int error = errno;
        ReportLostData(inputName + " cannot be read", error);
        std::memset(path.data(), 0, path.size());
        return -1;
    }
    FdCloser temp(MakeTempFile(path));
    if (temp.get() < 0) {
        const int error = errno;
        std::memset(path.data(), 0, path.size());
        // Nothing arrived, so nothing is lost: the job goes out empty.
        if (!HasData(input.get())) return CancelJob != 0 ? -1 : 1;
        if (CancelJob == 0) ReportNoTempFile(error);
        return -1;
    }
    const CopyResult copied = CopyDescriptor(input.get(), temp.get());
    if (copied != CopyResult::Complete || ::close(temp.release()) != 0) {
        const int error = errno;
        DiscardTempFile(path);
        if (copied == CopyResult::ReadFailed)
            ReportLostData(inputName + " cannot be read", error);
        else if (copied != CopyResult::Cancelled)
            ReportLostData("The job's data cannot be kept whole", error);
        return -1;
    }
    return 1;
}

SendResult CopyFileToOutput(const char* path)
{
    FdCloser in(::open(path, O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        const int error = errno;
        ReportLostData(std::string("The PDF ") + path + " cannot be read", error);
        return SendResult::Failed;
    }
    FILE* out = PjlOutputStream();
    const int outFd = ::fileno(out);
    if (gJobFilefp == nullptr && outFd >= 0) {
        // Nothing to mirror: hand the file to the kernel after the buffered
        // header, in blocks, so that a cancel is seen between them. A reader
        // that stopped reading keeps a call waiting until the cancel's
        // signal ends it.
        const int headerError = FlushPjlOutput();
        if (CancelJob != 0) return SendResult::Cancelled;
        if (headerError != 0 && headerError != EPIPE) return SendResult::Failed;
        for (;;) {
            if (CancelJob != 0) return SendResult::Cancelled;
            const ssize_t n = ::sendfile(outFd, in.get(), nullptr, kKernelCopyBlock);
            if (n > 0 || Retry(n)) continue;
            if (n == 0) return SendResult::Sent;
            if (CancelJob != 0) return SendResult::Cancelled;
            if (errno == EPIPE) return SendResult::Sent;   // nothing more can reach the printer
            if (errno == EINVAL || errno == ENOSYS) break; // this output cannot take sendfile
            NotePjlOutputError(errno);
            return SendResult::Failed;
        }
    }
    std::vector<char> buffer(kCopyBlock);
    for (;;) {
        if (CancelJob != 0) return SendResult::Cancelled;
        const ssize_t n = ::read(in.get(), buffer.data(), buffer.size());
        if (n == 0) return SendResult::Sent;
        if (Retry(n)) continue;
        if (n < 0) {
            const int error = errno;
            if (CancelJob != 0) return SendResult::Cancelled;
            ReportLostData(std::string("The PDF ") + path + " cannot be read", error);
            return SendResult::Failed;
        }
        const size_t size = static_cast<size_t>(n);
        if (Utlfwrite(buffer.data(), 1, size, out) < size) {
            if (CancelJob != 0) return SendResult::Cancelled;
            // A broken pipe goes on as before, for the job copy's sake; any
            // other failure means the printer cannot get the job.
            if (PjlOutputError() != EPIPE) return SendResult::Failed;
        }
    }
}

SendResult WritePDFData(const char* path)
{
    const SendResult result = CopyFileToOutput(path);
    ::unlink(path);
    return result;
}
