// The group of radio buttons that switch each other off. It holds no value
// of its own (each button is stored on its own) and only remembers which
// button is current. The panel owns the buttons; the group lists them.
#pragma once

#include <string_view>
#include <vector>

#include "panelkit/control/BaseControl.h"

class RadioButton;

class RadioGroup : public BaseControl {
public:
    // The creator, named after the class: no buttons, no current one.
    RadioGroup() = default;

    // Appends the button and becomes its group; answers its index, -1 for null.
    int RunTimeAddNewControl(RadioButton* button);
    // Every button reads its screen value; the group has no block of its own.
    const unsigned char* GetValueFromUI() override;

    int GetcurRadio() const { return curRadio; }
    // Only 0 <= index < count is taken.
    void SetcurRadio(int index);
    const std::vector<RadioButton*>& GetRadioButtons() const { return fCtrlGroupArray; }

    std::string_view ControlClassName() const override { return "RadioGroup"; }

protected:
    std::vector<RadioButton*> fCtrlGroupArray; // not owned
    int _control_num_item = 0;
    int curRadio = -1;
};
