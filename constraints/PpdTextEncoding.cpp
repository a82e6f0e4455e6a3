#include "constraints/PpdTextEncoding.h"

#include "platform/TextEncoding.h"
#include "platform/IconvHandle.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <optional>
#include <utility>

namespace {

using platform::IconvHandle;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Converts text from one iconv code set into another. A byte sequence the
// source does not define becomes the replacement and the conversion goes on,
// so a stray byte costs one character instead of the whole text; without a
// replacement it ends the conversion with nothing. Nothing as well when the
// platform has no such conversion.
std::optional<std::string> ConvertText(std::string_view text, const char* to, const char* from,
                                       std::string_view replacement)
{
    IconvHandle converter(to, from);
    if (!converter.Valid()) return std::nullopt;
    std::string out;
    out.reserve(text.size() * 2);
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char chunk[256];
    while (inLeft > 0) {
        char* outPtr = chunk;
        std::size_t outLeft = sizeof(chunk);
        const std::size_t result = iconv(converter.Get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ or EINVAL (a sequence cut off at the end).
        if (replacement.empty()) return std::nullopt;
        out += replacement;
        ++in;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

// How libcups 2.4 decoded the texts of a record it read: by its own table of
// LanguageEncoding names, compared without regard to case, and as ISO Latin 1
// when the file has no such line. Null where it copied the file's bytes as
// they are: UTF-8 and every name it does not know.
const char* LibcupsTextCharset(ppd_file_t& ppd)
{
    const ppd_attr_t* declared = ppdFindAttr(&ppd, "LanguageEncoding", nullptr);
    if (declared == nullptr || declared->value == nullptr) return "ISO-8859-1";
    static constexpr std::pair<std::string_view, const char*> kLibcupsNames[] = {
        {"ISOLatin1", "ISO-8859-1"},      {"ISOLatin2", "ISO-8859-2"},  {"ISOLatin5", "ISO-8859-5"},
        {"JIS83-RKSJ", "SHIFT_JISX0213"}, {"MacStandard", "MACINTOSH"}, {"WindowsANSI", "CP1252"}};
    const std::string_view name(declared->value);
    const auto sameLetters = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (const auto& [known, charset] : kLibcupsNames)
        if (std::ranges::equal(name, known, sameLetters)) return charset;
    return nullptr;
}

} // namespace

PpdTextEncoding PpdTextEncodingFromName(std::string_view languageEncoding)
{
    const std::string_view name = Trimmed(languageEncoding);
    if (name == "ISOLatin1") return PpdTextEncoding::ISOLatin1;
    if (name == "WindowsANSI") return PpdTextEncoding::WindowsLatin1;
    if (name == "JIS83-RKSJ") return PpdTextEncoding::MacJapanese;
    if (name == "UTF-8" || name == "UTF8") return PpdTextEncoding::UTF8;
    return PpdTextEncoding::MacRoman;
}

bool GetCFStringEncodingFromPPD(ppd_file_t* ppd, PpdTextEncoding& encoding)
{
    encoding = PpdTextEncoding::MacRoman;
    if (ppd == nullptr) return false;
    const ppd_attr_t* declared = ppdFindAttr(ppd, "LanguageEncoding", nullptr);
    if (declared != nullptr && declared->value != nullptr) {
        encoding = PpdTextEncodingFromName(declared->value);
    } else if (ppd->lang_encoding != nullptr) {
        encoding = PpdTextEncodingFromName(ppd->lang_encoding);
    }
    return true;
}

const char* IconvNameOf(PpdTextEncoding encoding)
{
    switch (encoding) {
    case PpdTextEncoding::ISOLatin1: return "ISO-8859-1";
    case PpdTextEncoding::WindowsLatin1: return "CP1252";
    case PpdTextEncoding::MacJapanese: return "CP932";
    case PpdTextEncoding::UTF8: return "UTF-8";
    case PpdTextEncoding::MacRoman: break;
    }
    return "MACINTOSH";
}

std::string ConvertPPDTextToUTF8(std::string_view text, PpdTextEncoding encoding)
{
    if (encoding == PpdTextEncoding::UTF8 && platform::IsValidUtf8(text)) return std::string(text);
    return ConvertText(text, "UTF-8", IconvNameOf(encoding), kReplacement).value_or(std::string(text));
}

std::string PPDRecordTextToUTF8(ppd_file_t* ppd, const char* text)
{
    if (text == nullptr) return {};
    const std::string_view decoded(text);
    PpdTextEncoding encoding = PpdTextEncoding::MacRoman;
    const bool plain =
        std::ranges::all_of(decoded, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (GetCFStringEncodingFromPPD(ppd, encoding) && encoding == PpdTextEncoding::MacRoman && !plain) {
        // libcups read the text in another encoding than the PPD's: undo its
        // reading, then decode the file's bytes as Mac Roman.
        const char* readAs = LibcupsTextCharset(*ppd);
        if (readAs == nullptr) return ConvertPPDTextToUTF8(decoded, PpdTextEncoding::MacRoman);
        if (std::string_view(readAs) != "MACINTOSH") {
            if (const auto bytes = ConvertText(decoded, readAs, "UTF-8", {}))
                return ConvertPPDTextToUTF8(*bytes, PpdTextEncoding::MacRoman);
        }
    }
    return ConvertPPDTextToUTF8(decoded, PpdTextEncoding::UTF8);
}
