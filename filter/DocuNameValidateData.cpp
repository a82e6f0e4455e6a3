#include "filter/DocuNameValidateData.h"

namespace {

bool InRanges(unsigned code, std::span<const DocuNameCodeRange> ranges)
{
    for (const DocuNameCodeRange& range : ranges)
        if (code >= range.low && code <= range.high) return true;
    return false;
}

// Printable ASCII and half-width katakana.
constexpr DocuNameCodeRange kSjisSingle[] = {{32, 126}, {161, 223}};
// Shift_JIS double-byte rows: lead 0x81-0x9F and 0xE0-0xFC with trail 0x40-0x7E and
// 0x80-0xFC.
constexpr DocuNameCodeRange kSjisDouble[] = {{33088, 40830}, {33152, 40956}, {57408, 64638}, {57472, 64764}};
constexpr DocuNameCodeRange kProduct02Double[] = {{32, 126}, {33120, 33120}, {65377, 65439}};
constexpr DocuNameCodeRange kUTF8Single[] = {{32, 255}};
constexpr DocuNameCodeRange kUTF8Double[] = {{32, 65535}};

} // namespace

const DocuNameValidateData docuNameValidateDataScale{kSjisSingle, kSjisDouble};
const DocuNameValidateData docuNameValidateDataScaleForProduct02{kSjisSingle, kProduct02Double};
const DocuNameValidateData docuNameValidateDataScaleForProduct03{kSjisSingle, kSjisDouble};
const DocuNameValidateData docuNameValidateDataScaleForProduct03UTF8{kUTF8Single, kUTF8Double};

int ValidateDada(std::string_view text, const DocuNameValidateData& table)
{
    size_t pos = 0;
    while (pos < text.size()) {
        const auto first = static_cast<unsigned char>(text[pos]);
        // The name is checked as the zero-terminated text the printer receives:
        // the last byte pairs with the terminating zero. The walk then ends at
        // the terminator; it never reads past the text.
        const unsigned second = pos + 1 < text.size() ? static_cast<unsigned char>(text[pos + 1]) : 0u;
        if (InRanges(first * 256u + second, table.twoByte))
            pos += 2;
        else if (InRanges(first, table.singleByte))
            pos += 1;
        else
            return 0;
    }
    return 1;
}
