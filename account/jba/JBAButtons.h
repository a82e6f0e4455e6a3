// The Job Accounting pane's and windows' push buttons: each hands its press
// to the pane or window it belongs to.
#pragma once

#include <string>
#include <string_view>

#include <cups/ppd.h>

#include "panelkit/controls/BaseButton.h"

class KJOBACCOUNTINGPDE;
class JBASettingsWindow;
class JBAInputWindow;

// The help page prefix of each help file name (JBAHelpString): the page is
// the prefix, the part after "-" of "QVXAccountingSettings" and ".htm".
struct JBAHelpStringEntry {
    const char* helpFile;
    const char* prefix;
};
extern const JBAHelpStringEntry JBAHelpString[3];
// The page for the help file name; empty when the file or the attribute is unknown.
std::string JBAHelpPage(ppd_file_t* ppd, std::string_view helpFile);

// Opens the details window of the chosen accounting mode.
class JBADetailSettingBut : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, KJOBACCOUNTINGPDE* pane);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "JBADetailSettingBut"; }

private:
    using BaseButton::CreateControl;
    KJOBACCOUNTINGPDE* pane_ = nullptr;
};

class JBAWndHelpButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* helpFile);
    bool InitializeCtrl(const platform::Bundle* bundle, ppd_file_t* ppd) override;
    bool UIEventHandler() override;
    const std::string& GetHelpPage() const { return helpPage_; }
    std::string_view ControlClassName() const override { return "JBAWndHelpButton"; }

private:
    using BaseButton::CreateControl;
    const char* helpFile_ = nullptr;
    std::string helpPage_;
};

// The settings windows' OK, Cancel and Restore buttons.
class JBAWndButton : public BaseButton {
public:
    enum class Role { OK, Cancel, Restore };
    bool CreateControl(platform::ui::Widget* control, const char* title, JBASettingsWindow* window,
                       Role role);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override;

private:
    using BaseButton::CreateControl;
    JBASettingsWindow* window_ = nullptr;
    Role role_ = Role::OK;
};

// The input window's OK and Cancel buttons.
class JBAInputWndButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, JBAInputWindow* window, bool ok);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override
    {
        return ok_ ? "JBAInputWndOKButton" : "JBAInputWndCancelButton";
    }

private:
    using BaseButton::CreateControl;
    JBAInputWindow* window_ = nullptr;
    bool ok_ = true;
};
