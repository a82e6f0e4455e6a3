#include "filter/FileCopy.h"

#include "filter/ErrorMessage.h"

#include "filter/FilterState.h"
#include "filter/OutputMirror.h"

#include <cups/cups.h>

#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Block size of every copy through the filter's memory: cat's own block size.
// A block that stays in the processor's cache between the read and the write
// copies several times faster than a larger one: with 1 MiB blocks a copy of
// a file in the page cache took five times as long.
constexpr size_t kCopyBlock = 128 << 10;
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

// How a copy inside the kernel ended: Refused means the descriptors cannot
// take that call (some file systems refuse splice or copy_file_range, and
// both refuse a file opened for appending), and the caller copies on through
// its own memory from where the kernel stopped: both calls move the files'
// positions past what they copied.
enum class KernelCopy { Complete, Refused, WriteFailed, Cancelled };

bool Refused(int error)
{
    return error == EINVAL || error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EBADF;
}

// File to file: copy_file_range, which may share or copy the blocks without
// them ever reaching the filter's memory.
KernelCopy CopyFileRange(int in, int out)
{
    for (;;) {
        if (CancelJob != 0) return KernelCopy::Cancelled;
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kKernelCopyBlock, 0);
        if (n == 0) return KernelCopy::Complete;
        if (n > 0 || Retry(n)) continue;
        if (Refused(errno)) return KernelCopy::Refused;
        return CancelJob != 0 ? KernelCopy::Cancelled : KernelCopy::WriteFailed;
    }
}

// Pipe to file: splice moves the pipe's pages into the file's pages inside the
// kernel. A job that arrives through a pipe (behind another filter, or from
// the layout filter) is copied at the cost of one copy in the kernel, without
// a pass through this process's memory. The pipe keeps the size its writer
// gave it: in a 1 MiB pipe the same copy took five times as long.
KernelCopy SplicePipe(int in, int out)
{
    for (;;) {
        if (CancelJob != 0) return KernelCopy::Cancelled;
        // A pipe that delivers nothing blocks here; the cancel's signal ends
        // the wait (its handler does not restart the call).
        const ssize_t n =
            ::splice(in, nullptr, out, nullptr, kKernelCopyBlock, SPLICE_F_MOVE | SPLICE_F_MORE);
        if (n == 0) return KernelCopy::Complete;
        if (n > 0 || Retry(n)) continue;
        if (CancelJob != 0) return KernelCopy::Cancelled;
        if (Refused(errno)) return KernelCopy::Refused;
        // Reading a pipe does not fail: the file could not take the bytes.
        return KernelCopy::WriteFailed;
    }
}

CopyResult FromKernelCopy(KernelCopy result)
{
    switch (result) {
    case KernelCopy::Complete: return CopyResult::Complete;
    case KernelCopy::Cancelled: return CopyResult::Cancelled;
    case KernelCopy::Refused:
    case KernelCopy::WriteFailed: break;
    }
    return CopyResult::WriteFailed;
}

} // namespace

