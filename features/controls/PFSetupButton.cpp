#include "features/controls/PFSetupButton.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/controls/PPDControlSupport.h"
#include "panelkit/panel/PopupWinInPanel.h"

bool PFSetupButton::UIEventHandler()
{
    const KPRINTFEATURESPDE* panel = FeaturesPanelOf(*this);
    if (panel == nullptr) return true;
    if (PopupWinInPanel* window = WindowToOpen(*panel)) window->ActivateWindow();
    return true;
}

PopupWinInPanel* PFSepSetupButton::WindowToOpen(const KPRINTFEATURESPDE& panel) const
{
    return panel.getSepWnd();
}

PopupWinInPanel* PFTabSetupButton::WindowToOpen(const KPRINTFEATURESPDE& panel) const
{
    return panel.getTabMarginWnd();
}

PopupWinInPanel* PFBookletSetupButton::WindowToOpen(const KPRINTFEATURESPDE& panel) const
{
    return panel.getBookletMarginWnd();
}

PopupWinInPanel* PFNumInSeqButton::WindowToOpen(const KPRINTFEATURESPDE& panel) const
{
    return panel.getNumInSeqWnd();
}

PopupWinInPanel* PFOffsetStackingButton::WindowToOpen(const KPRINTFEATURESPDE& panel) const
{
    switch (panel.getOffsetStackingValue()) {
    case 4: return panel.getOffsetStackingPagesWnd();
    case 5: return panel.getOffsetStackingUnitsWnd();
    default: return nullptr;
    }
}
