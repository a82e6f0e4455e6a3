#include "features/windows/PFTabMarginWnd.h"

#include "features/KPRINTFEATURESPDE.h"

PFTabMarginWnd::PFTabMarginWnd(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr,
                               KPRINTFEATURESPDE* panel)
    : MarginSetupWindow(std::move(window), std::move(theWinTitleStr), panel, "TabMarginShift.htm",
                        TabMarginInchRecords, TabMarginMMRecords)
{}

bool PFTabMarginWnd::IsShiftOn() const
{
    return GetFeaturesPanel() != nullptr && GetFeaturesPanel()->IsTabMarginShift();
}
