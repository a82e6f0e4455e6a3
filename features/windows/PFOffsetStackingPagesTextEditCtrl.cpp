#include "features/windows/PFOffsetStackingPagesTextEditCtrl.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/windows/FeaturesSetupWindow.h"

bool PFOffsetStackingPagesTextEditCtrl::ToGetSummaryText()
{
    const KPRINTFEATURESPDE* panel = FeaturesSetupWindow::FeaturesPanelOfControl(*this);
    return PFInchMMTextEditCtrl::ToGetSummaryText() && panel != nullptr &&
           panel->getOffsetStackingValue() == 4;
}
