#include "panelkit/controls/StaticTextEditControl.h"

bool StaticTextEditControl::CreateControl(platform::ui::Widget* control, const TextEditIniData* iniData,
                                          const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                                          std::optional<platform::PreferenceUser> user,
                                          const TextEditFilterData* filterData, const char* summaryInfo)
{
    BaseControl::CreateControl(control);
    textEditIniDataPtr = iniData;
    ctrlConstrainControlArray = cnstrnInfo;
    ctrlDataAccessInfoPtr = accessInfo;
    if (user) userNameinPreference = user;
    textEditFilterDataPtr = filterData;
    summarytextRef = summaryInfo;
    return true;
}

bool StaticTextEditControl::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool based = BaseControl::InitializeCtrl(bundle, ppd);
    return InitializeText(bundle) && based;
}

bool StaticTextEditControl::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* /*ppd*/)
{
    return InitializeText(bundle);
}

bool StaticTextEditControl::InitializeText(const platform::Bundle* bundle)
{
    if (summarytextRef == nullptr) return true;
    if (bundle == nullptr || ControlPtr == nullptr) return false;
    const std::string text = LocalizedString(bundle, summarytextRef);
    ControlPtr->setStringValue(text);
    ControlPtr->setTitleKey(summarytextRef);
    return true;
}

// The colour follows the widget's state rather than the call, so that a
// label two controls disabled stays grey until both release it.
void StaticTextEditControl::ShowEnabledColour()
{
    if (ControlPtr == nullptr) return;
    ControlPtr->setTextColor(ControlPtr->isEnabled() ? platform::ui::TextColor::Black
                                                     : platform::ui::TextColor::LightGray);
}

void StaticTextEditControl::Enable()
{
    BaseControl::Enable();
    ShowEnabledColour();
}

void StaticTextEditControl::Disable()
{
    BaseControl::Disable();
    ShowEnabledColour();
}

void StaticTextEditControl::ResetStatus()
{
    BaseControl::ResetStatus();
    if (ControlPtr != nullptr) ControlPtr->setTextColor(platform::ui::TextColor::Black);
}
