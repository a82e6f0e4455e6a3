#include "filter/OutputMirror.h"

#include <cstring>

FILE* gJobFilefp = nullptr;

namespace {
FILE* gPjlOutput = nullptr;
}

int Utlfputs(const char* text, FILE* stream)
{
    if (gJobFilefp != nullptr) std::fputs(text, gJobFilefp);
    return std::fputs(text, stream);
}

int Utlfputc(int c, FILE* stream)
{
    if (gJobFilefp != nullptr) std::fputc(c, gJobFilefp);
    return std::fputc(c, stream);
}

size_t Utlfwrite(const void* data, size_t size, size_t count, FILE* stream)
{
    if (gJobFilefp != nullptr) std::fwrite(data, size, count, gJobFilefp);
    return std::fwrite(data, size, count, stream);
}

FILE* PjlOutputStream() { return gPjlOutput != nullptr ? gPjlOutput : stdout; }

void SetPjlOutputStream(FILE* stream) { gPjlOutput = stream; }
