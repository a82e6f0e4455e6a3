// A generated PPD pop-up that hands its choice to the print dialog when the
// person prints.
#pragma once

#include "features/controls/PPDPopupControlExt.h"

class PFBasePPDPopupListExt : public PPDPopupControlExt {
public:
    // The stored value's choice through willChangePPDOptionKeyValue:ppdChoice:;
    // the dialog's answer. A value without an entry sends nothing (NO).
    // Nothing is written to the print settings directly.
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;
    using BaseControl::SetValueToTicket;

    std::string_view ControlClassName() const override { return "PFBasePPDPopupListExt"; }

protected:
    // The PPD hand-over of the stored value.
    bool SendStoredChoice();
};
