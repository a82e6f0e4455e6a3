#include "features/windows/FeaturesSetupWindow.h"

#include "features/KPRINTFEATURESPDE.h"
#include "features/windows/PFWndButtons.h"
#include "panelkit/controls/StaticTextEditControl.h"
#include "panelkit/UtilityFunction.h"

FeaturesSetupWindow::FeaturesSetupWindow(std::unique_ptr<platform::ui::Window> window,
                                         std::string theWinTitleStr, KPRINTFEATURESPDE* panel,
                                         std::string helpPage)
    : PopupWinInPanel(std::move(window), std::move(theWinTitleStr)), panel_(panel),
      helpPage_(std::move(helpPage))
{}

KPRINTFEATURESPDE* FeaturesSetupWindow::FeaturesPanelOfControl(const BaseControl& control)
{
    const auto* window = dynamic_cast<const FeaturesSetupWindow*>(control.GetParentPanel());
    return window != nullptr ? window->GetFeaturesPanel() : nullptr;
}

std::string FeaturesSetupWindow::LayoutNameOfOutlet(const char* outletName)
{
    return std::string(kPrintFeatureLayout) + outletName;
}

std::unique_ptr<platform::ui::Window> FeaturesSetupWindow::LoadWindowOfOutlet(KPRINTFEATURESPDE& panel,
                                                                              const char* outletName)
{
    return panel.LoadWindowLayout(LayoutNameOfOutlet(outletName));
}

platform::ui::Widget* FeaturesSetupWindow::Outlet(const char* name, int32_t tag) const
{
    platform::ui::Widget* widget =
        GetPanelView() != nullptr ? GetPanelView()->widgetForOutlet(name) : nullptr;
    if (widget != nullptr && tag != 0) widget->setTag(tag);
    return widget;
}

void FeaturesSetupWindow::AddLabel(const char* outletName, int32_t tag, const char* textKey)
{
    platform::ui::Widget* widget = Outlet(outletName, tag);
    if (widget == nullptr) return;
    auto label = std::make_unique<StaticTextEditControl>();
    label->CreateControl(widget, nullptr, nullptr, nullptr, std::nullopt, nullptr, textKey);
    RunTimeAddNewControl(std::move(label));
}

void FeaturesSetupWindow::AddWindowButtons(int32_t okID, int32_t cancelID, int32_t defaultID, int32_t helpID,
                                           std::vector<const int32_t*> cancelDefaults)
{
    auto help = std::make_unique<PHelpButton>();
    help->CreateControl(Outlet("HelpButton", helpID), this);
    RunTimeAddNewControl(std::move(help));
    auto restore = std::make_unique<PFWndRestoreDefaultButton>();
    restore->CreateControl(Outlet("DefaultButton", defaultID), this);
    RunTimeAddNewControl(std::move(restore));
    auto cancel = std::make_unique<PFWndCancelButton>();
    cancel->CreateControl(Outlet("CancelButton", cancelID), this, std::move(cancelDefaults));
    RunTimeAddNewControl(std::move(cancel));
    auto ok = std::make_unique<PFWndOKButton>();
    ok->CreateControl(Outlet("OKButton", okID), this);
    RunTimeAddNewControl(std::move(ok));
}

void FeaturesSetupWindow::OKButtonPressed()
{
    SycValueFromUI();
    for (BaseControl* control : fCtrlGroupArray) {
        // The refusing control has shown its message and taken the focus.
        if (!control->PreInvalidateData() || !control->InvalidateData()) return;
    }
    SetValueFromUIToControl();
    DeactivateWindow();
}

void FeaturesSetupWindow::CancelButtonPressed(const std::vector<const int32_t*>& cancelDefaults)
{
    for (BaseControl* control : fCtrlGroupArray) {
        if (control->PreInvalidateDataOnCancel() && control->InvalidateDataOnCancel()) continue;
        // The values kept cannot be used: the named controls go back to
        // their defaults, as if the person had chosen them.
        for (const int32_t* id : cancelDefaults) {
            BaseControl* reset = GetPanelControl(id);
            if (reset == nullptr && panel_ != nullptr) reset = panel_->GetPanelControl(id);
            if (reset == nullptr) continue;
            reset->SetDefaultValueToUI();
            reset->UIEventHandler();
        }
        break;
    }
    DeactivateWindow();
}

void FeaturesSetupWindow::RestoreButtonPressed() { SetDefaultValueToUI(); }

void FeaturesSetupWindow::HelpButtonPressed()
{
    platform::HostServices* services = GetHostServices();
    if (services == nullptr) return;
    GotoHelpPage(*services, pdeBundleRef, helpPage_, "", "Help Viewer Title for Features");
}
