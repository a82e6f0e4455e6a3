#include "filter/PjlHeader.h"

#include "filter/JobCommands.h"
#include "filter/OutputMirror.h"
#include "filter/PjlLine.h"

#include <string>

void PutEnterLanguage() { Utlfputs("@PJL ENTER LANGUAGE=PDF\n", PjlOutputStream()); }

void PutPJLTrailer() { Utlfputs("\x1b%-12345X", PjlOutputStream()); }

void PutPJLTrailerEnd() { Utlfputs("@PJL EOJ\n", PjlOutputStream()); }

void OutputPJLPrinterLanguageEncoding(const PrintOptions& options)
{
    const char* codeSet = "SJISX0208";
    switch (PJLCodeSetFor(options.ppdInfo.printerLanguageEncoding)) {
    case PjlCodeSet::UTF8: codeSet = "UTF8"; break;
    case PjlCodeSet::SingleByte: codeSet = "HPROMAN8"; break;
    default: break;
    }
    MakePJLCommand("SET", "STRINGCODESET", codeSet);
}

void MakeCommonComments()
{
    PutPJLComment("begin");
    PutPJLComment("Version:4.00");
}

void OutputFileSizeCommand(long long size)
{
    // Sizes are written in full: a PDF of 2 GiB or more must not wrap around.
    MakePJLCommand("ATTR", "FSIZ", std::to_string(size));
}

void PutPJLCommand(char** argv, const PrintOptions& options, long long fileSize)
{
    // Every value from here on is written in the printer's code set.
    SetPJLValueCodeSet(PJLCodeSetFor(options.ppdInfo.printerLanguageEncoding));
    Utlfputs("\x1b%-12345X@PJL JOB MODE=PRINTER\n", PjlOutputStream());
    OutputPJLPrinterLanguageEncoding(options);
    MakeCommonComments();
    PutJACommand(argv, options);
    OutputJobDocCommand(argv, options);
    OutputFileSizeCommand(fileSize);
    PutEnterLanguage();
}

int OutputXPJLCommand(char** argv, const PrintOptions& options, long long fileSize)
{
    PutPJLCommand(argv, options, fileSize);
    return 1;
}

void OutputXPJLTrailer(char**, const PrintOptions&)
{
    PutPJLTrailer();
    PutPJLTrailerEnd();
}
