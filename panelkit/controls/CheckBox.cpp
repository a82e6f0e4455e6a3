#include "panelkit/controls/CheckBox.h"

bool CheckBox::CreateCheckBox(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                              const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                              std::optional<platform::PreferenceUser> user)
{
    CreateControl(control);
    checkboxctrlIniDataPtr = iniData;
    ctrlConstrainControlArray = cnstrnInfo;
    ctrlDataAccessInfoPtr = accessInfo;
    if (user) userNameinPreference = user;
    ctrlDataSize = 4;
    return true;
}

bool CheckBox::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool based = BaseControl::InitializeCtrl(bundle, ppd);
    const bool titled = InitializeTitle(bundle);
    // The blocks are made even when the title fails, so that the value
    // still moves between screen, preferences and ticket.
    AllocateIntegerBlocks();
    return based && titled;
}

bool CheckBox::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* /*ppd*/)
{
    return InitializeTitle(bundle);
}

bool CheckBox::InitializeTitle(const platform::Bundle* bundle)
{
    if (checkboxctrlIniDataPtr == nullptr || checkboxctrlIniDataPtr->titleKey == nullptr) return true;
    if (bundle == nullptr || ControlPtr == nullptr) return false;
    ControlPtr->setTitle(LocalizedString(bundle, checkboxctrlIniDataPtr->titleKey));
    ControlPtr->setTitleKey(checkboxctrlIniDataPtr->titleKey);
    return true;
}

bool CheckBox::SimulationUIEventHandler()
{
    BaseControl::SimulationUIEventHandler();
    GetValueFromUI();
    return true;
}

// The value before the change is the UI data block's (-1 before the first
// pass: nothing to release); the new one is on screen. The tables are
// indexed by the value itself.
int CheckBox::DoControlConstrain()
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ctrlConstrainControlArray == nullptr) return 0;
    const int32_t now = ControlPtr->intValue();
    if (now == *old) return 0;
    const CnstrnTable table = ctrlConstrainControlArray->disableLists;
    DisableControlConstrains(CnstrnEntry(table, now));
    if (*old >= 0) EnableControlConstrains(CnstrnEntry(table, *old));
    return 0;
}

int CheckBox::DoControlHideConstrain()
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ctrlConstrainControlArray == nullptr) return 0;
    const int32_t now = ControlPtr->intValue();
    if (now == *old) return 0;
    const CnstrnTable table = ctrlConstrainControlArray->hideLists;
    HideControlConstrains(CnstrnEntry(table, now));
    if (*old >= 0) ShowControlConstrains(CnstrnEntry(table, *old));
    return 0;
}

int CheckBox::DoControlUpdateConstrain()
{
    const std::optional<int32_t> old = UIBlockValue();
    if (ControlPtr == nullptr || !old || ControlPtr->intValue() == *old) return 0;
    return BaseControl::DoControlUpdateConstrain();
}

const void* CheckBox::GetDefaultDataBlk()
{
    return checkboxctrlIniDataPtr != nullptr ? &checkboxctrlIniDataPtr->defaultValue : nullptr;
}

const void* CheckBox::GetIniDataBlk()
{
    return checkboxctrlIniDataPtr != nullptr ? &checkboxctrlIniDataPtr->iniValue : nullptr;
}
