// One PJL line: the formats of the job header's lines and what makes a value
// safe to put in them.
//
// Every line fits the printer's 255-byte line buffer: at most 254 bytes with its
// line feed. Values come from the job's submitter, so the writer drops every
// byte that could end a line or a quoted value early (bytes below 0x20, 0x7F and
// every double quote) and cuts an over-long value at a character boundary,
// keeping its closing quote and the line feed.
//
// Whether a value stands in quotes is a property of the command, never of the
// value: the commands that carry names and keys (STRINGCODESET, HOLDKEY,
// USERNAME, JOBNAME) are always quoted, a JOBATTR value always sits inside the
// JOBATTR string, and nothing else is quoted. A value that brings its own quotes
// loses them like any other quote, so it can never close a string early.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Longest line written, line feed included.
inline constexpr size_t kPJLMaxLine = 254;

// The code set the printer reads the header's texts in (its STRINGCODESET).
enum class PjlCodeSet {
    Unknown,    // not yet told: values are only cleaned
    ShiftJIS,   // "SJISX0208": the printer's code set unless the PPD names another
    UTF8,       // "UTF8", for "QVPrinterLanguageEncoding" "UTF-8"
    SingleByte, // "HPROMAN8", for "ISOLatin1"
};

// The code set of the printer's "QVPrinterLanguageEncoding" value.
PjlCodeSet PJLCodeSetFor(std::string_view printerLanguageEncoding);
// The code set of the values written from now on; the header sets it before
// its first line.
void SetPJLValueCodeSet(PjlCodeSet codeSet);

// Keeps only whole characters of the code set: a printer that decodes Shift_JIS
// reads a lead byte and the byte after it as one character, so a lone lead
// byte before a closing quote or the line feed would swallow it; on a UTF-8
// printer, bytes that are no valid shortest-form character are dropped.
std::string KeepWholeCharacters(std::string_view value, PjlCodeSet codeSet);

// "@PJL SET NAME=VALUE\n" for kind "SET" ("@PJL SET NAME=\"VALUE\"\n" for the
// quoted commands), "@PJL SET JOBATTR=\"@NAME=VALUE\"\n" for kind "ATTR",
// nothing for any other kind.
std::string FormatPJLCommand(std::string_view kind, std::string_view name, std::string_view value);
void MakePJLCommand(std::string_view kind, std::string_view name, std::string_view value);

// "@PJL COMMENT TEXT\n".
std::string FormatPJLComment(std::string_view text);
void PutPJLComment(std::string_view text);

// True for the SET commands whose value the printer reads as a quoted string.
bool IsQuotedPJLCommand(std::string_view name);

// Drops bytes below 0x20, 0x7F and the double quote.
std::string CleanPJLValue(std::string_view value);
// KeepWholeCharacters in the printer's code set, then CleanPJLValue.
std::string CleanPJLValue(std::string_view value, PjlCodeSet codeSet);
// Longest prefix of text of at most maxBytes that ends on a character boundary
// (UTF-8 when the text is valid UTF-8, otherwise Shift_JIS).
std::string_view CutAtCharacter(std::string_view text, size_t maxBytes);
