// The secure-print passcode: digits, from the printer's minimum (the PPD's,
// see PasscodeMinimum.h) up to 12. Its ticket value goes out enciphered, and
// a later dialog deciphers it back, so a restored secure job keeps its passcode.
#pragma once

#include <optional>
#include <string>

#include "account/printtype/PrintTypeTextField.h"

class PTPWTextEditCtrl : public PrintTypeTextField {
public:
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    // Length within the minimum and 12; then the digits.
    bool PreInvalidateData() override;
    bool InvalidateData() override;
    bool InvalidateDataOnCancel() override;

    int GetMinimum() const { return iMinPasscode; }

    std::string_view ControlClassName() const override { return "PTPWTextEditCtrl"; }

protected:
    // "[n]" of "Message60" becomes the minimum followed by a space.
    std::optional<std::string> MessageNumber() const override { return std::to_string(iMinPasscode) + " "; }

private:
    bool IsLengthAllowed(int length) const;

    int iMinPasscode = 0;
};
