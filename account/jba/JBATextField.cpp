#include "account/jba/JBATextField.h"

#include <cstring>

#include "account/LocalizedTitle.h"
#include "account/SummaryLine.h"
#include "panelkit/KVTCipherText.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/panel/BasePrintPanel.h"
#include "platform/TextEncoding.h"

namespace {

bool IsSpacesOnly(std::string_view text)
{
    return !text.empty() && text.find_first_not_of(' ') == std::string_view::npos;
}

// Copies the text with its terminator into the buffer; NO when it does not fit.
bool CopyToBuffer(std::string_view text, std::span<char> buffer)
{
    if (text.size() + 1 > buffer.size()) return false;
    std::memcpy(buffer.data(), text.data(), text.size());
    buffer[text.size()] = '\0';
    return true;
}

} // namespace

bool JBATextField::CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                                 const CtrlAccessInfo* accessInfo,
                                 std::optional<platform::PreferenceUser> user,
                                 const TextEditFilterData* filterData, Options options)
{
    options_ = options;
    return TextEditCtrl::CreateControl(control, iniData, nullptr, accessInfo, user, filterData);
}

bool JBATextField::IsChecked() const
{
    return ControlPtr != nullptr && ControlPtr->isEnabled() && !ControlPtr->isHidden();
}

bool JBATextField::IsPassword() const
{
    return ctrlDataAccessInfoPtr != nullptr && ctrlDataAccessInfoPtr->valueType == kCtrlValueTypePassword;
}

bool JBATextField::InvalidateData()
{
    if (!IsChecked()) return true;
    if (!options_.spacesOnlyAllowed && IsSpacesOnly(UIText())) {
        ShowMessage(nullptr);
        return false;
    }
    return TextEditCtrl::InvalidateData();
}

void JBATextField::ShowMessage(const char* key)
{
    if (key == nullptr || textEditFilterDataPtr == nullptr || key == textEditFilterDataPtr->errMsgKey) {
        ShowErrMsg();
        return;
    }
    // Another key than the filter's: the same alert with that message.
    const TextEditFilterData* filter = textEditFilterDataPtr;
    TextEditFilterData other = *filter;
    other.errMsgKey = key;
    textEditFilterDataPtr = &other;
    ShowErrMsg();
    textEditFilterDataPtr = filter;
}

bool JBATextField::IsStoredEnciphered() const
{
    if (!UsesPreferenceCache()) return false;
    if (settingsPath_) return IsPassword();
    return IsPassword() || options_.inputWindowValue;
}

bool JBATextField::ConvertToPreferenceString(std::span<char> buffer)
{
    if (!IsStoredEnciphered()) return TextEditCtrl::ConvertToPreferenceString(buffer);
    // A value whose cipher text would not fit is not kept at all.
    const std::optional<std::string> cipher = EncipherTicketText(StoredText());
    return cipher && CopyToBuffer(*cipher, buffer);
}

bool JBATextField::ConvertFromPreferenceString(const char* string)
{
    if (string == nullptr || !IsStoredEnciphered()) return TextEditCtrl::ConvertFromPreferenceString(string);
    const std::optional<std::string> plain = DecipherTicketText(string);
    return plain && TextEditCtrl::ConvertFromPreferenceString(plain->c_str());
}

bool JBATextField::SetValueToPreference()
{
    if (ControlPtr != nullptr && ControlPtr->isHidden()) return true;
    return TextEditCtrl::SetValueToPreference();
}

bool JBATextField::SetValueToPreferenceWithPrinterSettings()
{
    if (ControlPtr != nullptr && ControlPtr->isHidden()) return true;
    settingsPath_ = true;
    const bool stored = TextEditCtrl::SetValueToPreferenceWithPrinterSettings();
    settingsPath_ = false;
    return stored;
}

bool JBATextField::GetValueFromPreferenceWithPrinterSettings()
{
    settingsPath_ = true;
    const bool restored = TextEditCtrl::GetValueFromPreferenceWithPrinterSettings();
    settingsPath_ = false;
    return restored;
}

int JBATextField::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (options_.summaryKey == nullptr || ctrlParentPanelPtr == nullptr) return 0;
    const std::string title =
        LocalizedTitle(ctrlParentPanelPtr->GetPDEBundleRef(), localizeTableName, options_.summaryKey);
    AddSummaryLine(summary, order, title,
                   IsPassword() ? MaskedSummaryText(StoredText()) : std::string(StoredText()));
    return 0;
}

void JBATextField::ClearValue()
{
    if (ControlPtr != nullptr) ControlPtr->setStringValue("");
    if (ctrlUIDataBlkPtr.IsAllocated()) ctrlUIDataBlkPtr.SetText("");
    if (ctrlDataBlkPtr.IsAllocated()) ctrlDataBlkPtr.SetText("");
    ctrlDataSize = 0;
}
