// The secure-print passcode's label, which states the shortest passcode: the
// "[n]" of its text becomes the minimum. The minimum is the one the passcode
// field checks (PasscodeMinimum.h), so a printer that sets it with
// "QVPTPasswdLimit" rather than "QVMinDigitPasscode" shows its number too
// instead of a bare "[n]".
#pragma once

#include "account/printtype/PTStaticTextEditControl.h"

class PTPWStaticTextEditControl : public PTStaticTextEditControl {
public:
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool ReInitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    std::string_view ControlClassName() const override { return "PTPWStaticTextEditControl"; }

private:
    void ShowMinimum();

    int minimum_ = 0;
};
