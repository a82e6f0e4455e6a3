#include "platform/StringsTable.h"

#include <cctype>
#include <cstdint>

#include "platform/PlistHandle.h"
#include "platform/TextEncoding.h"

namespace platform {

namespace {

// Turns a UTF-16 file (after its byte-order mark) into UTF-8.
std::optional<std::string> FromUtf16(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const auto a = static_cast<uint8_t>(bytes[i]);
        const auto b = static_cast<uint8_t>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    }
    return Utf16ToUtf8(units);
}

std::optional<StringsTable> FromPlist(std::string_view bytes)
{
    const PlistHandle root = ParsePlist(bytes);
    if (!root || plist_get_node_type(root.get()) != PLIST_DICT) return std::nullopt;
    StringsTable table;
    ForEachStringEntry(
        root.get(), [&](const char* key, std::string text) { table.insert_or_assign(key, std::move(text)); });
    return table;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    std::optional<StringsTable> Run()
    {
        StringsTable table;
        for (;;) {
            if (!SkipBlank()) return std::nullopt;
            if (AtEnd()) return table;
            std::string key;
            if (!Token(key)) return std::nullopt;
            if (!SkipBlank() || AtEnd()) return std::nullopt;
            std::string value = key;
            if (Peek() == '=') {
                ++pos_;
                if (!SkipBlank() || AtEnd() || !Token(value) || !SkipBlank() || AtEnd()) return std::nullopt;
            }
            if (Peek() != ';') return std::nullopt;
            ++pos_;
            table.insert_or_assign(std::move(key), std::move(value));
        }
    }

private:
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return text_[pos_]; }

    // Skips white space and comments; false on an unterminated comment.
    bool SkipBlank()
    {
        while (!AtEnd()) {
            const char c = Peek();
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (text_.substr(pos_, 2) == "/*") {
                const size_t end = text_.find("*/", pos_ + 2);
                if (end == std::string_view::npos) return false;
                pos_ = end + 2;
            } else if (text_.substr(pos_, 2) == "//") {
                const size_t end = text_.find('\n', pos_);
                pos_ = end == std::string_view::npos ? text_.size() : end + 1;
            } else {
                break;
            }
        }
        return true;
    }

    static bool IsBareChar(char c)
    {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$' || c == ':' ||
               c == '/' || c == '-';
    }

    bool Token(std::string& out)
    {
        out.clear();
        if (Peek() == '"') return Quoted(out);
        while (!AtEnd() && IsBareChar(Peek())) out += text_[pos_++];
        return !out.empty();
    }

    static int HexValue(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    bool Quoted(std::string& out)
    {
        ++pos_;                      // opening quote
        std::u16string pendingUnits; // \U escapes, joined so surrogate pairs survive
        const auto flushUnits = [&] {
            if (!pendingUnits.empty()) out += Utf16ToUtf8(pendingUnits);
            pendingUnits.clear();
        };
        while (!AtEnd()) {
            const char c = text_[pos_++];
            if (c == '"') {
                flushUnits();
                return true;
            }
            if (c != '\\') {
                flushUnits();
                out += c;
                continue;
            }
            if (AtEnd()) return false;
            const char e = text_[pos_++];
            if (e == 'U' || e == 'u') {
                int value = 0;
                for (int k = 0; k < 4; ++k) {
                    if (AtEnd()) return false;
                    const int digit = HexValue(text_[pos_++]);
                    if (digit < 0) return false;
                    value = value * 16 + digit;
                }
                pendingUnits += static_cast<char16_t>(value);
                continue;
            }
            flushUnits();
            switch (e) {
            case 'n': out += '\n'; break;
            case 't': out += '\t'; break;
            case 'r': out += '\r'; break;
            case 'a': out += '\a'; break;
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'v': out += '\v'; break;
            default:
                if (e >= '0' && e <= '7') {
                    int value = e - '0';
                    for (int k = 0; k < 2 && !AtEnd() && Peek() >= '0' && Peek() <= '7'; ++k) {
                        value = value * 8 + (text_[pos_++] - '0');
                    }
                    out += static_cast<char>(value & 0xFF);
                } else {
                    out += e; // \" \\ \' and any other character stand for themselves
                }
            }
        }
        return false; // unterminated
    }

    std::string_view text_;
    size_t pos_ = 0;
};

} // namespace

std::optional<StringsTable> ParseStringsTable(std::string_view bytes)
{
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
        static_cast<uint8_t>(bytes[1]) == 0xFE) {
        const std::optional<std::string> text = FromUtf16(bytes.substr(2), false);
        return text ? ParseStringsTable(*text) : std::nullopt;
    }
    if (bytes.size() >= 2 && static_cast<uint8_t>(bytes[0]) == 0xFE &&
        static_cast<uint8_t>(bytes[1]) == 0xFF) {
        const std::optional<std::string> text = FromUtf16(bytes.substr(2), true);
        return text ? ParseStringsTable(*text) : std::nullopt;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    if (bytes.substr(0, 8) == "bplist00" || bytes.substr(0, 5) == "<?xml" ||
        bytes.substr(0, 7) == "<plist ") {
        return FromPlist(bytes);
    }
    std::optional<StringsTable> table = Parser(bytes).Run();
    if (!table) return std::nullopt;
    for (const auto& [key, value] : *table) {
        if (!IsValidUtf8(key) || !IsValidUtf8(value)) return std::nullopt;
    }
    return table;
}

} // namespace platform
