#include "filter/ErrorMessage.h"

#include <cstdio>
#include <string>

void PutErrorMessage(std::string_view text)
{
    std::string line(kErrorPrefix);
    line += text;
    // Standard error is unbuffered: one fwrite is one write(2) of the line.
    std::fwrite(line.data(), 1, line.size(), stderr);
}
