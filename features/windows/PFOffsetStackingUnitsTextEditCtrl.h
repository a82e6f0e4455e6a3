// The number field of the offset-per-copy window: how many copies (sets)
// form one offset stack, from 2 to 9999.
#pragma once

#include "features/windows/PFNumInSeqTextEditCtrl.h"

class PFOffsetStackingUnitsTextEditCtrl : public PFNumInSeqTextEditCtrl {
public:
    CountField Field() const override { return CountField::OffsetCopies; }
    // While shown and the panel's offset stacking is per number of sets (5).
    bool ToGetSummaryText() override;

    std::string_view ControlClassName() const override { return "PFOffsetStackingUnitsTextEditCtrl"; }
};
