// The number field of the offset-per-page window: how many pages form one
// offset stack, from 2 to 65000.
#pragma once

#include "features/windows/PFNumInSeqTextEditCtrl.h"

class PFOffsetStackingPagesTextEditCtrl : public PFNumInSeqTextEditCtrl {
public:
    CountField Field() const override { return CountField::OffsetPages; }
    // While shown and the panel's offset stacking is per number of pages (4).
    bool ToGetSummaryText() override;

    std::string_view ControlClassName() const override { return "PFOffsetStackingPagesTextEditCtrl"; }
};
