#include "filter/InPlaceJob.h"

#include "filter/ErrorMessage.h"
#include "filter/FileCopy.h"
#include "filter/FilterState.h"
#include "filter/OutputMirror.h"
#include "filter/PdfPreprocess.h"
#include "filter/PjlHeader.h"
#include "platform/FilePtr.h"
#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The size the room for the header is first made for. The header's length
// depends on the size only through the digits of FSIZ, and the size is not
// known until the pipe ends; a wrong guess costs one move of the PDF inside
// the output file by a few bytes, which took less time than the temporary
// copy (a 465 MiB job, median of 7 runs: 1.4 times cat | cat with the move,
// 1.6 through the copy). The guess is ten digits, the class of the jobs where
// the copy is felt most (a gigabyte and more); a smaller job pays a move in
// proportion to its size.
constexpr long long kGuessedSize = 1'000'000'000;

// How much of each end of the PDF is kept for the checks. They read the first
// and the last kilobyte, where PDF readers look for the header and the
// end-of-file marker; the window leaves them room to look further.
constexpr off_t kEndWindow = 64 << 10;

// The header for a PDF of the given size, as the usual path writes it. No job
// copy is open on this path, so nothing of it is mirrored.
std::string RenderHeader(char** argv, const PrintOptions& options, long long size)
{
    char* data = nullptr;
    size_t length = 0;
    std::string header;
    {
        const platform::FilePtr memory(open_memstream(&data, &length));
        if (!memory) return header;
        SetPjlOutputStream(memory.get());
        OutputXPJLCommand(argv, options, size);
        SetPjlOutputStream(nullptr);
    }
    header.assign(data, length);
    std::free(data);
    return header;
}

// Copies the PDF's two ends into the file ends, for the checks that read a
// PDF by name: the first and last kEndWindow bytes, or the whole PDF when it
// is no larger than both.
bool CopyEndsOfPdf(int fd, off_t offset, off_t size, int ends)
{
    const bool whole = size <= 2 * kEndWindow;
    std::vector<char> bytes(static_cast<size_t>(whole ? size : 2 * kEndWindow));
    const std::span<char> head(bytes.data(), whole ? bytes.size() : static_cast<size_t>(kEndWindow));
    const bool read = ReadAllAt(fd, head, offset) == CopyResult::Complete &&
                      (whole || ReadAllAt(fd, std::span<char>(bytes).subspan(head.size()),
                                          offset + size - kEndWindow) == CopyResult::Complete);
    return read && ::write(ends, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
}

// Leaves the output as the usual path leaves a job that failed before its
// header: empty.
void EmptyOutput()
{
    if (::ftruncate(STDOUT_FILENO, 0) != 0) NotePjlOutputError(errno);
    ::lseek(STDOUT_FILENO, 0, SEEK_SET);
}

InPlaceResult Failed(InPlaceResult result)
{
    EmptyOutput();
    return result;
}

} // namespace

platform::UniqueFd InPlaceOutputReader(int argc, char** argv, const PrintOptions& options)
{
    if (argc != 6 || gJobFilefp != nullptr || PjlOutputStream() != stdout) return {};
    struct stat in {};
    struct stat out {};
    if (::fstat(STDIN_FILENO, &in) != 0 || !S_ISFIFO(in.st_mode)) return {};
    if (::fstat(STDOUT_FILENO, &out) != 0 || !S_ISREG(out.st_mode) || out.st_size != 0) return {};
    // Messages written into the same file ("2>&1") would land where the
    // output's position stands: after the PDF, not before the header.
    struct stat err {};
    if (::fstat(STDERR_FILENO, &err) == 0 && err.st_dev == out.st_dev && err.st_ino == out.st_ino) return {};
    const int flags = ::fcntl(STDOUT_FILENO, F_GETFL);
    if (flags < 0 || (flags & O_APPEND) != 0 || ::lseek(STDOUT_FILENO, 0, SEEK_CUR) != 0) return {};
    if (checkIfNeddApplePDF(options) != 0 || PagePassMayBeNeeded(argv)) return {};
    // The same file, opened once more for reading.
    platform::UniqueFd reader(::open("/proc/self/fd/1", O_RDONLY | O_CLOEXEC));
    struct stat reopened {};
    if (!reader || ::fstat(reader.Get(), &reopened) != 0 || reopened.st_ino != out.st_ino ||
        reopened.st_dev != out.st_dev)
        return {};
    return reader;
}

