#include "account/jba/JBAButtons.h"

#include "account/jba/JBAInputWindow.h"
#include "account/jba/JBASettingsWindow.h"
#include "account/jba/KJOBACCOUNTINGPDE.h"
#include "panelkit/UtilityFunction.h"

const JBAHelpStringEntry JBAHelpString[3] = {
    {"Account.htm", "Account_"},
    {"DetailedUS.htm", "DetailedUS_"},
    {"EnterUD.htm", "EnterUD_"},
};

std::string JBAHelpPage(ppd_file_t* ppd, std::string_view helpFile)
{
    const ppd_attr_t* settings = ppdFindAttr_ALT(ppd, "QVXAccountingSettings");
    if (settings == nullptr || settings->value == nullptr) return std::string();
    for (const JBAHelpStringEntry& entry : JBAHelpString) {
        if (helpFile == entry.helpFile) return entry.prefix + GetAppResourceName(settings->value, 1) + ".htm";
    }
    return std::string();
}

bool JBADetailSettingBut::CreateControl(platform::ui::Widget* control, const char* title,
                                        KJOBACCOUNTINGPDE* pane)
{
    pane_ = pane;
    return BaseButton::CreateControl(control, title);
}

bool JBADetailSettingBut::UIEventHandler()
{
    if (pane_ == nullptr) return true;
    switch (pane_->getAccountMode()) {
    case 0:
        if (JBASettingsWindow* window = pane_->getjbaInfoAdminWnd()) window->ActivateWindow();
        break;
    case 1:
        if (JBASettingsWindow* window = pane_->getjbaInfoWnd()) window->ActivateWindow();
        break;
    default: break;
    }
    return true;
}

bool JBAWndHelpButton::CreateControl(platform::ui::Widget* control, const char* helpFile)
{
    helpFile_ = helpFile;
    return BaseButton::CreateControl(control);
}

bool JBAWndHelpButton::InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd)
{
    helpPage_ = helpFile_ != nullptr ? JBAHelpPage(ppd, helpFile_) : std::string();
    return BaseButton::InitializeCtrl(bundle, ppd);
}

bool JBAWndHelpButton::UIEventHandler()
{
    platform::HostServices* services =
        ctrlParentPanelPtr != nullptr ? ctrlParentPanelPtr->GetHostServices() : nullptr;
    if (services != nullptr && !helpPage_.empty())
        GotoHelpPage(*services, ctrlParentPanelPtr->GetPDEBundleRef(), helpPage_, "",
                     "Help Viewer Title for Job Accounting");
    return true;
}

bool JBAWndButton::CreateControl(platform::ui::Widget* control, const char* title, JBASettingsWindow* window,
                                 Role role)
{
    window_ = window;
    role_ = role;
    return BaseButton::CreateControl(control, title);
}

bool JBAWndButton::UIEventHandler()
{
    if (window_ == nullptr) return true;
    switch (role_) {
    case Role::OK: window_->OKButtonPressed(); break;
    case Role::Cancel: window_->CancelButtonPressed(); break;
    case Role::Restore: window_->RestoreButtonPressed(); break;
    }
    return true;
}

std::string_view JBAWndButton::ControlClassName() const
{
    switch (role_) {
    case Role::OK: return "JBAWndOKButton";
    case Role::Cancel: return "JBAWndCancelButton";
    case Role::Restore: return "JBAWndRestoreButton";
    }
    return "JBAWndButton";
}

bool JBAInputWndButton::CreateControl(platform::ui::Widget* control, const char* title,
                                      JBAInputWindow* window, bool ok)
{
    window_ = window;
    ok_ = ok;
    return BaseButton::CreateControl(control, title);
}

bool JBAInputWndButton::UIEventHandler()
{
    if (window_ == nullptr) return true;
    if (ok_)
        window_->OKButtonPressed();
    else
        window_->CancelButtonPressed();
    return true;
}
