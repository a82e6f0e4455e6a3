#include "platform/ValueEscape.h"

#include <charconv>

namespace platform {

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One code from text[pos] on, read like atoi; pos ends after the digits.
// Long digit runs saturate instead of wrapping round into a valid byte.
char ReadCode(std::string_view text, size_t& pos)
{
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long code = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        if (code < 1000) code = code * 10 + (text[pos] - '0');
        ++pos;
    }
    return negative || code > 255 ? '\0' : static_cast<char>(code);
}

} // namespace

bool NeedsValueEscape(std::string_view value)
{
    return !value.empty() && (value.front() == '/' || value.find_first_of("',\\") != std::string_view::npos);
}

std::string EncodeValueEscape(std::string_view value)
{
    if (!NeedsValueEscape(value)) return std::string(value);
    std::string out;
    out.reserve(value.size() * 4);
    for (char c : value) {
        char digits[4];
        const auto end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned char>(c)).ptr;
        out += '/';
        out.append(digits, end);
    }
    return out;
}

std::string DecodeValueEscape(std::string_view value)
{
    if (value.empty() || value.front() != '/') return std::string(value);
    std::string out;
    out.reserve(value.size() / 2 + 1);
    size_t pos = 0;
    while (pos < value.size()) {
        ++pos; // the "/" that introduces the code
        out.push_back(ReadCode(value, pos));
        pos = value.find('/', pos);
        if (pos == std::string_view::npos) break;
    }
    return out;
}

} // namespace platform
