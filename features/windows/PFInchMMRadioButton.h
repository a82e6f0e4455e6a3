// A unit radio button of the margin windows. Before it may be chosen, the
// fields it names (the other unit's text edit) must hold texts OK would
// accept: the hidden unit takes its value by conversion from that text, so a
// refused text would be carried over. A refused text shows its message and
// the choice is undone.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "panelkit/controls/RadioButton.h"

class PFInchMMRadioButton : public RadioButton {
public:
    // CreateControl:IniData:Constrain:AccessInfo:usernamein:validateArray:
    PFInchMMRadioButton(platform::ui::Widget* control, const CheckBoxIniData* iniData,
                        const CnstrnInfo* cnstrnInfo, const CtrlAccessInfo* accessInfo,
                        std::optional<platform::PreferenceUser> user,
                        std::vector<const int32_t*> validateArray);

    // Nothing when the button already was the chosen one; else the fields
    // are checked first, and the base handling runs only when all pass.
    bool UIEventHandler() override;
    // Every field of validateControlArray, read from the screen, passes its
    // OK check (a refusing one has shown its message).
    bool ValidateConstrains();

    std::string_view ControlClassName() const override { return "PFInchMMRadioButton"; }

private:
    std::vector<const int32_t*> validateControlArray;
};
