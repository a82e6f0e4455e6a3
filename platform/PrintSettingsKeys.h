// The names of the print-settings keys that the dialog extensions write and the
// filter reads back as job options. Each full key is the prefix followed by the
// key's name, joined here at compile time, so the prefix is spelled once and
// reader and writers name every key through the same constant.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace printsettings {

inline constexpr std::string_view kPrefix = "com.lumeral.vrk.printsettings.";

// A key's name as a template argument (a string literal).
template <size_t N>
struct KeyName {
    char name[N];
    consteval KeyName(const char (&text)[N]) { std::copy_n(text, N, name); }
};

// The full key text, zero-terminated, one copy per name.
template <KeyName Name>
inline constexpr auto kFullKey = [] {
    std::array<char, kPrefix.size() + sizeof Name.name> key{};
    std::copy(kPrefix.begin(), kPrefix.end(), key.begin());
    std::copy_n(Name.name, sizeof Name.name, key.begin() + kPrefix.size());
    return key;
}();

template <KeyName Name>
inline constexpr const char* Key = kFullKey<Name>.data();

// Print type (the Print Type panel and its windows).
inline constexpr const char* PrintTypeTicketKey = Key<"PrintTypeTicketKey">;
inline constexpr const char* PrintTypeUserNameTicketKey = Key<"PrintTypeUserNameTicketKey">;
inline constexpr const char* PrintTypePasswordTicketKey = Key<"PrintTypePasswordTicketKey">;
inline constexpr const char* PrintTypeMBNTicketKey = Key<"PrintTypeMBNTicketKey">;
inline constexpr const char* PrintTypeMBNPasswordTicketKey = Key<"PrintTypeMBNPasswordTicketKey">;
inline constexpr const char* PrintTypeProductTypeTicketKey = Key<"PrintTypeProductTypeTicketKey">;
inline constexpr const char* DocumentNameTypeTicketKey = Key<"DocumentNameTypeTicketKey">;
inline constexpr const char* DocumentNameTicketKey = Key<"DocumentNameTicketKey">;
inline constexpr const char* DelayPrintTicketKey = Key<"DelayPrintTicketKey">;

// Job accounting: the pane's mode and the identity of the client computer.
inline constexpr const char* JBAManageTypeListTicketKey = Key<"JBAManageTypeListTicketKey">;
inline constexpr const char* JBAMacHostNameStringTicket = Key<"JBAMacHostNameStringTicket">;
inline constexpr const char* JBAHostNameStringTicket = Key<"JBAHostNameStringTicket">;
inline constexpr const char* JBAIPAddressStringTicket = Key<"JBAIPAddressStringTicket">;
inline constexpr const char* JBAPllrPrintDateTicketKey = Key<"JBAPllrPrintDateTicketKey">;
inline constexpr const char* JBAPllrPrintTimeTicketKey = Key<"JBAPllrPrintTimeTicketKey">;

// Job accounting, the user's settings.
inline constexpr const char* JBAUserSettingRadioBtnTicket = Key<"JBAUserSettingRadioBtnTicket">;
inline constexpr const char* JBAUserIDListCtrlTicket = Key<"JBAUserIDListCtrlTicket">;
inline constexpr const char* JBAUserIDTextEditTicket = Key<"JBAUserIDTextEditTicket">;
inline constexpr const char* JBALoginTextEditTicket = Key<"JBALoginTextEditTicket">;
inline constexpr const char* JBADomainNameTextEditTicket = Key<"JBADomainNameTextEditTicket">;
inline constexpr const char* JBAUserPasswordTextEditTicket = Key<"JBAUserPasswordTextEditTicket">;
inline constexpr const char* JBAAccountIDTextEditTicket = Key<"JBAAccountIDTextEditTicket">;
inline constexpr const char* JBAStorageIDTextEditTicket = Key<"JBAStorageIDTextEditTicket">;
inline constexpr const char* JBAStoragePasswordTextEditTicket = Key<"JBAStoragePasswordTextEditTicket">;
inline constexpr const char* JBAUserInputRadioBtnTicket = Key<"JBAUserInputRadioBtnTicket">;

// Job accounting, the settings shared by all users of the computer.
inline constexpr const char* JBAAdminUserSettingRadioBtnTicket = Key<"JBAAdminUserSettingRadioBtnTicket">;
inline constexpr const char* JBAAdminUserIDListCtrlTicket = Key<"JBAAdminUserIDListCtrlTicket">;
inline constexpr const char* JBAAdminUserIDTextEditTicket = Key<"JBAAdminUserIDTextEditTicket">;
inline constexpr const char* JBAAdminLoginTextEditTicket = Key<"JBAAdminLoginTextEditTicket">;
inline constexpr const char* JBAAdminDomainNameTextEditTicket = Key<"JBAAdminDomainNameTextEditTicket">;
inline constexpr const char* JBAAdminUserPasswordTextEditTicket = Key<"JBAAdminUserPasswordTextEditTicket">;
inline constexpr const char* JBAAdminAccountIDTextEditTicket = Key<"JBAAdminAccountIDTextEditTicket">;
inline constexpr const char* JBAAdminStorageIDTextEditTicket = Key<"JBAAdminStorageIDTextEditTicket">;
inline constexpr const char* JBAAdminStoragePasswordTextEditTicket =
    Key<"JBAAdminStoragePasswordTextEditTicket">;
