// The tab margin shift and number-in-sequence check boxes: a PFCheckBox that
// also writes its print-settings key for the job filter.
#pragma once

#include "features/controls/PFCheckBox.h"

class PFCheckBoxExt : public PFCheckBox {
public:
    // The PPD choice, then, when the dialog took it, the key (0 or 1).
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;
    using BaseControl::SetValueToTicket;

    std::string_view ControlClassName() const override { return "PFCheckBoxExt"; }
};
