// Moving the job's bytes: input into a temporary file, a file onto the output.
//
// The copies are byte-identical to a line-by-line copy (every byte, including
// those after the last line end, reaches the output in order), done in large
// blocks, and inside the kernel where the descriptors allow it. Every copy
// looks at CancelJob between blocks and stops when the job was cancelled.
#pragma once

#include <sys/types.h>

#include <cstdio>
#include <span>
#include <string>

// How a copy between descriptors ended.
enum class CopyResult { Complete, ReadFailed, WriteFailed, Cancelled };

// Copies in to out, from their positions to the end of in. Into a regular
// file the kernel moves the bytes: copy_file_range from a regular file,
// splice from a pipe; where the kernel refuses (a file system without
// splice, a file opened for appending) the copy goes on through a block of
// this process's memory from where the kernel stopped.
CopyResult CopyDescriptor(int in, int out);

// Reads into.size() bytes at offset, or writes all of data at offset, going
// on after interruptions; an early end of the file is a failed read.
CopyResult ReadAllAt(int fd, std::span<char> into, off_t offset);
CopyResult WriteAllAt(int fd, std::span<const char> data, off_t offset);

// Moves size bytes inside one regular file, read through in and written
// through out, from offset from to offset to; the two ranges may overlap (the
// move starts at the end that keeps every byte readable until it is moved).
// Through a block of this process's memory: the kernel copies a file onto
// itself only between ranges that do not overlap, and the moves made here are
// by a few bytes.
CopyResult MoveWithinFile(int in, int out, off_t from, off_t to, off_t size);

// Says on standard error that the job's data is lost: what, then the reason.
void ReportLostData(const std::string& what, int error);

// Creates a CUPS temporary file (its name into path, 64 bytes) and copies
// everything readable from fd into it. Returns 1, or 0 when the file cannot be
// made (with a message), a read or a write fails, or the job is cancelled;
// then nothing is left behind and path is cleared.
int SaveToTempFile(int fd, std::span<char> path);

// Creates a CUPS temporary file and copies the job input into it: standard input
// with 6 arguments, the file named by argument 6 otherwise. Returns 1 when the
// job's data is kept whole in path; path stays empty when the input held no
// byte and no temporary file could be made (an empty job loses nothing).
// Returns -1 when the data is lost: the input cannot be read, there is data
// but no temporary file for it, a write fails part-way, or the job is
// cancelled. A message says why (none for a cancel); nothing is left behind.
int SaveToTempFileFromCups(int argc, char** argv, std::span<char> path);

// How sending a file onto the PJL output ended.
enum class SendResult {
    Sent,      // every byte was handed to the output (a broken pipe included:
               // the SIGPIPE flag decides that job's status)
    Failed,    // the file could not be read, or the output failed otherwise
    Cancelled, // the job was cancelled part-way
};

// Copies the file at path onto the PJL output (mirrored into the job copy).
SendResult CopyFileToOutput(const char* path);

// Sends the final PDF and deletes it: the PDF bytes follow the header unchanged.
SendResult WritePDFData(const char* path);
