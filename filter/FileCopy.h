// Moving the job's bytes: input into a temporary file, a file onto the output.
//
// The copies are byte-identical to a line-by-line copy (every byte, including
// those after the last line end, reaches the output in order), done in large
// blocks, and inside the kernel where the descriptors allow it.
#pragma once

#include <cstdio>
#include <span>

// Creates a CUPS temporary file (its name into path, 64 bytes) and copies
// everything readable from fd into it. Returns 1, or 0 when the file cannot be
// made or a write to it fails (the partial file is removed and path cleared).
int SaveToTempFile(int fd, std::span<char> path);

// Creates a CUPS temporary file and copies the job input into it: standard input
// with 6 arguments, the file named by argument 6 otherwise. Returns 1 when the
// copy is complete; 0 when the temporary file cannot be made (path stays empty)
// or the input cannot be opened (the empty file stands for the job); -1 when a
// write fails part-way (the partial file is removed), since sending a cut PDF
// as if it had printed would lose the rest of the job.
int SaveToTempFileFromCups(int argc, char** argv, std::span<char> path);

// Copies the file at path onto the PJL output (mirrored into the job copy).
// Returns the number of bytes written from the file.
long long CopyFileToOutput(const char* path);

// Sends the final PDF and deletes it: the PDF bytes follow the header unchanged.
void WritePDFData(const char* path);