InPlaceResult SendPipedJobInPlace(char** argv, const PrintOptions& options, int output)
{
    // Made before anything is read, so that a process that may not make one
    // still has the usual path.
    const platform::UniqueFd ends(::memfd_create("spoolwrap-pdf-ends", MFD_CLOEXEC));
    if (!ends) return InPlaceResult::NotTaken;
    // Nothing may sit in the stream's buffer: the output's position moves
    // under it.
    if (FlushPjlOutput() != 0) return InPlaceResult::Unsent;
    const off_t room = static_cast<off_t>(RenderHeader(argv, options, kGuessedSize).size());
    if (::lseek(STDOUT_FILENO, room, SEEK_SET) != room) return InPlaceResult::NotTaken;
    const CopyResult copied = CopyDescriptor(STDIN_FILENO, STDOUT_FILENO);
    if (copied != CopyResult::Complete) {
        const int error = errno;
        if (copied == CopyResult::Cancelled || CancelJob != 0) return Failed(InPlaceResult::Cancelled);
        ReportLostData(copied == CopyResult::ReadFailed ? "Standard input cannot be read"
                                                        : "The job's data cannot be kept whole",
                       error);
        return Failed(InPlaceResult::Lost);
    }
    const off_t size = ::lseek(STDOUT_FILENO, 0, SEEK_CUR) - room;

    // The same checks, with the same messages, as for a PDF kept in a file.
    if (!CopyEndsOfPdf(output, room, size, ends.Get())) {
        if (CancelJob != 0) return Failed(InPlaceResult::Cancelled);
        ReportLostData("The job's data cannot be checked", errno);
        return Failed(InPlaceResult::Lost);
    }
    const std::string endsPath = "/proc/self/fd/" + std::to_string(ends.Get());
    PDFDocInfo docInfo;
    pdfDocInfo_probe(endsPath.c_str(), docInfo);
    if (size > 0 && !HasPdfFraming(endsPath.c_str())) {
        PutErrorMessage("The job's data is not a complete PDF document\n");
        return Failed(InPlaceResult::Lost);
    }
    if (CancelJob != 0) return Failed(InPlaceResult::Cancelled);

    const std::string header = RenderHeader(argv, options, size);
    const off_t length = static_cast<off_t>(header.size());
    if (length != room) {
        // The guess was wrong: the PDF moves to where the header ends.
        const CopyResult moved = MoveWithinFile(output, STDOUT_FILENO, room, length, size);
        if (moved == CopyResult::Cancelled) return Failed(InPlaceResult::Cancelled);
        if (moved != CopyResult::Complete ||
            (length < room && ::ftruncate(STDOUT_FILENO, length + size) != 0)) {
            NotePjlOutputError(errno);
            return Failed(InPlaceResult::Unsent);
        }
    }
    if (const CopyResult written = WriteAllAt(STDOUT_FILENO, header, 0); written != CopyResult::Complete) {
        if (written == CopyResult::Cancelled) return Failed(InPlaceResult::Cancelled);
        NotePjlOutputError(errno);
        return Failed(InPlaceResult::Unsent);
    }
    if (::lseek(STDOUT_FILENO, length + size, SEEK_SET) != length + size) {
        NotePjlOutputError(errno);
        return Failed(InPlaceResult::Unsent);
    }
    return InPlaceResult::Sent;
}
