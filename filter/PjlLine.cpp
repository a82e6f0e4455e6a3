#include "filter/PjlLine.h"

#include "filter/OutputMirror.h"
#include "filter/UtilityFunctionFilter.h"
#include "platform/TextEncoding.h"

#include <array>

namespace {

PjlCodeSet gValueCodeSet = PjlCodeSet::Unknown;

bool IsShiftJisTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

void Put(const std::string& line)
{
    if (!line.empty()) Utlfputs(line.c_str(), PjlOutputStream());
}

// Appends value to line, in quotes when asked, so the line with the given tail
// stays within the limit.
void AppendValue(std::string& line, std::string_view value, bool quoted, std::string_view tail)
{
    const std::string content = CleanPJLValue(value, gValueCodeSet);
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

std::string CleanPJLValue(std::string_view value, PjlCodeSet codeSet)
{
    // Characters are taken as the submitter wrote them: a lead byte followed
    // by a quote is a broken character, whatever cleaning then drops. No byte
    // that cleaning drops can be the second byte of a character, so cleaning
    // afterwards never breaks one.
    return CleanPJLValue(KeepWholeCharacters(value, codeSet));
}

PjlCodeSet PJLCodeSetFor(std::string_view printerLanguageEncoding)
{
    if (printerLanguageEncoding == "UTF-8") return PjlCodeSet::UTF8;
    if (printerLanguageEncoding == "ISOLatin1") return PjlCodeSet::SingleByte;
    return PjlCodeSet::ShiftJIS;
}

void SetPJLValueCodeSet(PjlCodeSet codeSet) { gValueCodeSet = codeSet; }

std::string KeepWholeCharacters(std::string_view value, PjlCodeSet codeSet)
{
    std::string out;
    out.reserve(value.size());
    size_t pos = 0;
    while (pos < value.size()) {
        const auto c = static_cast<unsigned char>(value[pos]);
        if (codeSet == PjlCodeSet::ShiftJIS && platform::IsShiftJisLeadByte(c)) {
            // A lead byte without its trail byte goes; the byte after it is
            // read on its own.
            if (pos + 1 < value.size() && IsShiftJisTrailByte(static_cast<unsigned char>(value[pos + 1]))) {
                out.append(value.substr(pos, 2));
                pos += 2;
            } else {
                ++pos;
            }
        } else if (codeSet == PjlCodeSet::UTF8 && c >= 0x80) {
            const size_t start = pos;
            if (platform::DecodeUtf8Char(value, pos))
                out.append(value.substr(start, pos - start));
            else
                pos = start + 1;
        } else {
            out.push_back(static_cast<char>(c));
            ++pos;
        }
    }
    return out;
}

std::string_view CutAtCharacter(std::string_view text, size_t maxBytes)
{
    if (text.size() <= maxBytes) return text;
    size_t keep = 0;
    if (platform::IsValidUtf8(text)) {
        size_t pos = 0;
        while (pos < text.size()) {
            size_t next = pos;
            if (!platform::DecodeUtf8Char(text, next)) break;
            if (next > maxBytes) break;
            pos = next;
        }
        keep = pos;
    } else {
        size_t pos = 0;
        while (pos < text.size()) {
            const size_t width = platform::IsShiftJisLeadByte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
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
