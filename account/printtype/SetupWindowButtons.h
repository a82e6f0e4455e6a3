// The details windows' OK, Cancel and Restore buttons: each hands the press to
// its window, which checks, commits or discards its values.
#pragma once

#include <string_view>

#include "panelkit/controls/BaseButton.h"

class PrintTypeDetailsWindow;

class SetupWndOKButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, PrintTypeDetailsWindow* window);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "SetupWndOKButton"; }

private:
    using BaseButton::CreateControl;
    PrintTypeDetailsWindow* window_ = nullptr;
};

class SetupWndCancelButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, PrintTypeDetailsWindow* window);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "SetupWndCancelButton"; }

private:
    using BaseButton::CreateControl;
    PrintTypeDetailsWindow* window_ = nullptr;
};

class SetupWndDefaultButton : public BaseButton {
public:
    bool CreateControl(platform::ui::Widget* control, const char* title, PrintTypeDetailsWindow* window);
    bool UIEventHandler() override;
    std::string_view ControlClassName() const override { return "SetupWndDefaultButton"; }

private:
    using BaseButton::CreateControl;
    PrintTypeDetailsWindow* window_ = nullptr;
};
