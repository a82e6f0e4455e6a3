#include "filter/PjlLine.h"

#include "filter/OutputMirror.h"
#include "filter/UtilityFunctionFilter.h"

#include <array>

namespace {

void Put(const std::string& line)
{
    if (!line.empty()) Utlfputs(line.c_str(), PjlOutputStream());
}

bool IsShiftJISLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Appends value to line, in quotes when asked, so the line with the given tail
// stays within the limit.
void AppendValue(std::string& line, std::string_view value, bool quoted, std::string_view tail)
{
    const std::string content = CleanPJLValue(value);
    const size_t fixed = line.size() + tail.size() + (quoted ? 2 : 0);
    const size_t room = fixed < kPJLMaxLine ? kPJLMaxLine - fixed : 0;
    if (quoted) line += '"';
    line += CutAtCharacter(content, room);
    if (quoted) line += '"';
    line += tail;
}

} // namespace

bool IsQuotedPJLCommand(std::string_view name)
{
    constexpr std::array<std::string_view, 4> kQuoted = {"STRINGCODESET", "HOLDKEY", "USERNAME", "JOBNAME"};
    for (std::string_view quoted : kQuoted)
        if (name == quoted) return true;
    return false;
}

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
        AppendValue(line, value, IsQuotedPJLCommand(name), "\n");
    } else if (kind == "ATTR") {
        line.append("@PJL SET JOBATTR=\"@").append(name).append("=");
        AppendValue(line, value, false, "\"\n");
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
    AppendValue(line, text, false, "\n");
    return line;
}

void PutPJLComment(std::string_view text) { Put(FormatPJLComment(text)); }
