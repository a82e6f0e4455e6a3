// The number field of the number-in-sequence window: how many tab sheets
// form one numbering sequence, a whole number from 1 to 254 bound to its
// stepper. The offset-stacking fields are the same kind of field with their
// own range and summary condition.
#pragma once

#include "features/windows/CountFieldRules.h"
#include "features/windows/PFInchMMTextEditCtrl.h"

class PFNumInSeqTextEditCtrl : public PFInchMMTextEditCtrl {
public:
    // The field's rules (range, length, default, message).
    virtual CountField Field() const { return CountField::NumInSequence; }

    // Digits only and the value within the range; an empty text is 0.
    bool IsNumberValid(std::string_view text) const override;
    int32_t ScaledValueOfText(std::string_view text) const override;
    // "%d" of the value, cut to the field's length.
    std::string TextOfScaledValue(int32_t value) const override;
    const char* GetErrMsgKey() const override;

    // While shown and the panel's number in sequence is on.
    bool ToGetSummaryText() override;

    std::string_view ControlClassName() const override { return "PFNumInSeqTextEditCtrl"; }

protected:
    std::unique_ptr<TextEditFormatter> NewFormatter(platform::HostServices* services) override;
};
