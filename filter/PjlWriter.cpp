#include "filter/PjlWriter.h"

#include "filter/JobCommands.h"
#include "filter/OutputMirror.h"
#include "filter/UtilityFunctionFilter.h"

#include <cstring>

namespace {

void Put(const std::string& line)
{
    if (!line.empty()) Utlfputs(line.c_str(), PjlOutputStream());
}

bool IsShiftJISLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Appends value to line so the line, with the given tail, stays within the limit.
void AppendValue(std::string& line, std::string_view value, std::string_view tail)
{
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    const std::string content = CleanPJLValue(quoted ? value.substr(1, value.size() - 2) : value);
    const size_t fixed = line.size() + tail.size() + (quoted ? 2 : 0);
    const size_t room = fixed < kPJLMaxLine ? kPJLMaxLine - fixed : 0;
    if (quoted) line += '"';
    line += CutAtCharacter(content, room);
    if (quoted) line += '"';
    line += tail;
}

} // namespace

std::string CleanPJLValue(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F || c == '"') continue;
        out.push_back(ch);
    }
    return out;
}

std::string_view CutAtCharacter(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes) return text;
    size_t keep = 0;
    if (IsValidUTF8(text)) {
        size_t pos = 0;
        while (pos < text.size()) {
            size_t next = pos;
            DecodeUTF8Char(text, next);
            if (next > maxBytes) break;
            pos = next;
        }
        keep = pos;
    } else {
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t width = IsShiftJISLead(static_cast<unsigned char>(text[pos])) ? 2 : 1;
            if (pos + width > maxBytes) break;
            pos += width;
        }
        keep = pos;
    }
    return text.substr(0, keep);
}

std::string FormatPJLCommand(std::string_view kind, std::string_view name, std::string_view value)
{
    std::string line;
    if (kind == "SET") {
        line.append("@PJL SET ").append(name).append("=");
        AppendValue(line, value, "\n");
    } else if (kind == "ATTR") {
        line.append("@PJL SET JOBATTR=\"@").append(name).append("=");
        AppendValue(line, value, "\"\n");
    }
    return line;
}

void MakePJLCommand(std::string_view kind, std::string_view name, std::string_view value)
{
    Put(FormatPJLCommand(kind, name, value));
}

std::string FormatPJLComment(std::string_view text)
{
    std::string line = "@PJL COMMENT ";
    AppendValue(line, text, "\n");
    return line;
}

void PutPJLComment(std::string_view text) { Put(FormatPJLComment(text)); }

void PutEnterLanguage() { Utlfputs("@PJL ENTER LANGUAGE=PDF\n", PjlOutputStream()); }

void PutPJLTrailer() { Utlfputs("\x1b%-12345X", PjlOutputStream()); }

void PutPJLTrailerEnd() { Utlfputs("@PJL EOJ\n", PjlOutputStream()); }

void OutputPJLPrinterLanguageEncoding(const PrintOptions& options)
{
    const char* encoding = options.ppdInfo.printerLanguageEncoding;
    const char* codeSet = "\"SJISX0208\"";
    if (std::strcmp(encoding, "UTF-8") == 0)
        codeSet = "\"UTF8\"";
    else if (std::strcmp(encoding, "ISOLatin1") == 0)
        codeSet = "\"HPROMAN8\"";
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
