#include "features/windows/PFWndButtons.h"

#include "features/windows/FeaturesSetupWindow.h"

bool PFWndOKButton::CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window)
{
    window_ = window;
    return BaseButton::CreateControl(control, "OK Button Title");
}

bool PFWndOKButton::UIEventHandler()
{
    if (window_ != nullptr) window_->OKButtonPressed();
    return true;
}

bool PFWndCancelButton::CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window,
                                      std::vector<const int32_t*> cancelDefaults)
{
    window_ = window;
    CancelDefaultArray = std::move(cancelDefaults);
    return BaseButton::CreateControl(control, "Cancel Button Title");
}

bool PFWndCancelButton::UIEventHandler()
{
    if (window_ != nullptr) window_->CancelButtonPressed(CancelDefaultArray);
    return true;
}

bool PFWndRestoreDefaultButton::CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window)
{
    window_ = window;
    return BaseButton::CreateControl(control, "Default Button Title");
}

bool PFWndRestoreDefaultButton::UIEventHandler()
{
    if (window_ != nullptr) window_->RestoreButtonPressed();
    return true;
}

bool PHelpButton::CreateControl(platform::ui::Widget* control, FeaturesSetupWindow* window)
{
    window_ = window;
    return BaseButton::CreateControl(control);
}

bool PHelpButton::UIEventHandler()
{
    if (window_ != nullptr) window_->HelpButtonPressed();
    return true;
}
