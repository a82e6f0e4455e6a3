#include "features/windows/PFOffsetStackingUnitsTextEditCtrl.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/windows/FeaturesSetupWindow.h"

bool PFOffsetStackingUnitsTextEditCtrl::ToGetSummaryText()
{
    const KPRINTFEATURESPDE* panel = FeaturesSetupWindow::FeaturesPanelOfControl(*this);
    return PFInchMMTextEditCtrl::ToGetSummaryText() && panel != nullptr &&
           panel->getOffsetStackingValue() == 5;
}
