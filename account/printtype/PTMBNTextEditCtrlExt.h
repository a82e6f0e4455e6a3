// The mailbox passcode: up to 20 digits, refused with its filter's message.
// Its ticket value goes out enciphered and is deciphered when read back.
#pragma once

#include "account/printtype/PrintTypeTextField.h"

class PTMBNTextEditCtrlExt : public PrintTypeTextField {
public:
    bool InvalidateData() override { return !IsChecked() || TextEditCtrl::InvalidateData(); }

    std::string_view ControlClassName() const override { return "PTMBNTextEditCtrlExt"; }
};
