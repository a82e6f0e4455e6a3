#include "features/windows/PFBookletMarginWnd.h"

#include "features/FeatureControlRecords.h"
#include "features/KPRINTFEATURESPDE.h"
#include "features/controls/PFStaticCheckBox.h"

PFBookletMarginWnd::PFBookletMarginWnd(std::unique_ptr<platform::ui::Window> window,
                                       std::string theWinTitleStr, KPRINTFEATURESPDE* panel)
    : MarginSetupWindow(std::move(window), std::move(theWinTitleStr), panel, "Margins_Type01.htm",
                        BookletMarginInchRecords, BookletMarginMMRecords)
{}

bool PFBookletMarginWnd::IsShiftOn() const
{
    KPRINTFEATURESPDE* panel = GetFeaturesPanel();
    if (panel == nullptr || !panel->IsBookletMarginShift()) return false;
    // Greyed out while no booklet is made, the margin switch keeps its value
    // but prints 0: the margin's lines go with it.
    const BaseControl* marginSwitch = panel->GetPanelControl(&pfBookletMarginCheckBoxID);
    return marginSwitch == nullptr || marginSwitch->GetConstrainCount() <= 0;
}

void PFBookletMarginWnd::CreateOptionControls()
{
    auto autoFit = std::make_unique<PFStaticCheckBox>();
    autoFit->CreateCheckBox(Outlet("AutoFit", BookletAutoFitCheckBoxID), &BookletAutoFitCheckBoxIniData,
                            nullptr, &BookletAutoFitCheckBoxCtrlAccessInfo, std::nullopt);
    RunTimeAddNewControl(std::move(autoFit));
}
