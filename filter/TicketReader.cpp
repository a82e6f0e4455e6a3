#include "filter/TicketReader.h"

#include "filter/UtilityFunctionFilter.h"
#include "platform/TextEncoding.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Size of the work buffer each string reader decodes in: longer values are cut
// to it before decoding, whatever the destination field's size.
constexpr size_t kWorkBufferSize = 1024;

// Decimal text-to-integer conversion, clamped to the 32-bit range.
int32_t TextToInteger(const char* text)
{
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

void StoreInteger(std::span<char> dest, int32_t value)
{
    if (dest.size() >= sizeof value) std::memcpy(dest.data(), &value, sizeof value);
}

// Clears the field and hands back the decoded option value; false when absent.
bool DecodedValue(const char* name, const TicketSource& source, std::span<char> dest, std::string& decoded)
{
    std::memset(dest.data(), 0, dest.size());
    const char* value = source.options.Get(name);
    if (value == nullptr) return false;
    std::string_view work(value);
    const bool cut = work.size() > kWorkBufferSize - 1;
    if (cut) {
        // The cut may fall inside a byte code ("/227" kept as "/22" would be a
        // different byte): a code not followed by "/" in the full value is dropped.
        const bool codeComplete = work[kWorkBufferSize - 1] == '/';
        work = work.substr(0, kWorkBufferSize - 1);
        if (!work.empty() && work.front() == '/' && !codeComplete) work = work.substr(0, work.rfind('/'));
    }
    decoded = numstrtochar(work);
    // A value cut by the work buffer may end inside a multibyte character;
    // that half character is dropped so the rest of the text still converts.
    if (cut) decoded.resize(platform::WithoutCutUtf8Tail(decoded).size());
    return true;
}

} // namespace

int GetOptionInteger(const CupsOptions& options, const char* name)
{
    const char* value = options.Get(name);
    return value == nullptr ? -1 : TextToInteger(value);
}

void GetTicketInteger(const char* name, const TicketSource& source, std::span<char> dest)
{
    StoreInteger(dest, GetOptionInteger(source.options, name));
}

void CheckTicketKey(const char* name, const TicketSource& source, std::span<char> dest)
{
    StoreInteger(dest, source.options.Get(name) == nullptr ? 1 : 0);
}

void GetTicketStringConvertedToPrtLang(const char* name, const TicketSource& source, std::span<char> dest)
{
    std::string decoded;
    if (DecodedValue(name, source, dest, decoded)) CopyToField(decoded, dest);
}

void GetTicketStringConvertedToPrtLangForUTF8(const char* name, const TicketSource& source,
                                              std::span<char> dest)
{
    std::string decoded;
    if (DecodedValue(name, source, dest, decoded)) ConvertUTF8ToEncodingForUTF8(decoded, dest);
}

void GetTicketPasswordStringConvertedToEncryption(const char* name, const TicketSource& source,
                                                  std::span<char> dest)
{
    std::string decoded;
    if (!DecodedValue(name, source, dest, decoded)) return;
    if (source.utf8Printer)
        ConvertUTF8ToEncodingForUTF8(decoded, dest);
    else
        ConvertUTF8ToEncoding(decoded, dest);
}

void GetNumberUpTicketString(const char* name, const TicketSource& source, std::span<char> dest)
{
    std::memset(dest.data(), 0, dest.size());
    std::string text;
    if (const char* numberUp = source.options.Get(name)) {
        // CUPS adds number-up=1 to every job; one page per sheet needs no layout
        // pass and is "1" to the printer, not "N1".
        text = std::strcmp(numberUp, "1") == 0 ? std::string("1") : "N" + std::string(numberUp);
    } else {
        const int rows = GetOptionInteger(source.options, "com.apple.print.PrintSettings.PMLayoutRows..n.");
        const int columns =
            GetOptionInteger(source.options, "com.apple.print.PrintSettings.PMLayoutColumns..n.");
        // With only one of the two keys the other counts as one row or column.
        const long long product =
            static_cast<long long>(rows == -1 ? 1 : rows) * (columns == -1 ? 1 : columns);
        if (product <= 1) {
            text = "1";
        } else {
            // The count has room for two digits.
            text = "N" + std::to_string(product).substr(0, 2);
        }
    }
    ConvertUTF8ToEncoding(text, dest);
}

void GetTicketFromArray(const TicketSource& source, std::span<const TicketData> table, void* block)
{
    char* base = static_cast<char*>(block);
    for (const TicketData& row : table)
        row.reader(row.name, source, std::span<char>(base + row.offset, row.size));
}
