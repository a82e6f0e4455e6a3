#include "constraints/PPDTextEncoding.h"

#include "platform/TextEncoding.h"
#include "platform/IconvHandle.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

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

} // namespace

PPDTextEncoding PPDTextEncodingFromName(std::string_view languageEncoding)
{
    const std::string_view name = Trimmed(languageEncoding);
    if (name == "ISOLatin1") return PPDTextEncoding::ISOLatin1;
    if (name == "WindowsANSI") return PPDTextEncoding::WindowsLatin1;
    if (name == "JIS83-RKSJ") return PPDTextEncoding::MacJapanese;
    if (name == "UTF-8" || name == "UTF8") return PPDTextEncoding::UTF8;
    return PPDTextEncoding::MacRoman;
}

bool GetCFStringEncodingFromPPD(ppd_file_t* ppd, PPDTextEncoding& encoding)
{
    encoding = PPDTextEncoding::MacRoman;
    if (ppd == nullptr) return false;
    const ppd_attr_t* declared = ppdFindAttr(ppd, "LanguageEncoding", nullptr);
    if (declared != nullptr && declared->value != nullptr) {
        encoding = PPDTextEncodingFromName(declared->value);
    } else if (ppd->lang_encoding != nullptr) {
        encoding = PPDTextEncodingFromName(ppd->lang_encoding);
    }
    return true;
}

const char* IconvNameOf(PPDTextEncoding encoding)
{
    switch (encoding) {
    case PPDTextEncoding::ISOLatin1: return "ISO-8859-1";
    case PPDTextEncoding::WindowsLatin1: return "CP1252";
    case PPDTextEncoding::MacJapanese: return "CP932";
    case PPDTextEncoding::UTF8: return "UTF-8";
    case PPDTextEncoding::MacRoman: break;
    }
    return "MACINTOSH";
}

std::string ConvertPPDTextToUTF8(std::string_view text, PPDTextEncoding encoding)
{
    if (encoding == PPDTextEncoding::UTF8 && platform::IsValidUtf8(text)) return std::string(text);
    IconvHandle converter("UTF-8", IconvNameOf(encoding));
    if (!converter.Valid()) return std::string(text);

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
        if (result != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a sequence cut off at the end): one byte becomes
        // U+FFFD and the conversion starts again after it.
        out += kReplacement;
        ++in;
        --inLeft;
        iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

std::string PPDRecordTextToUTF8(const char* text)
{
    if (text == nullptr) return {};
    return ConvertPPDTextToUTF8(text, PPDTextEncoding::UTF8);
}
