// PJL lines of the job header and trailer.
//
// Every line fits the printer's 255-byte line buffer: at most 254 bytes with its
// line feed. Values come from the job's submitter, so the writer drops every
// byte that could end a line or a quoted value early (bytes below 0x20, 0x7F and
// the double quote) and cuts an over-long value at a character boundary, keeping
// its closing quote and the line feed.
#pragma once

#include "filter/PrintOptions.h"

#include <string>
#include <string_view>

// Longest line written, line feed included.
inline constexpr size_t kPJLMaxLine = 254;

// "@PJL SET NAME=VALUE\n" for kind "SET", "@PJL SET JOBATTR=\"@NAME=VALUE\"\n" for
// kind "ATTR", nothing for any other kind. A value enclosed in double quotes keeps
// its quotes; the writer cleans and cuts what lies between them.
std::string FormatPJLCommand(std::string_view kind, std::string_view name, std::string_view value);
void MakePJLCommand(std::string_view kind, std::string_view name, std::string_view value);

// "@PJL COMMENT TEXT\n".
std::string FormatPJLComment(std::string_view text);
void PutPJLComment(std::string_view text);

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

// Drops bytes below 0x20, 0x7F and the double quote.
std::string CleanPJLValue(std::string_view value);
// Longest prefix of text of at most maxBytes that ends on a character boundary
// (UTF-8 when the text is valid UTF-8, otherwise Shift_JIS).
std::string_view CutAtCharacter(std::string_view text, size_t maxBytes);