inline constexpr const char* JBAAdminUserInputRadioBtnTicket = Key<"JBAAdminUserInputRadioBtnTicket">;

// Job accounting, the details entered when the job is printed.
inline constexpr const char* JBAInputAuthRadioBtnTicketKey = Key<"JBAInputAuthRadioBtnTicketKey">;
inline constexpr const char* JBAInputStrgRadioBtnTicketKey = Key<"JBAInputStrgRadioBtnTicketKey">;
inline constexpr const char* JBAInputUserIDTextEditTicket = Key<"JBAInputUserIDTextEditTicket">;
inline constexpr const char* JBAInputDomainNameTextEditTicket = Key<"JBAInputDomainNameTextEditTicket">;
inline constexpr const char* JBAInputUserPasswordTextEditTicket = Key<"JBAInputUserPasswordTextEditTicket">;
inline constexpr const char* JBAInputAccountIDTextEditTicket = Key<"JBAInputAccountIDTextEditTicket">;
inline constexpr const char* JBAInputStorageIDTextEditTicket = Key<"JBAInputStorageIDTextEditTicket">;
inline constexpr const char* JBAInputStoragePasswordTextEditTicket =
    Key<"JBAInputStoragePasswordTextEditTicket">;

// Features: the hand-built controls of the panel.
inline constexpr const char* SeparatorPageListTicket = Key<"SeparatorPageListTicket">;
inline constexpr const char* TabMarginSwitchTicket = Key<"TabMarginSwitchTicket">;
inline constexpr const char* NumInSequenceSwitchTicket = Key<"NumInSequenceSwitchTicket">;
inline constexpr const char* OffsetStackingListTicket = Key<"OffsetStackingListTicket">;
inline constexpr const char* BookletMarginSwitchTicket = Key<"BookletMarginSwitchTicket">;

// Features: the margin windows.
inline constexpr const char* TabMarginMMRadioTicket = Key<"TabMarginMMRadioTicket">;
inline constexpr const char* TabMarginInchesRadioTicket = Key<"TabMarginInchesRadioTicket">;
inline constexpr const char* TabMarginMMTextEditTicket = Key<"TabMarginMMTextEditTicket">;
inline constexpr const char* TabMarginInchesTextEditTicket = Key<"TabMarginInchesTextEditTicket">;
inline constexpr const char* TabMarginMMShiftTicket = Key<"TabMarginMMShiftTicket">;
inline constexpr const char* TabMarginInchesShiftTicket = Key<"TabMarginInchesShiftTicket">;
inline constexpr const char* AutoFitSwitchTicket = Key<"AutoFitSwitchTicket">;
inline constexpr const char* BookletMarginMMRadioTicket = Key<"BookletMarginMMRadioTicket">;
inline constexpr const char* BookletMarginInchesRadioTicket = Key<"BookletMarginInchesRadioTicket">;
inline constexpr const char* BookletMarginMMTextEditTicket = Key<"BookletMarginMMTextEditTicket">;
inline constexpr const char* BookletMarginInchesTextEditTicket = Key<"BookletMarginInchesTextEditTicket">;
inline constexpr const char* BookletMarginMMShiftTicket = Key<"BookletMarginMMShiftTicket">;
inline constexpr const char* BookletMarginInchesShiftTicket = Key<"BookletMarginInchesShiftTicket">;

// Features: the separator, number-in-sequence and offset-stacking windows.
inline constexpr const char* SeparatorPageTicket = Key<"SeparatorPageTicket">;
inline constexpr const char* NumInSequenceTextEditTicket = Key<"NumInSequenceTextEditTicket">;
inline constexpr const char* NumInSequenceLArrowTicket = Key<"NumInSequenceLArrowTicket">;
inline constexpr const char* OffsetStackingPagesTextEditTicket = Key<"OffsetStackingPagesTextEditTicket">;
inline constexpr const char* OffsetStackingPagesLArrowTicket = Key<"OffsetStackingPagesLArrowTicket">;
inline constexpr const char* OffsetStackingUnitsTextEditTicket = Key<"OffsetStackingUnitsTextEditTicket">;
inline constexpr const char* OffsetStackingUnitsLArrowTicket = Key<"OffsetStackingUnitsLArrowTicket">;

static_assert(std::string_view(PrintTypeTicketKey) == "com.lumeral.vrk.printsettings.PrintTypeTicketKey");

} // namespace printsettings
