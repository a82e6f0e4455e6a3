// The Features panel's check box for a boolean PPD option, with the mailbox
// rules of PFList, and the print hand-over of its choice.
#pragma once

#include "features/controls/PPDCheckBoxExt.h"

class PFCheckBox : public PPDCheckBoxExt {
public:
    // Each choice in PPD order sets the button's state; a free choice also
    // resets the status and, while mailbox applies to the keyword, disables
    // the button (counted).
    int UpdateConflictsPanelControlFromPPD(ppd_file_t* ppd) override;
    // The PPD default while mailbox holds the keyword at it.
    bool GetValueToPreset() override;
    bool SetValueFromUIToControl() override;
    // The stored value's choice through willChangePPDOptionKeyValue:ppdChoice:
    // (with a first choice "False", 0 is the first choice and 1 the second,
    // otherwise the reverse). A value the list has no choice for sends nothing.
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;
    using BaseControl::SetValueToTicket;

    std::string_view ControlClassName() const override { return "PFCheckBox"; }

protected:
    int32_t SummaryValue() const override;
};
