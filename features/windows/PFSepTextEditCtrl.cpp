#include "features/windows/PFSepTextEditCtrl.h"

#include <string>

#include "features/KPRINTFEATURESPDE.h"
#include "features/windows/FeaturesSetupWindow.h"
#include "panelkit/UtilityFunction.h"
#include "platform/TextEncoding.h"

namespace {

constexpr const char* kBadListMessage = "Message22c";
constexpr const char* kTooManyPagesMessage = "Message22d";
// The longest list a person may type.
constexpr uint32_t kLongestTypedList = 99;

bool IsStoredForm(std::string_view text)
{
    return text.find_first_not_of(" 0123456789") == std::string_view::npos;
}

} // namespace

bool PFSepTextEditCtrl::CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                                      const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                      std::optional<platform::PreferenceUser> user,
                                      const TextEditFilterData* filterData, const char* titleInfo,
                                      int maxPageList)
{
    TextEditCtrl::CreateControl(control, iniData, cnstrnInfo, accessInfo, user, filterData);
    titletextRef = titleInfo;
    maxPageDefineNum = maxPageList;
    return true;
}

PageInputResult PFSepTextEditCtrl::IsPageInputValid(std::string_view text) const
{
    if (textEditFilterDataPtr != nullptr &&
        !validateDensityInput(std::string(text).c_str(), textEditFilterDataPtr))
        return PageInputBadList;
    return ::IsPageInputValid(text, maxPageDefineNum);
}

bool PFSepTextEditCtrl::IsShown() const
{
    return ControlPtr != nullptr && ctrlHideCount <= 0 && !ControlPtr->isHidden();
}

bool PFSepTextEditCtrl::ToValidate() const
{
    return IsShown() && ctrlConstrainCount <= 0 && ControlPtr->isEnabled() && ctrlUIDataBlkPtr.IsAllocated();
}

bool PFSepTextEditCtrl::PreInvalidateData()
{
    if (!ToValidate()) return true;
    const std::string_view typed = ctrlUIDataBlkPtr.Text();
    const bool lengthOK = ctrlDataSize >= 1 && ctrlDataSize <= kLongestTypedList;
    if (lengthOK && (textEditFilterDataPtr == nullptr ||
                     validateDensityInput(std::string(typed).c_str(), textEditFilterDataPtr)))
        return true;
    ShowErrMsg(kBadListMessage);
    return false;
}

bool PFSepTextEditCtrl::InvalidateData()
{
    if (!ToValidate()) return true;
    switch (IsPageInputValid(ctrlUIDataBlkPtr.Text())) {
    case PageInputValid: return true;
    case PageInputTooManyPages: ShowErrMsg(kTooManyPagesMessage); return false;
    case PageInputBadList: break;
    }
    ShowErrMsg(kBadListMessage);
    return false;
}

bool PFSepTextEditCtrl::InvalidateDataOnCancel()
{
    if (!ToValidate() || !ctrlDataBlkPtr.IsAllocated()) return true;
    if (!ctrlDataBlkPtr.Text().empty()) return true;
    ShowErrMsg(kBadListMessage);
    return false;
}

void PFSepTextEditCtrl::ShowErrMsg(const char* messageKey)
{
    shownMessageKey_ = messageKey;
    TextEditCtrl::ShowErrMsg();
    shownMessageKey_ = nullptr;
}

bool PFSepTextEditCtrl::SetControlValueToUI()
{
    if (ControlPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const std::string shown = ShownPageList(ctrlDataBlkPtr.Text());
    ctrlDataSize = static_cast<uint32_t>(shown.size());
    if (ctrlDataAccessInfoPtr != nullptr) ControlPtr->setStringValue(shown);
    return true;
}

bool PFSepTextEditCtrl::SetValueFromUIToControl()
{
    if (!ctrlDataBlkPtr.IsAllocated() || !ctrlUIDataBlkPtr.IsAllocated()) return false;
    ctrlDataBlkPtr.Clear();
    if (ctrlDataSize != 0) ctrlDataBlkPtr.SetText(StoredPageList(ctrlUIDataBlkPtr.Text()));
    return true;
}

bool PFSepTextEditCtrl::GetValueToPreset()
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
    if (ctrlParentPanelPtr == nullptr || !ctrlDataBlkPtr.IsAllocated()) return false;
    const platform::PrintSettings* settings = ctrlParentPanelPtr->GetCurrentPMPrintSettings();
    std::string text;
    if (settings == nullptr || settings->GetValue(ctrlDataAccessInfoPtr->ticketKey, &text) != noErr)
        return false;
    // A value that went through the value escape reads back as its bytes.
    if (!text.empty() && text.front() == '/') {
        text.push_back('\0');
        numstrtochar(text);
        text.resize(text.find('\0'));
    }
    // Only a list this field could have stored is taken; anything else
    // leaves the empty default, which the person is asked to fill.
    if (!IsStoredForm(text)) return false;
    const std::string shown = ShownPageList(text);
    if (!shown.empty() && IsPageInputValid(shown) != PageInputValid) return false;
    ctrlDataBlkPtr.Clear();
    ctrlDataBlkPtr.SetText(StoredPageList(shown));
    SetControlValueToUI();
    return true;
}

bool PFSepTextEditCtrl::SetValueToPreference()
{
    if (!IsShown()) return true;
    return TextEditCtrl::SetValueToPreference();
}

bool PFSepTextEditCtrl::ToGetSummaryText()
{
    const KPRINTFEATURESPDE* panel = FeaturesSetupWindow::FeaturesPanelOfControl(*this);
    return panel != nullptr && !panel->IsSeparatorOff() && ctrlHideCount <= 0;
}

int PFSepTextEditCtrl::GetSummaryText(SummaryDictionary& summary, SummaryOrder& order)
{
    if (titletextRef == nullptr || !ctrlDataBlkPtr.IsAllocated() || !ToGetSummaryText()) return 0;
    const platform::Bundle* bundle =
        ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetPDEBundleRef() : nullptr;
    const std::string title = LocalizedString(bundle, titletextRef);
    if (summary.insert_or_assign(title, std::string(ctrlDataBlkPtr.Text())).second) order.push_back(title);
    return 0;
}
