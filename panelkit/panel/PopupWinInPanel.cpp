#include "panelkit/panel/PopupWinInPanel.h"

PopupWinInPanel::PopupWinInPanel(std::unique_ptr<platform::ui::Window> window, std::string theWinTitleStr)
    : winTitleTextRef(std::move(theWinTitleStr))
{
    BasePrintPanel::CreatePanel(std::move(window));
}

int PopupWinInPanel::InitializeUserPane(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    BasePrintPanel::InitializeUserPane(bundle, ppd);
    InitializeUserPaneTitle(bundle);
    pdeBundleRef = bundle;
    currentPPD = ppd;
    return 0;
}

void PopupWinInPanel::ReInitializeUserPane()
{
    ReInitializeUserPaneControl(pdeBundleRef, currentPPD);
    ReInitializeUserPaneTitle();
    SetControlEventHandler();
}

void PopupWinInPanel::InitializeUserPaneTitle(const platform::Bundle* bundle)
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    if (bundle == nullptr) {
        window->setTitle(kNoTranslation);
        return;
    }
    window->setTitle(bundle->LocalizedString(winTitleTextRef, kNoTranslation, localizeTableName));
}

void PopupWinInPanel::ReInitializeUserPaneTitle() { InitializeUserPaneTitle(pdeBundleRef); }

void PopupWinInPanel::ActivateWindow()
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    ReInitializeUserPane();
    SetUIDataToIniData();
    SetCurrentValueToUI();
    window->runModal();
}

void PopupWinInPanel::RefreshKeptWindow()
{
    if (IsActived()) {
        ReInitializeUserPane();
        SetUIDataToIniData();
    } else {
        ChangeActivedStatus();
    }
}

void PopupWinInPanel::DeactivateWindow()
{
    platform::ui::Window* window = GetWindow();
    if (window == nullptr) return;
    window->stopModal();
    window->close();
}

void PopupWinInPanel::SycValueFromUI()
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (control->GetControlPtr() != nullptr) control->GetValueFromUI();
    }
}

const std::string& PopupWinInPanel::GetCurrentPrinterString() const
{
    if (pParentPane != nullptr) return pParentPane->GetCurrentPrinterString();
    return currentPrintString;
}
