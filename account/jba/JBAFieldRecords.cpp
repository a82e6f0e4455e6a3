#include "account/jba/JBAFieldRecords.h"

#include "platform/PrintSettingsKeys.h"

namespace {

constexpr InputFilterData Ranges(std::initializer_list<InputFilterRange> ranges)
{
    InputFilterData data{};
    for (const InputFilterRange& range : ranges) data.ranges[static_cast<std::size_t>(data.count++)] = range;
    return data;
}

constexpr InputFilterData kPrintableAscii = Ranges({{0x20, 0x7E}});
constexpr InputFilterData kDigits = Ranges({{0x30, 0x39}});

const char* const kManageTypeKeys[] = {"Job Authentication Type User Mode",
                                       "Job Authentication Type Administration Mode", nullptr};
const char* const kUserIDSourceKeys[] = {"JBA Login Name", "JBA Input Name", nullptr};

// Reference keys: where the preferences keep a value, after the printer's ID.
template <printsettings::KeyName Name>
constexpr const char* Reference = printsettings::Key<Name>;

} // namespace

const TextEditIniData JBAUserIDIniData = {"", "", 1, 32, 0};
const TextEditIniData JBALoginNameIniData = {"", "", 1, 32, 0};
const TextEditIniData JBAPasswordIniData = {"", "", 4, 12, 0};
const TextEditIniData JBAStoragePasswordIniData = {"", "", 0, 12, 0};
const TextEditIniData JBAStaticTextIniData = {"", "", 0, 0, 0};

const TextEditFilterData JBAUserIDFilterData = {kPrintableAscii, kPrintableAscii, "Warning32"};
const TextEditFilterData JBALoginNameFilterData = {kPrintableAscii, kPrintableAscii, "Warning32"};
const TextEditFilterData JBAPasswordFilterData = {kPrintableAscii, kPrintableAscii, "Warning33"};
const TextEditFilterData JBAStoragePasswordFilterData = {kDigits, kDigits, "Warning39"};

const ListCtrlIniData JBAManageTypeListIniData = {0, 2, -1, 0, kManageTypeKeys};
const CtrlAccessInfo JBAManageTypeListCtrlAccessInfo = {kCtrlValueTypeInteger, kCtrlValueTypeInteger,
                                                        printsettings::JBAManageTypeListTicketKey,
                                                        Reference<"JBAManageTypeListReference">};
const ListCtrlIniData JBAUserIDListIniData = {0, 1, -1, 0, kUserIDSourceKeys};
const CheckBoxIniData JBAJobInfoRadioIniData = {
    0, 1, -1, 0, "JBA Job Information Radio", "Detailed User Settings"};
const CheckBoxIniData JBAInputRadioIniData = {
    0, 0, -1, 0, "JBA Enter At Print Time Radio", "Detailed User Settings"};

const JBASettingsAccess JBAUserSettingsAccess = {
    {kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::JBAUserSettingRadioBtnTicket,
     Reference<"JBAUserSettingRadioBtnReference">},
    {kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::JBAUserIDListCtrlTicket,
     Reference<"JBAUserIDListCtrlReference">},
    {kCtrlValueTypeText, kCtrlValueTypeText, printsettings::JBAUserIDTextEditTicket,
     Reference<"JBAUserIDTextEditReference">},
    {kCtrlValueTypeText, kCtrlValueTypeText, printsettings::JBALoginTextEditTicket, nullptr},
    {kCtrlValueTypePassword, kCtrlValueTypePassword, printsettings::JBAUserPasswordTextEditTicket,
     Reference<"JBAUserPasswordTextEditReference">},
    {kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::JBAUserInputRadioBtnTicket,
     Reference<"JBAUserInputRadioBtnReference">},
};

const JBASettingsAccess JBAAdminSettingsAccess = {
    {kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::JBAAdminUserSettingRadioBtnTicket,
     Reference<"JBAAdminUserSettingRadioBtnReference">},
    {kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::JBAAdminUserIDListCtrlTicket,
     Reference<"JBAAdminUserIDListCtrlReference">},
    {kCtrlValueTypeText, kCtrlValueTypeText, printsettings::JBAAdminUserIDTextEditTicket,
     Reference<"JBAAdminUserIDTextEditReference">},
    {kCtrlValueTypeText, kCtrlValueTypeText, printsettings::JBAAdminLoginTextEditTicket, nullptr},
    {kCtrlValueTypePassword, kCtrlValueTypePassword, printsettings::JBAAdminUserPasswordTextEditTicket,
     Reference<"JBAAdminUserPasswordTextEditReference">},
    {kCtrlValueTypeInteger, kCtrlValueTypeInteger, printsettings::JBAAdminUserInputRadioBtnTicket,
     Reference<"JBAAdminUserInputRadioBtnReference">},
};

const CtrlAccessInfo JBAInputUserIDCtrlAccessInfo = {kCtrlValueTypeText, kCtrlValueTypeText,
                                                     printsettings::JBAInputUserIDTextEditTicket,
                                                     Reference<"JBAInputUserIDTextEditReference">};
const CtrlAccessInfo JBAInputPasswordCtrlAccessInfo = {kCtrlValueTypePassword, kCtrlValueTypePassword,
                                                       printsettings::JBAInputUserPasswordTextEditTicket,
                                                       Reference<"JBAInputUserPasswordTextEditReference">};
const CtrlAccessInfo JBAInputStoragePasswordCtrlAccessInfo = {
    kCtrlValueTypePassword, kCtrlValueTypePassword, printsettings::JBAInputStoragePasswordTextEditTicket,
    Reference<"JBAInputStoragePasswordTextEditReference">};
