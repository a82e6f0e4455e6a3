// The accounting text fields by role: the settings windows' user ID, login
// name and password, and the input window's user ID and passcodes.
#pragma once

#include <string>
#include <string_view>

#include "account/jba/JBATextField.h"

// User ID of a settings window: a length outside 1..32 is refused with
// "Warning32" before the other checks.
class JBAWndUserIDTextEditCtrl : public JBATextField {
public:
    bool InvalidateData() override;
    std::string_view ControlClassName() const override { return "JBAWndUserIDTextEditCtrl"; }
};

// The login name: always the session's (never a stored value), "UnknownUser"
// when it does not pass the field's filter, at most 32 bytes. Never refused.
class JBAWndLoginTECtrl : public JBATextField {
public:
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetControlValueToDefault() override;
    bool SetControlValueToUI() override;
    bool InvalidateData() override { return true; }
    std::string_view ControlClassName() const override { return "JBAWndLoginTECtrl"; }

    // The text the field shows for a login name.
    static std::string LoginNameText(std::string_view login);

private:
    void TakeLoginName();
};

// Password of a settings window.
class JBAWndTextEditCtrlExtPwd : public JBATextField {
public:
    std::string_view ControlClassName() const override { return "JBAWndTextEditCtrlExtPwd"; }
};

// User ID of the input window: PreInvalidateData refuses a length outside 1..32.
class JBAInputWndTextEditCtrlExt : public JBATextField {
public:
    bool PreInvalidateData() override;
    std::string_view ControlClassName() const override { return "JBAInputWndTextEditCtrlExt"; }
};

// Password and storage passcode of the input window.
class JBAInputWndTextEditCtrl : public JBATextField {
public:
    std::string_view ControlClassName() const override { return "JBAInputWndTextEditCtrl"; }
};
