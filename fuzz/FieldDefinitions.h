// Every text field definition of the Print Type details windows and the
// Job Accounting windows: its character ranges and its length limits, for
// the harnesses that check input against them.
#pragma once

#include "account/jba/JBAFieldRecords.h"
#include "account/printtype/PrintTypeFieldRecords.h"

namespace fuzz {

struct FieldDefinition {
    const char* name;
    const TextEditFilterData* filter;
    const TextEditIniData* lengths;
};

inline const FieldDefinition kFieldDefinitions[] = {
    {"PTUserID", &PTUserIDFilterData, &PTUserIDIniData},
    {"PTUserIDForProduct02", &PTUserIDFilterDataForProduct02, &PTUserIDIniData},
    {"PTPasscode", &PTPasscodeFilterData, &PTPasscodeIniData},
    {"PTMailBoxNumber", &PTMailBoxNumberFilterData, &PTMailBoxNumberIniData},
    {"PTMailBoxPasscode", &PTMailBoxPasscodeFilterData, &PTMailBoxPasscodeIniData},
    {"PTDocumentName", &PTDocumentNameFilterData, &PTDocumentNameIniData},
    {"PTDocumentNameForProduct02", &PTDocumentNameFilterDataForProduct02, &PTDocumentNameIniData},
    {"JBAUserID", &JBAUserIDFilterData, &JBAUserIDIniData},
    {"JBALoginName", &JBALoginNameFilterData, &JBALoginNameIniData},
    {"JBAPassword", &JBAPasswordFilterData, &JBAPasswordIniData},
    {"JBAStoragePassword", &JBAStoragePasswordFilterData, &JBAStoragePasswordIniData},
};
inline constexpr size_t kFieldDefinitionCount = sizeof(kFieldDefinitions) / sizeof(kFieldDefinitions[0]);

// The text as UTF-16 units, two bytes each (big-endian); an odd last byte is dropped.
inline std::u16string Utf16Units(std::string_view bytes)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back(
            static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) << 8 | static_cast<uint8_t>(bytes[i + 1])));
    return text;
}

// The rule written out: every unit inside one of the word ranges in use.
inline bool UnitsInRanges(std::u16string_view text, const InputFilterData& ranges)
{
    for (const char16_t unit : text) {
        bool inside = false;
        for (int i = 0; i < ranges.count && i < InputFilterData::kMaxRanges; ++i)
            inside = inside || (unit >= ranges.ranges[i].low && unit <= ranges.ranges[i].high);
        if (!inside) return false;
    }
    return true;
}

} // namespace fuzz
