#include "account/printtype/PrintTypePaneButtons.h"

#include "account/printtype/KPRINTTYPEPDE.h"
#include "account/printtype/PTListCtrl.h"
#include "account/printtype/PrintTypeHelp.h"

bool PTSetupButton::CreateControl(platform::ui::Widget* control, const char* title, KPRINTTYPEPDE* pane)
{
    pane_ = pane;
    return BaseButton::CreateControl(control, title);
}

bool PTSetupButton::UIEventHandler()
{
    if (pane_ == nullptr) return true;
    if (PopupWinInPanel* window = pane_->GetPrintTypeWindow(pane_->GetCurrentPrintType()))
        window->ActivateWindow();
    return true;
}

bool PTDefaultButton::CreateControl(platform::ui::Widget* control, const char* title, KPRINTTYPEPDE* pane)
{
    pane_ = pane;
    return BaseButton::CreateControl(control, title);
}

bool PTDefaultButton::UIEventHandler()
{
    if (pane_ == nullptr) return true;
    pane_->SetDefaultValueToUI();
    pane_->SetValueFromUIToControl();
    return true;
}

bool PrintTypeHelpBtn::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    helpPage_ = PrintTypeHelpPage(ppd);
    return BaseButton::InitializeCtrl(bundle, ppd);
}

bool PrintTypeHelpBtn::UIEventHandler()
{
    if (ctrlParentPanelPtr != nullptr)
        OpenPrintTypeHelp(ctrlParentPanelPtr->GetHostServices(), ctrlParentPanelPtr->GetPDEBundleRef(),
                          helpPage_);
    return true;
}
