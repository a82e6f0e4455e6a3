#include "panelkit/controls/BaseButton.h"

bool BaseButton::CreateControl(platform::ui::Widget* control)
{
    controlTitleStrRef = nullptr;
    return BaseControl::CreateControl(control);
}

bool BaseButton::CreateControl(platform::ui::Widget* control, const char* title)
{
    const bool created = CreateControl(control);
    controlTitleStrRef = title;
    return created;
}

bool BaseButton::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    const bool based = BaseControl::InitializeCtrl(bundle, ppd);
    return InitializeTitle(bundle) && based;
}

bool BaseButton::ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* /*ppd*/)
{
    return InitializeTitle(bundle);
}

bool BaseButton::InitializeTitle(const platform::Bundle* bundle)
{
    if (controlTitleStrRef == nullptr) return true;
    if (bundle == nullptr || ControlPtr == nullptr) return false;
    ControlPtr->setTitle(LocalizedString(bundle, controlTitleStrRef));
    ControlPtr->setTitleKey(controlTitleStrRef);
    return true;
}
