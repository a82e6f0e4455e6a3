#include "filter/OutputMirror.h"

#include <stdio_ext.h>

#include <cerrno>
#include <cstring>

FILE* gJobFilefp = nullptr;

namespace {

FILE* gPjlOutput = nullptr;
int gPjlOutputError = 0;

// Notes a failed write when it went to the PJL output; stderr messages that
// cannot be written change nothing for the job.
void CheckWrite(bool failed, FILE* stream)
{
    if (!failed || stream != PjlOutputStream()) return;
    NotePjlOutputError(errno != 0 ? errno : EIO);
}

} // namespace

int Utlfputs(const char* text, FILE* stream)
{
    if (gJobFilefp != nullptr) std::fputs(text, gJobFilefp);
    const int result = std::fputs(text, stream);
    CheckWrite(result == EOF, stream);
    return result;
}

int Utlfputc(int c, FILE* stream)
{
    if (gJobFilefp != nullptr) std::fputc(c, gJobFilefp);
    const int result = std::fputc(c, stream);
    CheckWrite(result == EOF, stream);
    return result;
}

size_t Utlfwrite(const void* data, size_t size, size_t count, FILE* stream)
{
    if (gJobFilefp != nullptr) std::fwrite(data, size, count, gJobFilefp);
    const size_t result = std::fwrite(data, size, count, stream);
    CheckWrite(result < count, stream);
    return result;
}

FILE* PjlOutputStream() { return gPjlOutput != nullptr ? gPjlOutput : stdout; }

void SetPjlOutputStream(FILE* stream) { gPjlOutput = stream; }

int PjlOutputError() { return gPjlOutputError; }

void NotePjlOutputError(int error)
{
    if (gPjlOutputError == 0) gPjlOutputError = error;
}

int FlushPjlOutput()
{
    FILE* out = PjlOutputStream();
    errno = 0;
    // A failure met while the bytes sat in the buffer leaves only the error flag.
    if (std::fflush(out) != 0 || std::ferror(out) != 0) NotePjlOutputError(errno != 0 ? errno : EIO);
    return gPjlOutputError;
}

void DiscardPjlOutput()
{
    __fpurge(PjlOutputStream());
    gPjlOutputError = 0;
}
