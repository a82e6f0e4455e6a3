// The mailbox number: 1 to the printer's highest mailbox (the digits among
// the first three characters of "QVXMailBoxSettings"), at most three digits.
// It is stored without leading zeros (099 becomes 99).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "account/printtype/PrintTypeTextField.h"

class PTMBNTextEditCtrl : public PrintTypeTextField {
public:
    // The PPD attribute naming the highest mailbox.
    void SetMaximumAttribute(const char* attributeName) { maximumAttribute_ = attributeName; }

    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool SetValueFromUIToControl() override;

    bool PreInvalidateData() override;
    bool InvalidateData() override;
    bool InvalidateDataOnCancel() override;

    int GetMaximum() const { return iMaxMailBoxNumber; }

    std::string_view ControlClassName() const override { return "PTMBNTextEditCtrl"; }

protected:
    // "[n]" of "Warning22" becomes the highest mailbox followed by a space.
    std::optional<std::string> MessageNumber() const override
    {
        return std::to_string(iMaxMailBoxNumber) + " ";
    }

private:
    bool IsMailBoxNumber(std::string_view text) const;

    const char* maximumAttribute_ = nullptr;
    int iMaxMailBoxNumber = 0;
};
