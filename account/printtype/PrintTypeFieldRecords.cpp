#include "account/printtype/PrintTypeFieldRecords.h"

#include "platform/PrintSettingsKeys.h"

namespace {

constexpr InputFilterData Ranges(std::initializer_list<InputFilterRange> ranges)
{
    InputFilterData data{};
    for (const InputFilterRange& range : ranges) data.ranges[static_cast<std::size_t>(data.count++)] = range;
    return data;
}

constexpr InputFilterData kPrintableLatin1 = Ranges({{0x20, 0x7E}, {0xA0, 0xFF}});
constexpr InputFilterData kDigits = Ranges({{0x30, 0x39}});
// Product type 2: ASCII and halfwidth katakana (Shift_JIS single bytes 0xA1-0xDF).
constexpr InputFilterData kKanaBytes = Ranges({{0x20, 0x7E}, {0xA1, 0xDF}});
constexpr InputFilterData kKanaCharacters = Ranges({{0x20, 0x7E}, {0xFF61, 0xFF9F}});

const char* const kDocumentListKeys[] = {"Document Name Type Auto", "Document Name Type Enter Name", nullptr};

} // namespace

const TextEditIniData PTUserIDIniData = {"", "", 1, 8, 0};
const TextEditIniData PTPasscodeIniData = {"", "", 0, 12, 0};
const TextEditIniData PTMailBoxNumberIniData = {"", "", 1, 3, 0};
const TextEditIniData PTMailBoxPasscodeIniData = {"", "", 0, 20, 0};
const TextEditIniData PTDocumentNameIniData = {"", "", 0, 12, 0};
const TextEditIniData PTStaticTextIniData = {"", "", 0, 0, 0};

const TextEditFilterData PTUserIDFilterData = {kPrintableLatin1, kPrintableLatin1, "Message43"};
const TextEditFilterData PTUserIDFilterDataForProduct02 = {kKanaBytes, kKanaCharacters, "Message43b"};
const TextEditFilterData PTPasscodeFilterData = {kDigits, kDigits, "Message60"};
const TextEditFilterData PTMailBoxNumberFilterData = {kDigits, kDigits, "Warning22"};
const TextEditFilterData PTMailBoxPasscodeFilterData = {kDigits, kDigits, "Message40"};
const TextEditFilterData PTDocumentNameFilterData = {kPrintableLatin1, kPrintableLatin1, "Message41"};
const TextEditFilterData PTDocumentNameFilterDataForProduct02 = {kKanaBytes, kKanaCharacters, "Message41b"};

const CtrlAccessInfo PTUserIDCtrlAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText, nullptr, nullptr};
const CtrlAccessInfo PTPasscodeCtrlAccessInfo = {kCtrlValueTypePassword, kCtrlValueTypePassword,
                                                 printsettings::PrintTypePasswordTicketKey,
                                                 "com.lumeral.vrk.printsettings.PrintTypePasswordReference"};
const CtrlAccessInfo PTMailBoxNumberCtrlAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText,
                                                      printsettings::PrintTypeMBNTicketKey,
                                                      "com.lumeral.vrk.printsettings.PrintTypeMBNReference"};
const CtrlAccessInfo PTMailBoxPasscodeCtrlAccessInfo = {
    kCtrlValueTypePassword, kCtrlValueTypePassword, printsettings::PrintTypeMBNPasswordTicketKey,
    "com.lumeral.vrk.printsettings.PrintTypeMBNPasswordReference"};
const CtrlAccessInfo PTDocumentNameCtrlAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText, nullptr,
                                                     nullptr};
const CtrlAccessInfo PTDocumentListCtrlAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger, nullptr,
                                                     nullptr};

const ListCtrlIniData PTDocumentListIniData = {0, 1, -1, 0, kDocumentListKeys};
const ListCtrlIniData PTDocumentListIniDataForProduct0203 = {0, 2, -1, 0, kDocumentListKeys};
