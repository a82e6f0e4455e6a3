// A piped job written straight into the output file it ends in.
//
// The header gives the PDF's size before the PDF, so a job arriving through a
// pipe is normally kept in a temporary file until its size is known, and each
// of its bytes is written twice: into that file, then onto the output. When
// standard output is a new regular file of the filter's own (a shell's
// "> OUT"), the PDF is instead spliced into that file after room left for the
// header, and the header written into the room once the size is known: each
// byte is written once (twice when the room turns out too small or too large,
// see kGuessedSize).
#pragma once

#include "filter/PrintOptions.h"
#include "platform/UniqueFd.h"

// How a job sent in place ended. On every end but Sent and NotTaken the output
// file is left empty, as the usual path leaves it when the job fails before its
// header.
enum class InPlaceResult {
    NotTaken,  // nothing was read or written: the usual path sends the job
    Sent,      // header and PDF are in the output, which is positioned after them
    Lost,      // the data could not be read or kept, or is no PDF (a message says why)
    Unsent,    // the output failed (PjlOutputError() says how)
    Cancelled, // the job was cancelled
};

// When the job can be sent in place, a descriptor that reads the output file
// (which the shell opened for writing only); an invalid one otherwise. In
// place means: the PDF arrives on standard input through a pipe and goes out
// as it came (no layout filter, no page pass), and standard output is an
// empty regular file at offset 0 that this process may read, not opened for
// appending and not standard error too, with no job copy to mirror it. Every
// other job takes the usual path through a temporary file.
platform::UniqueFd InPlaceOutputReader(int argc, char** argv, const PrintOptions& options);

// Takes standard input into standard output after room for the header, checks
// that it is a whole PDF, then writes the header in front of it. output reads
// the output file.
InPlaceResult SendPipedJobInPlace(char** argv, const PrintOptions& options, int output);
