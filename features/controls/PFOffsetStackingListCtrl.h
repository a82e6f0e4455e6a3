// The offset stacking list (QVJog, identifier 109): its fourth and fifth
// entries open the offset-per-page and offset-per-copy windows, and printing
// writes its print-settings key before the PPD choice.
#pragma once

#include "features/controls/PFList.h"

class PFOffsetStackingListCtrl : public PFList {
public:
    // On a change of the selection: entry 3 (0-based) opens the offset-per-page
    // window, entry 4 the offset-per-copy window (nothing while a window does
    // not exist); then the base event handling.
    bool UIEventHandler() override;
    // The value in decimal under OffsetStackingListTicket (locked as asked),
    // then the PPD choice. A value without an entry writes and sends nothing.
    bool SetValueToTicket(platform::PrintSettings* settings, bool lock) override;
    using BaseControl::SetValueToTicket;
    // Its identifier (109) becomes the pop-up's tag after set-up.
    void SetControlTag(int32_t tag) { controlTag = tag; }
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;

    std::string_view ControlClassName() const override { return "PFOffsetStackingListCtrl"; }

private:
    int32_t controlTag = 0;
};
