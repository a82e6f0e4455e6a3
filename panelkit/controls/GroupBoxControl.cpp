#include "panelkit/controls/GroupBoxControl.h"

bool GroupBoxControl::CreateControl(platform::ui::Widget* box, const char* title)
{
    ControlPtr = box;
    controlTitleStrRef = title;
    return true;
}

bool GroupBoxControl::InitializeTitle(const platform::Bundle* bundle)
{
    if (bundle == nullptr || ControlPtr == nullptr || controlTitleStrRef == nullptr) return false;
    ControlPtr->setTitle(bundle->LocalizedString(controlTitleStrRef, "", ""));
    ControlPtr->setTitleKey(controlTitleStrRef);
    return true;
}
