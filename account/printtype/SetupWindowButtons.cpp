#include "account/printtype/SetupWindowButtons.h"

#include "account/printtype/PrintTypeDetailsWindow.h"

bool SetupWndOKButton::CreateControl(platform::ui::Widget* control, const char* title,
                                     PrintTypeDetailsWindow* window)
{
    window_ = window;
    return BaseButton::CreateControl(control, title);
}

bool SetupWndOKButton::UIEventHandler()
{
    if (window_ != nullptr) window_->OKButtonPressed();
    return true;
}

bool SetupWndCancelButton::CreateControl(platform::ui::Widget* control, const char* title,
                                         PrintTypeDetailsWindow* window)
{
    window_ = window;
    return BaseButton::CreateControl(control, title);
}

bool SetupWndCancelButton::UIEventHandler()
{
    if (window_ != nullptr) window_->CancelButtonPressed();
    return true;
}

bool SetupWndDefaultButton::CreateControl(platform::ui::Widget* control, const char* title,
                                          PrintTypeDetailsWindow* window)
{
    window_ = window;
    return BaseButton::CreateControl(control, title);
}

bool SetupWndDefaultButton::UIEventHandler()
{
    if (window_ != nullptr) window_->RestoreButtonPressed();
    return true;
}
