// The print-type user ID (1 to 8 display units): an empty ID and one of
// spaces only are refused, and a window cancelled without an ID returns the
// pane to normal printing. Kept in the pane's shared user-ID block.
#pragma once

#include "account/printtype/PrintTypeTextField.h"

class PTUITextEditCtrl : public PrintTypeTextField {
public:
    // "Message42", or "Message42b" for product type 2.
    void SetEmptyMessageKey(const char* key) { emptyMessageKey_ = key; }

    bool PreInvalidateData() override;
    bool InvalidateData() override;
    bool InvalidateDataOnCancel() override;

    std::string_view ControlClassName() const override { return "PTUITextEditCtrl"; }

private:
    bool IsRequired() const { return textEditIniDataPtr != nullptr && textEditIniDataPtr->minLength >= 1; }

    const char* emptyMessageKey_ = nullptr;
};
