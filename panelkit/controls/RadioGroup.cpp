#include "panelkit/controls/RadioGroup.h"

#include "panelkit/controls/RadioButton.h"

int RadioGroup::RunTimeAddNewControl(RadioButton* button)
{
    if (button == nullptr) return -1;
    fCtrlGroupArray.push_back(button);
    button->SetCtrlGrp(this);
    _control_num_item = static_cast<int>(fCtrlGroupArray.size());
    return _control_num_item - 1;
}

const unsigned char* RadioGroup::GetValueFromUI()
{
    for (RadioButton* button : fCtrlGroupArray) button->GetValueFromUI();
    return nullptr;
}

void RadioGroup::SetcurRadio(int index)
{
    if (index >= 0 && index < _control_num_item) curRadio = index;
}
