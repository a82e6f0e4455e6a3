#include "filter/DocumentName.h"

#include "filter/JobInput.h"
#include "filter/DocuNameValidateData.h"
#include "filter/FilterState.h"
#include "filter/PjlLine.h"
#include "filter/TicketReader.h"
#include "filter/UtilityFunctionFilter.h"
#include "platform/PrintSettingsKeys.h"
#include "platform/TextEncoding.h"

#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace {

// The printer's name field holds 32 width units: one per narrow character, two
// per double-width one.
constexpr int kNameWidth = 32;

// Set by the first step so the product-type step knows which printer it serves.
bool gNameForUTF8Printer = false;

void SetName(char (&field)[255], std::string_view text) { CopyToField(text, field); }

// Any control byte would end up in a PJL comment or a quoted job name; the
// printer cannot show one, so such a title gives no document name at all.
bool HasControlByte(std::string_view text)
{
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

// Where the width count stops: the bytes and characters kept, and whether the
// count reached the field's width.
struct WidthCut {
    size_t bytes = 0;
    size_t characters = 0;
    bool reachedWidth = false;
    bool overflowed = false; // a double-width character would have passed the width
};

// Shift_JIS text: a character is as wide as its bytes, which is how the printer
// lays the name out. Counting in bytes also means the cut at 32 or 31 bytes
// always falls between two characters.
WidthCut CountShiftJISWidth(std::string_view sjis)
{
    WidthCut cut;
    int width = 0;
    size_t pos = 0;
    while (pos < sjis.size()) {
        const size_t size =
            platform::IsShiftJisLeadByte(static_cast<unsigned char>(sjis[pos])) && pos + 1 < sjis.size() ? 2
                                                                                                         : 1;
        width += static_cast<int>(size);
        if (width > kNameWidth) {
            cut.reachedWidth = true;
            cut.overflowed = true;
            return cut;
        }
        pos += size;
        cut.bytes = pos;
        ++cut.characters;
        if (width == kNameWidth) {
            cut.reachedWidth = true;
            return cut;
        }
    }
    return cut;
}

// UTF-8 text: a character counts 2 when its UTF-16 value has bit 0x0100 or bit
// 0x1000 set, 1 otherwise. A character outside the basic plane is one character
// of width 2, so a surrogate pair is never split.
WidthCut CountUTF8Width(std::string_view utf8)
{
    WidthCut cut;
    int width = 0;
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t next = pos;
        const std::optional<char32_t> cp = platform::DecodeUtf8Char(utf8, next);
        if (!cp) break;
        width += (*cp > 0xFFFF || (*cp & 0x0100) != 0 || (*cp & 0x1000) != 0) ? 2 : 1;
        if (width > kNameWidth) {
            cut.reachedWidth = true;
            cut.overflowed = true;
            return cut;
        }
        pos = next;
        cut.bytes = pos;
        ++cut.characters;
        if (width == kNameWidth) {
            cut.reachedWidth = true;
            return cut;
        }
    }
    return cut;
}

// Byte length of the first count characters of UTF-8 text.
size_t UTF8PrefixBytes(std::string_view utf8, size_t count)
{
    size_t pos = 0;
    for (size_t i = 0; i < count && pos < utf8.size(); ++i)
        if (!platform::DecodeUtf8Char(utf8, pos)) break;
    return pos;
}

size_t UTF8CharacterCount(std::string_view utf8)
{
    size_t count = 0;
    size_t pos = 0;
    while (pos < utf8.size() && platform::DecodeUtf8Char(utf8, pos)) ++count;
    return count;
}

// The product type's limit on the name, in characters.
size_t ProductTypeLimit(int productType)
{
    if (productType == 3) return 64;
    if (productType == 2) return 12;
    return 32;
}

} // namespace

void InvalidateStdDocumentNameForProductType(char** argv, bool utf8Printer)
{
    std::memset(StdDocumentName, 0, sizeof StdDocumentName);
    std::memset(PTStdDocumentName, 0, sizeof PTStdDocumentName);
    gNameForUTF8Printer = utf8Printer;

    const std::string_view title = argv != nullptr && argv[3] != nullptr ? argv[3] : "";
    if (HasControlByte(title)) return;
    // The title is the submitter's UTF-8; anything else cannot be shown.
    if (!platform::IsValidUtf8(title)) return;

    char converted[255] = {};
    const size_t length = utf8Printer ? ConvertUTF8ToEncodingForUTF8(title, converted)
                                      : ConvertUTF8ToEncoding(title, converted);
    const std::string_view name(converted, length);

    if (!utf8Printer) {
        const WidthCut cut = CountShiftJISWidth(name);
        SetName(StdDocumentName, cut.reachedWidth ? name.substr(0, cut.bytes) : name);
        SetName(PTStdDocumentName, StdDocumentName);
        if (ValidateDada(PTStdDocumentName, docuNameValidateDataScaleForProduct03) == 0)
            std::memset(PTStdDocumentName, 0, sizeof PTStdDocumentName);
        return;
    }

    const WidthCut cut = CountUTF8Width(name);
    // The title in the code set is cut where the count stopped: 32 bytes when the
    // width came out at exactly 32, 31 when a double-width character overran it,
    // and never inside a character.
    const size_t stdLimit = cut.overflowed ? kNameWidth - 1 : kNameWidth;
    SetName(StdDocumentName, cut.reachedWidth ? CutAtCharacter(name, stdLimit) : name);
    SetName(PTStdDocumentName,
            cut.reachedWidth ? title.substr(0, UTF8PrefixBytes(title, cut.characters)) : title);
    if (ValidateDada(PTStdDocumentName, docuNameValidateDataScaleForProduct03) == 0)
        std::memset(PTStdDocumentName, 0, sizeof PTStdDocumentName);
}

void InvalidatePrintTypeDocumentNameForProductType(char** argv)
{
    // Shift_JIS printers have no product-type rules: their name is final.
    if (!gNameForUTF8Printer) return;

    const CupsOptions& options = JobOptions(argv);
    const int productType = GetOptionInteger(options, printsettings::PrintTypeProductTypeTicketKey);
    const std::string_view name(PTStdDocumentName);

    const DocuNameValidateData* table = &docuNameValidateDataScale;
    std::string limited(name);
    if (options.Get(printsettings::PrintTypeProductTypeTicketKey) != nullptr) {
        const size_t limit = ProductTypeLimit(productType);
        if (UTF8CharacterCount(name) > limit) limited.resize(UTF8PrefixBytes(name, limit));
        if (productType == 3 || productType == 5) table = &docuNameValidateDataScaleForProduct03UTF8;
    }
    std::memset(PTStdDocumentName, 0, sizeof PTStdDocumentName);
    if (ValidateDada(limited, *table) != 0) SetName(PTStdDocumentName, limited);
}
