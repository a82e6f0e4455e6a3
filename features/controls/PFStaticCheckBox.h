// A check box that is no PPD option: its value comes from its print-settings
// key, and its summary says "On" or "Off" under its localised title.
#pragma once

#include "panelkit/controls/CheckBox.h"

class PFStaticCheckBox : public CheckBox {
public:
    // The key's integer from the current print settings, into the data block
    // and onto the screen.
    bool GetValueToPreset() override;
    // While neither hidden nor disabled: the localised title key to the
    // localised "On" or "Off".
    int GetSummaryText(SummaryDictionary& summary, SummaryOrder& order) override;

    std::string_view ControlClassName() const override { return "PFStaticCheckBox"; }
};
