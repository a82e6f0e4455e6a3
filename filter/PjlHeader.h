// The job's PJL framing: the header's groups in their order, and the trailer
// after the PDF data.
#pragma once

#include "filter/PrintOptions.h"

// "@PJL ENTER LANGUAGE=PDF\n".
void PutEnterLanguage();
// The Universal Exit Language sequence that ends the PDF data.
void PutPJLTrailer();
// "@PJL EOJ\n".
void PutPJLTrailerEnd();

// The code-set line for the printer's "QVPrinterLanguageEncoding".
void OutputPJLPrinterLanguageEncoding(const PrintOptions& options);
// The two fixed comments after the code set.
void MakeCommonComments();
// The FSIZ attribute: byte size of the PDF that follows.
void OutputFileSizeCommand(long long size);

// The whole header, in order.
void PutPJLCommand(char** argv, const PrintOptions& options, long long fileSize);
int OutputXPJLCommand(char** argv, const PrintOptions& options, long long fileSize);
// The trailer after the PDF data.
void OutputXPJLTrailer(char** argv, const PrintOptions& options);
