// The separator list (QVIntSheet, identifier 105): choosing a separator tray
// opens the separator window, and printing also writes the list's value
// under its print-settings key for the job filter.
#pragma once

#include "features/controls/PFCoverList.h"

class PFListExt : public PFCoverList {
public:
    // A change to the second entry or a later one opens the separator
    // window first (nothing while that window does not exist).
    bool UIEventHandler() override;
    // The PPD choice, then the print-settings key (the value in decimal). A
    // value without an entry sends and writes nothing.
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;
    using BaseControl::SetValueToTicket;

    std::string_view ControlClassName() const override { return "PFListExt"; }
};