CopyResult CopyDescriptor(int in, int out)
{
    struct stat inStat {};
    struct stat outStat {};
    const bool known = ::fstat(in, &inStat) == 0 && ::fstat(out, &outStat) == 0;
    if (known && S_ISREG(outStat.st_mode)) {
        KernelCopy kernel = KernelCopy::Refused;
        if (S_ISREG(inStat.st_mode))
            kernel = CopyFileRange(in, out);
        else if (S_ISFIFO(inStat.st_mode))
            kernel = SplicePipe(in, out);
        if (kernel != KernelCopy::Refused) return FromKernelCopy(kernel);
        // Refused: the plain copy goes on from where the kernel stopped.
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

CopyResult ReadAllAt(int fd, std::span<char> into, off_t offset)
{
    for (size_t got = 0; got < into.size();) {
        const ssize_t n = ::pread(fd, into.data() + got, into.size() - got, offset + static_cast<off_t>(got));
        if (Retry(n)) continue;
        if (n <= 0) return CancelJob != 0 ? CopyResult::Cancelled : CopyResult::ReadFailed;
        got += static_cast<size_t>(n);
    }
    return CopyResult::Complete;
}

CopyResult WriteAllAt(int fd, std::span<const char> data, off_t offset)
{
    for (size_t put = 0; put < data.size();) {
        const ssize_t n =
            ::pwrite(fd, data.data() + put, data.size() - put, offset + static_cast<off_t>(put));
        if (Retry(n)) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return CancelJob != 0 ? CopyResult::Cancelled : CopyResult::WriteFailed;
        put += static_cast<size_t>(n);
    }
    return CopyResult::Complete;
}

CopyResult MoveWithinFile(int in, int out, off_t from, off_t to, off_t size)
{
    if (from == to || size == 0) return CopyResult::Complete;
    std::vector<char> buffer(kCopyBlock);
    // Moving towards the end, the last block goes first, so that no byte is
    // overwritten before it has been read; towards the start, the first.
    const bool backwards = to > from;
    off_t done = 0;
    while (done < size) {
        if (CancelJob != 0) return CopyResult::Cancelled;
        const size_t block = static_cast<size_t>(std::min<off_t>(size - done, buffer.size()));
        const off_t offset = backwards ? size - done - static_cast<off_t>(block) : done;
        const std::span<char> piece(buffer.data(), block);
        if (const CopyResult read = ReadAllAt(in, piece, from + offset); read != CopyResult::Complete)
            return read;
        if (const CopyResult written = WriteAllAt(out, piece, to + offset); written != CopyResult::Complete)
            return written;
        done += static_cast<off_t>(block);
    }
    return CopyResult::Complete;
}

void ReportLostData(const std::string& what, int error)
{
    PutErrorMessage(what + " (" + std::strerror(error) + ")\n");
}

namespace {

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

namespace {

// Frees the part of the filter's own temporary file that is already in the
// output file. Its pages are dirty (the file was just written) and would
// otherwise stay so until the file is deleted: a large job then holds twice
// its size in dirty pages, and the kernel slows every writer down once there
// are too many. Only for a regular output file, whose pages hold their own
// copy once copy_file_range has returned; a pipe may still hold references to
// the temporary file's pages, whose reader must find them whole. A file
// system that cannot punch holes keeps the pages, as before.
void ReleaseSent(int fd, off_t& sent, ssize_t n)
{
    ::fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, sent, n);
    sent += n;
}

SendResult CopyToOutput(const char* path, bool releaseSent)
{
    FdCloser in(::open(path, (releaseSent ? O_RDWR : O_RDONLY) | O_CLOEXEC));
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
        // Into a regular file copy_file_range (which a file system may
        // answer by sharing blocks), into anything else sendfile; a file
        // that refuses the first is handed to the second.
        struct stat outStat {};
        bool fileRange = ::fstat(outFd, &outStat) == 0 && S_ISREG(outStat.st_mode);
        off_t sent = 0;
        for (;;) {
            if (CancelJob != 0) return SendResult::Cancelled;
            const ssize_t n = fileRange
                                  ? ::copy_file_range(in.get(), nullptr, outFd, nullptr, kKernelCopyBlock, 0)
                                  : ::sendfile(outFd, in.get(), nullptr, kKernelCopyBlock);
            if (n > 0 && fileRange && releaseSent) ReleaseSent(in.get(), sent, n);
            if (n > 0 || Retry(n)) continue;
            if (n == 0) return SendResult::Sent;
            if (CancelJob != 0) return SendResult::Cancelled;
            if (fileRange && Refused(errno)) {
                fileRange = false;
                continue;
            }
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

} // namespace

SendResult CopyFileToOutput(const char* path) { return CopyToOutput(path, false); }

SendResult WritePDFData(const char* path)
{
    const SendResult result = CopyToOutput(path, true);
    ::unlink(path);
    return result;
}
